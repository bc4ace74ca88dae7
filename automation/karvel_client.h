#pragma once
// The client side of Karvel's automation object. Scripts reach its commands
// by name; the tool itself calls two operations by their place in the
// interface's function table, never by name.
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "platform/com_ptr.h"

namespace tessorin {

extern const CLSID CLSID_Karvelx;
extern const IID IID_IKarvelx;

// CoKarvelx: creates the object (in-process or local server) and answers its
// dual interface; raises EOleSysError on any failure.
TComPtr<IDispatch> CreateKarvelObject();

// Function-table slot 176: Karvel's default script folder; raises on failure.
std::u16string KarvelGetScriptFolder(IDispatch* karvel);

// Function-table slot 178: the tool's window is closing; failures are ignored.
void KarvelScriptClosed(IDispatch* karvel) noexcept;

} // namespace tessorin
