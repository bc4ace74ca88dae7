#pragma once
// The running executable's names: its file name, and the application title
// that message boxes carry (the file name without its extension).
#include <string>

namespace tessorin {
std::u16string ExecutablePath();
std::u16string ExecutableFileName();
std::u16string ApplicationTitle();
} // namespace tessorin
