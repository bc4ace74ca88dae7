#include "desktop_driver.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessorin::testing {
namespace {

constexpr DWORD kPoll = 100;

struct TWindowSearch {
    DWORD ProcessId;
    const wchar_t* Caption;
    const wchar_t* ClassName;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.ProcessId || !IsWindowVisible(window))
        return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (search.ClassName && std::wstring(className) != search.ClassName)
        return TRUE;
    if (search.Caption && WindowText(window) != search.Caption)
        return TRUE;
    search.Found = window;
    return FALSE;
}

// Runs a Linux program: Wine starts native executables given by path.
void RunNative(const std::string& commandLine) {
    std::wstring wide(commandLine.begin(), commandLine.end());
    RunToEnd(wide);
}

} // namespace

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path);
    return full.substr(0, full.find_last_of(L"\\/"));
}

TTempFolder::TTempFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    FPath = std::wstring(base) + L"tessorin-e2e-" + std::to_wstring(GetTickCount64());
    CreateDirectoryW(FPath.c_str(), nullptr);
}

TTempFolder::~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::wstring TTempFolder::Write(const std::wstring& name, const std::string& bytes) const {
    auto path = FPath + L"\\" + name;
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
    return path;
}

void RunToEnd(const std::wstring& commandLine) {
    TProcess process(commandLine);
    process.WaitForExit(60000);
}

TProcess::TProcess(const std::wstring& commandLine) : TProcess(commandLine, {}) {}

TProcess::TProcess(const std::wstring& commandLine, const std::wstring& outputFile) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!outputFile.empty()) {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        output = CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = output;
    }
    std::wstring line = commandLine;
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, output != INVALID_HANDLE_VALUE, 0,
                   nullptr, nullptr, &startup, &FInfo);
    if (output != INVALID_HANDLE_VALUE)
        CloseHandle(output);
}

TProcess::~TProcess() {
    if (FInfo.hProcess && WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(FInfo.hProcess, 1);
    CloseHandle(FInfo.hProcess);
    CloseHandle(FInfo.hThread);
}

bool TProcess::WaitForExit(DWORD milliseconds) {
    return FInfo.hProcess && WaitForSingleObject(FInfo.hProcess, milliseconds) == WAIT_OBJECT_0;
}

void TProcess::WaitForIdle(DWORD milliseconds) {
    if (FInfo.hProcess)
        WaitForInputIdle(FInfo.hProcess, milliseconds);
}

bool WaitUntil(bool (*condition)(HWND), HWND window, DWORD milliseconds) {
    for (DWORD waited = 0; !condition(window); waited += kPoll) {
        if (waited >= milliseconds)
            return false;
        Sleep(kPoll);
    }
    return true;
}

HWND WaitForWindow(DWORD processId, const wchar_t* caption, DWORD milliseconds,
                   const wchar_t* className) {
    for (DWORD waited = 0;; waited += kPoll) {
        TWindowSearch search{processId, caption, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found || waited >= milliseconds)
            return search.Found;
        Sleep(kPoll);
    }
}

HWND WaitForDialog(DWORD processId, DWORD milliseconds) {
    return WaitForWindow(processId, nullptr, milliseconds, L"#32770");
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return text;
}

std::wstring DialogText(HWND dialog) {
    std::wstring text;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM data) -> BOOL {
            *reinterpret_cast<std::wstring*>(data) += WindowText(child) + L"\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

void PressButton(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Input goes to the window only once Wine has made it the foreground one;
// right after start another window (the simulator's) may still hold it.
void FocusWindow(const std::wstring& windowName) {
    std::string name(windowName.begin(), windowName.end());
    for (DWORD waited = 0; waited < 10000; waited += 1000) {
        RunNative("/usr/bin/xdotool search --name \"^" + name + "$\" windowfocus --sync");
        Sleep(300);
        if (WindowText(GetForegroundWindow()) == windowName)
            return;
        Sleep(700);
    }
}

void TypeKeys(const std::wstring& windowName, const std::string& keys) {
    FocusWindow(windowName);
    RunNative("/usr/bin/xdotool key --delay 150 " + keys);
}

void ClickToolButton(HWND window, int index) {
    FocusWindow(WindowText(window));
    HWND bar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    auto size = static_cast<DWORD>(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0));
    POINT at{static_cast<LONG>(LOWORD(size) * index + LOWORD(size) / 2),
             static_cast<LONG>(HIWORD(size) / 2)};
    ClientToScreen(bar, &at);
    std::ostringstream command;
    command << "/usr/bin/xdotool mousemove --sync " << at.x << " " << at.y << " click 1";
    RunNative(command.str());
    // Away again, so that the next click is a click of its own.
    RunNative("/usr/bin/xdotool mousemove_relative --sync 0 200");
}

bool ClickToolButtonUntil(HWND window, int index, bool (*clicked)(HWND), HWND subject) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickToolButton(window, index);
        if (WaitUntil(clicked, subject, 8000))
            return true;
        Sleep(1000); // the next click is a click of its own, not a double click
    }
    return false;
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool WaitForText(const std::wstring& path, const std::string& text, DWORD milliseconds) {
    for (DWORD waited = 0;; waited += kPoll) {
        if (ReadFileBytes(path).find(text) != std::string::npos)
            return true;
        if (waited >= milliseconds)
            return false;
        Sleep(kPoll);
    }
}

} // namespace tessorin::testing
