// The handler library that the languages bind to their characters.
#include "syntax/dc_parser.h"

#include <array>

namespace tessorin {
namespace {

constexpr bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsHexDigit(char16_t c) {
    return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// One lookup per character of a word.
constexpr std::array<bool, 256> identifierChars = [] {
    std::array<bool, 256> chars{};
    for (int c = 0; c < 256; ++c)
        chars[c] = IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return chars;
}();

bool IsIdentifierChar(char16_t c) {
    return c < 256 && identifierChars[c];
}

// Control characters end a token that scans to a character; tabs do not.
bool IsControl(char16_t c) {
    return c < u' ' && c != u'\t';
}

} // namespace

bool TCustomDCParser::ScanTo(char16_t c) {
    while (*FScan != c && !IsControl(*FScan))
        ++FScan;
    return *FScan == c;
}

int TCustomDCParser::ReadDelimiter() {
    ++FScan;
    return tcDelimiter;
}

int TCustomDCParser::ReadNewline() {
    const char16_t other = *FScan == u'\r' ? u'\n' : u'\r';
    if (*++FScan == other)
        ++FScan;
    ++FLineNumber;
    FLineStart = FScan;
    return tcNone;
}

int TCustomDCParser::ReadIdentifier() {
    TWordHash hash;
    do
        hash.Add(*FScan++);
    while (IsIdentifierChar(*FScan));
    const std::u16string_view word(FTokenStart, FScan - FTokenStart);
    return MatchReservedWord(word, hash.Bucket(word.size())) ? tcReserved : tcIdentifier;
}

void TCustomDCParser::SkipExponent() {
    if (*FScan != u'E' && *FScan != u'e')
        return;
    ++FScan;
    if (*FScan == u'+' || *FScan == u'-')
        ++FScan;
    while (IsDigit(*FScan))
        ++FScan;
}

int TCustomDCParser::ReadNumber() {
    do
        ++FScan;
    while (IsDigit(*FScan));
    if (*FScan == u'.' && IsDigit(FScan[1])) {
        ++FScan;
        while (IsDigit(*FScan))
            ++FScan;
        SkipExponent();
        return tcFloat;
    }
    if (*FScan != u'E' && *FScan != u'e')
        return tcInteger;
    SkipExponent();
    return tcFloat;
}

int TCustomDCParser::ReadHexDigits() {
    while (IsHexDigit(*FScan))
        ++FScan;
    return tcInteger;
}

int TCustomDCParser::ReadDoubledQuoteString() {
    const char16_t quote = *FScan;
    bool found;
    do {
        ++FScan;
        found = ScanTo(quote);
        if (found)
            ++FScan;
    } while (found && *FScan == quote);
    FUnterminated = !found;
    return tcString;
}

int TCustomDCParser::ReadBackslashString() {
    const char16_t quote = *FScan;
    bool found;
    for (;;) {
        ++FScan;
        found = ScanTo(quote);
        if (!found)
            break;
        int backslashes = 0;
        while (FScan - backslashes - 1 > FTokenStart && FScan[-backslashes - 1] == u'\\')
            ++backslashes;
        if (backslashes % 2 == 0)
            break;
    }
    if (found)
        ++FScan;
    FUnterminated = !found;
    return tcString;
}

int TCustomDCParser::ReadRestOfLine() {
    while (*FScan >= u' ' || *FScan == u'\t')
        ++FScan;
    return tcComment;
}

int TCustomDCParser::ReadBlockCommentRest(char16_t closing) {
    while (ScanTo(u'*')) {
        if (*++FScan == closing) {
            ++FScan;
            FParserState = 0;
            return tcComment;
        }
    }
    FParserState = 2;
    return tcComment;
}

} // namespace tessorin
