#pragma once
// Writing a file without ever losing the old one: the new content goes to a
// temporary file beside the target, which replaces the target only once it
// is completely written. Every failure raises a TException naming the step
// and leaves the target as it was.
#include <string>
#include <string_view>

namespace tessorin {

// The backup name of a file: "~" after the extension's dot, the extension
// cut to four characters in all ("script.vbs" gives "script.~vb"); ".~" for
// a name without extension.
std::u16string BackupFileName(const std::u16string& fileName);

// With a backup name, the old target is kept under that name.
void ReplaceFile(const std::u16string& target, std::string_view bytes,
                 const std::u16string* backup = nullptr);

std::string ReadFileBytes(const std::u16string& fileName);

} // namespace tessorin
