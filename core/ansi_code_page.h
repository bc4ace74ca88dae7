#pragma once
// Conversion between UTF-16 and the system's ANSI code page, for files
// without a byte-order mark. The platform installs the system's conversion;
// the built-in one is Windows-1252.
#include <string>
#include <string_view>

namespace tessorin {

class TAnsiCodePage {
public:
    virtual ~TAnsiCodePage() = default;
    virtual std::u16string Decode(std::string_view bytes) const = 0;
    // Characters the code page lacks become "?".
    virtual std::string Encode(std::u16string_view text) const = 0;
};

// The code page in force; never null. Passing null restores the built-in one.
const TAnsiCodePage& AnsiCodePage();
void SetAnsiCodePage(const TAnsiCodePage* codePage);

} // namespace tessorin
