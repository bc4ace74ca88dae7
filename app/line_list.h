#pragma once
// What the main window needs of its editor: its lines, read and replaced
// whole, and loaded from a file.
#include <string>
#include <vector>

namespace tessorin {

class TLineList {
public:
    virtual ~TLineList() = default;
    virtual std::vector<std::u16string> Lines() const = 0;
    virtual void SetLines(const std::vector<std::u16string>& lines) = 0;
    // Raises an exception with a clear message when the file cannot be read.
    virtual void LoadFromFile(const std::u16string& fileName) = 0;
};

} // namespace tessorin
