#pragma once
// Drives the tool from outside its process, as a person would: starts it,
// finds its windows, types with real keyboard input (xdotool under Xvfb),
// clicks with the mouse, reads and answers its message boxes.
#include <windows.h>

#include <string>
#include <vector>

namespace tessorin::testing {

// The folder of this test program; the tool and the simulator sit beside it.
std::wstring BinFolder();

class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    const std::wstring& Path() const { return FPath; }
    std::wstring Write(const std::wstring& name, const std::string& bytes) const;

private:
    std::wstring FPath;
};

// Runs a program to its end (a minute at the most).
void RunToEnd(const std::wstring& commandLine);

class TProcess {
public:
    explicit TProcess(const std::wstring& commandLine);
    // With its standard output and errors written to `outputFile`.
    TProcess(const std::wstring& commandLine, const std::wstring& outputFile);
    ~TProcess();
    DWORD Id() const { return FInfo.dwProcessId; }
    bool WaitForExit(DWORD milliseconds);
    // Until the process waits for input with nothing left to do.
    void WaitForIdle(DWORD milliseconds);

private:
    PROCESS_INFORMATION FInfo{};
};

// A top-level window of the process with this caption (or any dialog box
// when the caption is null), waiting up to `milliseconds`.
HWND WaitForWindow(DWORD processId, const wchar_t* caption, DWORD milliseconds,
                   const wchar_t* className = nullptr);
HWND WaitForDialog(DWORD processId, DWORD milliseconds);
std::wstring WindowText(HWND window);
// Every text of a dialog's controls, joined by newlines.
std::wstring DialogText(HWND dialog);
void PressButton(HWND dialog, int id);

// Focuses the X window with this name and types the xdotool key names.
void TypeKeys(const std::wstring& windowName, const std::string& keys);
// Clicks the tool bar button at this index of the window's tool bar.
void ClickToolButton(HWND window, int index);
// Clicks the button until `clicked` holds, at most three times. Wine under a
// bare X server now and then loses a click that comes right after a change of
// the window's z-order band; a click it loses changes nothing, so one more is
// what a user would do.
bool ClickToolButtonUntil(HWND window, int index, bool (*clicked)(HWND), HWND subject);

std::string ReadFileBytes(const std::wstring& path);
// Polls until `condition` holds; answers its last value.
bool WaitUntil(bool (*condition)(HWND), HWND window, DWORD milliseconds);

// Polls the file until it holds `text`.
bool WaitForText(const std::wstring& path, const std::string& text, DWORD milliseconds);

} // namespace tessorin::testing
