#pragma once
// Reading a script file as lines: a UTF-8 or UTF-16 byte-order mark is
// honoured, anything else is the ANSI code page; CR LF, CR and LF all end a
// line. Raises an exception with a clear message when the file cannot be read
// or holds NUL characters (it is not text).
#include <string>
#include <vector>

namespace tessorin {

std::vector<std::u16string> ReadTextFileLines(const std::u16string& fileName);

std::vector<std::u16string> SplitLines(const std::u16string& text);
std::u16string JoinLines(const std::vector<std::u16string>& lines, std::u16string_view lineBreak);

} // namespace tessorin
