#include "core/ansi_code_page.h"

#include <array>

namespace tessorin {
namespace {

// Bytes 0x80..0x9F of Windows-1252. The five unassigned bytes map to the C1
// controls of the same value, as the system does, so every byte survives a
// round trip.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char EncodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < high.size(); ++i)
        if (high[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

class TWindows1252 final : public TAnsiCodePage {
public:
    std::u16string Decode(std::string_view bytes) const override {
        std::u16string text(bytes.size(), u'\0');
        for (size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            text[i] = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : b;
        }
        return text;
    }
    std::string Encode(std::u16string_view text) const override {
        std::string bytes(text.size(), '\0');
        for (size_t i = 0; i < text.size(); ++i)
            bytes[i] = EncodeChar(text[i]);
        return bytes;
    }
};

const TWindows1252 builtInCodePage;
const TAnsiCodePage* currentCodePage = &builtInCodePage;

} // namespace

const TAnsiCodePage& AnsiCodePage() {
    return *currentCodePage;
}

void SetAnsiCodePage(const TAnsiCodePage* codePage) {
    currentCodePage = codePage ? codePage : &builtInCodePage;
}

} // namespace tessorin
