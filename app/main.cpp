// tessorin.exe: the VBScript macro tool for Karvel, and Karvel's automation
// server when COM starts it with -Embedding.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/user_settings.h"
#include "automation/server_registration.h"
#include "automation/server_switches.h"
#include "automation/tessorinx.h"
#include "core/exception.h"
#include "platform/win_ansi_code_page.h"
#include "platform/win_case_mapping.h"
#include "platform/win_clipboard.h"
#include "platform/win_messages.h"
#include "platform/win_text.h"
#include "script/debug_manager.h"

using namespace tessorin;

namespace {

std::vector<std::u16string> Parameters() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> parameters;
    for (int i = 1; i < count; ++i)
        parameters.push_back(FromWide(argv[i]));
    LocalFree(argv);
    return parameters;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int Unregister() {
    try {
        UnregisterAutomationServer();
        return 0;
    } catch (const TException& error) {
        ShowErrorBox(error.Message());
        return 1;
    }
}

// Every other start registers the server first; only an explicit
// registration cares whether that worked.
bool Register(TServerStart start) {
    try {
        RegisterAutomationServer();
        return true;
    } catch (const TException& error) {
        if (start == TServerStart::ssRegister)
            ShowErrorBox(error.Message());
        return false;
    }
}

int RunWindow(const std::vector<std::u16string>& parameters, bool automation) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    TUserSettings settings;
    TForm11 form(parameters.empty() ? std::u16string() : parameters.front());
    // Copies belong to the main window, so pasted column blocks stay columns.
    TWin32Clipboard clipboard(form.Handle());
    SetClipboard(&clipboard);
    TWin32Messages messages(form.Handle());
    SetMessages(&messages);
    // Served only once the window is whole: its set-up calls out to Karvel,
    // and COM would deliver a client's call in the middle of that.
    DWORD cookie = 0;
    try {
        cookie = RegisterServerClass(CLSID_tessorinx, MakeServerObject<Ttessorinx>, automation);
    } catch (const TException&) {
        // Without the class object the tool still works as an editor.
    }
    form.Show();
    int exitCode = RunMessageLoop();
    RevokeServerClass(cookie);
    SetMessages(nullptr);
    SetClipboard(nullptr);
    return exitCode;
}

int Start(const std::vector<std::u16string>& parameters) {
    auto start = ServerStartOf(parameters);
    if (start == TServerStart::ssUnregister)
        return Unregister();
    bool registered = Register(start);
    if (start == TServerStart::ssRegister)
        return registered ? 0 : 1;
    return RunWindow(parameters, start == TServerStart::ssAutomation);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    OleInitialize(nullptr); // a single-threaded apartment for the main thread
    InstallWin32CaseMapping();
    InstallWin32AnsiCodePage();
    int exitCode = Start(Parameters());
    TDebugManager::Instance().Shutdown();
    OleUninitialize();
    return exitCode;
}
