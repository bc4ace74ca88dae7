// tessorin.exe: the VBScript macro tool for Karvel.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "app/main_window.h"
#include "platform/win_case_mapping.h"
#include "platform/win_text.h"
#include "script/debug_manager.h"

using namespace tessorin;

namespace {

std::u16string FirstParameter() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::u16string first = count > 1 ? FromWide(argv[1]) : std::u16string();
    LocalFree(argv);
    return first;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    OleInitialize(nullptr); // a single-threaded apartment for the main thread
    InstallWin32CaseMapping();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    int exitCode;
    {
        TForm11 form(FirstParameter());
        form.Show();
        exitCode = RunMessageLoop();
    }
    TDebugManager::Instance().Shutdown();
    OleUninitialize();
    return exitCode;
}
