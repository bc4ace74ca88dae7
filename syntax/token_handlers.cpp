// The handler library that the languages bind to their characters.
#include "syntax/dc_parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

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

// The codes of the handler library; the language's own handlers follow.
enum : THandlerCode {
    hcNone,
    hcDelimiter,
    hcNewline,
    hcIdentifier,
    hcNumber,
    hcDoubledQuoteString,
    hcBackslashString,
    hcRestOfLine,
    hcFirstLanguage
};

} // namespace

THandlerCode TCustomDCParser::CodeOf(TTokenHandler handler) {
    // In the order of the codes.
    static constexpr TTokenHandler library[] = {
        &TCustomDCParser::ReadDelimiter,          &TCustomDCParser::ReadNewline,
        &TCustomDCParser::ReadIdentifier,         &TCustomDCParser::ReadNumber,
        &TCustomDCParser::ReadDoubledQuoteString, &TCustomDCParser::ReadBackslashString,
        &TCustomDCParser::ReadRestOfLine,
    };
    static_assert(std::size(library) == hcFirstLanguage - 1);
    if (!handler)
        return hcNone;
    const auto known = std::find(std::begin(library), std::end(library), handler);
    if (known != std::end(library))
        return static_cast<THandlerCode>(hcDelimiter + (known - std::begin(library)));
    return LanguageCode(handler);
}

THandlerCode TCustomDCParser::LanguageCode(TTokenHandler handler) {
    const auto own = std::find(FLanguageHandlers.begin(), FLanguageHandlers.end(), handler);
    const size_t index = own - FLanguageHandlers.begin();
    if (own == FLanguageHandlers.end()) {
        if (hcFirstLanguage + index > UINT8_MAX)
            throw EParserError(u"Too many token handlers");
        FLanguageHandlers.push_back(handler);
    }
    return static_cast<THandlerCode>(hcFirstLanguage + index);
}

int TCustomDCParser::RunHandler(THandlerCode code) {
    switch (code) {
    case hcDelimiter:
        return ReadDelimiter();
    case hcNewline:
        return ReadNewline();
    case hcIdentifier:
        return ReadIdentifier();
    case hcNumber:
        return ReadNumber();
    case hcDoubledQuoteString:
        return ReadDoubledQuoteString();
    case hcBackslashString:
        return ReadBackslashString();
    case hcRestOfLine:
        return ReadRestOfLine();
    default:
        return (this->*FLanguageHandlers[code - hcFirstLanguage])();
    }
}

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

bool TCustomDCParser::MatchReservedWord(std::u16string_view word, int bucket) {
    const int id = FWords.Find(word, bucket);
    if (id < 0)
        return false;
    FWordId = id;
    return !FCaseSensitive || FWords.Words()[id] == word;
}

int TCustomDCParser::ReadIdentifier() {
    TWordHash hash;
    do
        hash.Add(*FScan++);
    while (IsIdentifierChar(*FScan));
    const std::u16string_view word(FTokenStart, FScan - FTokenStart);
    if (!MatchReservedWord(word, hash.Bucket(word.size())))
        return tcIdentifier;
    // Like VBScript's "Rem", the special word comments out the rest of the line.
    return FWordId == FSpecialWordId ? ReadRestOfLine() : tcReserved;
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
