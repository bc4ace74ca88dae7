#include "core/case_mapping.h"

namespace tessorin {
namespace {

// Latin-1 letters fold by 0x20, except the multiplication and division signs
// and the two letters without a single-character partner.
char16_t LatinUpper(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    return c;
}

char16_t LatinLower(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    return c;
}

class TLatinCaseMapping final : public TCaseMapping {
public:
    std::u16string ToUpper(std::u16string_view text) const override {
        std::u16string result(text);
        for (auto& c : result)
            c = LatinUpper(c);
        return result;
    }
    std::u16string ToLower(std::u16string_view text) const override {
        std::u16string result(text);
        for (auto& c : result)
            c = LatinLower(c);
        return result;
    }
};

const TLatinCaseMapping builtInMapping;
const TCaseMapping* currentMapping = &builtInMapping;

} // namespace

const TCaseMapping& CaseMapping() {
    return *currentMapping;
}

void SetCaseMapping(const TCaseMapping* mapping) {
    currentMapping = mapping ? mapping : &builtInMapping;
}

std::u16string UpperCase(std::u16string_view text) {
    return currentMapping->ToUpper(text);
}
std::u16string LowerCase(std::u16string_view text) {
    return currentMapping->ToLower(text);
}

int CompareText(std::u16string_view a, std::u16string_view b) {
    return UpperCase(a).compare(UpperCase(b));
}

bool SameText(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

} // namespace tessorin
