#pragma once
// The simulator's class object, and the count of live objects that keeps an
// embedded simulator running.
#include <windows.h>

namespace karvelsim {

void ServerLock();
void ServerUnlock();
// Registers the class object with COM; the process ends with its last object
// when `embedded`.
DWORD RegisterClassObject(bool embedded);
void RevokeClassObject(DWORD cookie);

} // namespace karvelsim
