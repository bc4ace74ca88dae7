#include "text/url_words.h"

#include <algorithm>
#include <array>

namespace tessorin {
namespace {

bool IsWordStart(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'_';
}

bool IsWordPart(char16_t c) {
    return IsWordStart(c) || std::u16string_view(u"-./:=?@~").find(c) != std::u16string_view::npos;
}

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 32 : c;
}

bool StartsWithNoCase(std::u16string_view word, std::u16string_view prefix) {
    return word.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), word.begin(),
                      [](char16_t p, char16_t w) { return p == AsciiUpper(w); });
}

bool IsMailAddress(std::u16string_view word) {
    const size_t at = word.find(u'@');
    if (at == std::u16string_view::npos || word.find(u'@', at + 1) != std::u16string_view::npos)
        return false;
    if (at + 1 >= word.size() || !IsWordStart(word[at + 1]))
        return false;
    const size_t dot = word.rfind(u'.');
    return dot != std::u16string_view::npos && dot > at;
}

bool IsUrl(std::u16string_view word) {
    static constexpr std::array<std::u16string_view, 5> prefixes = {
        u"WWW.", u"HTTP://", u"GOPHER://", u"FTP://", u"MAILTO:"};
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [word](std::u16string_view p) { return StartsWithNoCase(word, p); }) ||
           IsMailAddress(word);
}

} // namespace

void ForEachUrlWord(std::u16string_view text, TFunctionRef<void(int start, int end)> found) {
    const int length = static_cast<int>(text.size());
    int i = 0;
    while (i < length) {
        if (!IsWordStart(text[i])) {
            ++i;
            continue;
        }
        const int start = i;
        while (++i < length && IsWordPart(text[i])) {
        }
        if (IsUrl(text.substr(start, i - start)))
            found(start, i);
    }
}

} // namespace tessorin
