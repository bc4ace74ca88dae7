#pragma once
// The class object of an out-of-process COM server, and the count of live
// objects that decides when a server started by COM may end.
#include <windows.h>

namespace tessorin {

// Every object the server hands out, and every LockServer, counts once.
void ServerObjectCreated();
void ServerObjectDestroyed();
LONG LiveServerObjects();

// Makes a new object and answers its interface `iid`.
using TServerObjectMaker = HRESULT (*)(REFIID iid, void** object);

// Registers the one class object of the process with COM (local server,
// multiple use). With `quitWithLastObject` the release of the last object
// posts a quit request to the registering thread. Raises EOleSysError.
DWORD RegisterServerClass(const CLSID& clsid, TServerObjectMaker make, bool quitWithLastObject);
void RevokeServerClass(DWORD cookie);

} // namespace tessorin
