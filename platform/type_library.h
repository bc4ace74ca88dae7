#pragma once
// The type library embedded in the running executable as resource TYPELIB 1.
#include <windows.h>
#include <oaidl.h>

#include "platform/com_ptr.h"

namespace tessorin {

TComPtr<ITypeLib> LoadOwnTypeLibrary();
// Registers it, plus the locale-0 entry that Wine's marshaler looks up.
void RegisterOwnTypeLibrary();
void UnregisterOwnTypeLibrary();

} // namespace tessorin
