#pragma once
// The system's ANSI code page for files without a byte-order mark.
namespace tessorin {
void InstallWin32AnsiCodePage();
}
