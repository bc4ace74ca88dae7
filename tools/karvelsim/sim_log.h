#pragma once
// What the simulator was asked to do: each call becomes one line, appended
// to the log file (its path from the simulator's settings) and shown in the
// simulator's window.
#include <windows.h>

#include <string>

namespace karvelsim {

// An embedded simulator's window only hides when closed.
void OpenLogWindow(HINSTANCE instance, bool embedded);
void LogCall(const std::u16string& line);
HWND LogWindow();

} // namespace karvelsim
