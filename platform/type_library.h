#pragma once
// The type library embedded in the running executable as resource TYPELIB 1.
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "platform/com_ptr.h"

namespace tessorin {

TComPtr<ITypeLib> LoadOwnTypeLibrary();
// Registers it, plus the locale-0 entry that Wine's marshaler looks up;
// `helpFolder` may be empty.
void RegisterOwnTypeLibrary(const std::u16string& helpFolder = {});
void UnregisterOwnTypeLibrary();

} // namespace tessorin
