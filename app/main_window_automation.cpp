// The main window as Karvel's automation calls see it: running a named
// script, the script folder, the window state, events into the script, and
// closing while clients still hold objects.
#include <windows.h>

#include "app/line_list.h"
#include "app/main_window.h"
#include "automation/karvel_client.h"
#include "automation/notify_text.h"
#include "core/exception.h"
#include "platform/local_server.h"
#include "platform/win_text.h"
#include "script/scripter.h"

namespace tessorin {
namespace {

std::u16string WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return FromWide(text);
}

} // namespace

void TForm11::RunScriptFile(const std::u16string& fileName) {
    FLines->LoadFromFile(fileName);
    FCurrentFile = fileName;
    SetWindowTextW(Handle(), ToWide(u"VBCript " + fileName).c_str());
    BitBtn2Click();
}

std::u16string TForm11::FetchScriptFolder() {
    if (!FHostObject)
        throw TException(u"Karvel is not linked, so its script folder is unknown");
    FScriptFolder = KarvelGetScriptFolder(FHostObject.Get());
    return FScriptFolder;
}

bool TForm11::IsWindowNormal() const {
    return !IsIconic(Handle()) && !IsZoomed(Handle());
}

void TForm11::SetWindowNormal(bool normal) {
    ShowWindow(Handle(), normal ? SW_RESTORE : SW_MINIMIZE);
}

void TForm11::CallScriptRoutine(const std::u16string& name, std::vector<VARIANT>& args,
                                VARIANT& result) {
    DCScripter1->RunRoutineArgs(name, args, result);
}

void TForm11::NotifyValue(const std::u16string& value) {
    auto current = WindowText(Edit1);
    auto text = NotifyText(current, value);
    // Only a real change fires the edit's change event.
    if (text != current)
        SetWindowTextW(Edit1, ToWide(text).c_str());
}

bool TForm11::MayCloseWithLiveObjects() {
    if (LiveServerObjects() == 0)
        return true;
    const wchar_t* text =
        L"There are still active COM objects in this application.  One or more clients may have "
        L"references to these objects, so manually closing this application may cause those "
        L"client application(s) to fail.\r\n\r\nAre you sure you want to close this application?";
    // Owned by the window rather than task-modal without an owner: Wine
    // leaves the thread's windows disabled after such a box, and No keeps
    // the window in use.
    return MessageBoxW(Handle(), text, L"COM Server Warning",
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2 | MB_APPLMODAL) == IDYES;
}

} // namespace tessorin
