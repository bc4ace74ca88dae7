#include "sim_log.h"

#include "platform/win_text.h"
#include "settings.h"

using namespace tessorin;

namespace karvelsim {
namespace {

HWND window = nullptr;
HWND list = nullptr;
bool hideOnClose = false;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (list)
            MoveWindow(list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_CLOSE:
        // Clients of an embedded simulator may still hold objects: hide it.
        if (hideOnClose) {
            ShowWindow(hwnd, SW_HIDE);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void AppendToFile(const std::u16string& line) {
    auto path = LogFilePath();
    HANDLE file =
        CreateFileW(ToWide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    auto bytes = ToUtf8(line + u"\r\n");
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

void OpenLogWindow(HINSTANCE instance, bool embedded) {
    hideOnClose = embedded;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"KarvelSimulator";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(WS_EX_NOACTIVATE, L"KarvelSimulator", L"Karvel Simulator",
                             WS_OVERLAPPEDWINDOW, 700, 500, 400, 250, nullptr, nullptr, instance,
                             nullptr);
    list = CreateWindowExW(0, L"LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 0, 0,
                           window, nullptr, instance, nullptr);
    // Never take the focus from the tool that is driving the simulator.
    ShowWindow(window, SW_SHOWNOACTIVATE);
}

void LogCall(const std::u16string& line) {
    AppendToFile(line);
    if (list)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(line).c_str()));
}

HWND LogWindow() {
    return window;
}

} // namespace karvelsim
