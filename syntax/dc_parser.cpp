// The tokenizer's tables, its line colouring and its token stream.
#include "syntax/dc_parser.h"

#include <algorithm>
#include <cstdio>

namespace tessorin {
namespace {

std::u16string Widen(const char* s) {
    return std::u16string(s, s + std::char_traits<char>::length(s));
}

} // namespace

TCharSet CharRange(char16_t first, char16_t last) {
    TCharSet set;
    for (unsigned c = first; c <= last && c < 256; ++c)
        set.set(c);
    return set;
}

TCharSet Chars(std::u16string_view chars) {
    TCharSet set;
    for (char16_t c : chars)
        if (c < 256)
            set.set(c);
    return set;
}

TCustomDCParser::TCustomDCParser(TComponent* owner) : TSimpleParser(owner) {}

void TCustomDCParser::SetReservedWords(std::vector<std::u16string> words) {
    FReservedWords = std::move(words);
    RebuildWords();
    RulesChanged();
}

void TCustomDCParser::SetCaseSensitive(bool value) {
    if (value == FCaseSensitive)
        return;
    FCaseSensitive = value;
    RebuildWords();
    RulesChanged();
}

void TCustomDCParser::RebuildWords() {
    FWords.Rebuild(FReservedWords);
}

bool TCustomDCParser::IsReservedWord(std::u16string_view word) {
    return MatchReservedWord(word, TReservedWordTable::Bucket(word));
}

void TCustomDCParser::SetHandlers(std::initializer_list<int> states, const TCharSet& chars,
                                  TTokenHandler handler) {
    const THandlerCode code = CodeOf(handler);
    const int highest = std::max(states);
    if (highest >= static_cast<int>(FTables.size()))
        FTables.resize(highest + 1, TTable{});
    for (int state : states)
        for (unsigned c = 0; c < 256; ++c)
            if (chars.test(c))
                FTables[state][c] = code;
}

void TCustomDCParser::InitHandlers() {
    AddHandler(CharRange(u'!', 255), &TCustomDCParser::ReadDelimiter);
    AddNewlineHandlers(0);
}

void TCustomDCParser::AddNewlineHandlers(int state) {
    AddStateHandler({state}, Chars(u"\r\n"), &TCustomDCParser::ReadNewline);
}

THandlerCode TCustomDCParser::HandlerFor(char16_t c) const {
    if (FParserState < 0 || FParserState >= static_cast<int>(FTables.size()))
        return 0;
    // Characters beyond Latin-1 share the entry of the last one.
    return FTables[FParserState][c < 256 ? c : 255];
}

void TCustomDCParser::StartLine(const char16_t* text) {
    FLineStart = FTokenStart = FScan = text;
    FToken = tcNone;
}

int TCustomDCParser::NextLineToken() {
    int token = tcNone;
    while (token == tcNone) {
        FTokenStart = FScan;
        if (*FScan == 0) {
            token = tcEnd;
        } else if (const THandlerCode handler = HandlerFor(*FScan)) {
            token = RunHandler(handler);
        } else {
            SkipUnhandled();
        }
    }
    FToken = token;
    return token;
}

void TCustomDCParser::SkipUnhandled() {
    // Runs of blanks are most of a script's unhandled characters; the state
    // cannot change inside the run, so its table is looked up once.
    if (FParserState < 0 || FParserState >= static_cast<int>(FTables.size())) {
        ++FScan;
        return;
    }
    const TTable& table = FTables[FParserState];
    do
        ++FScan;
    while (*FScan != 0 && !table[*FScan < 256 ? *FScan : 255]);
}

int TCustomDCParser::ParseLine(const std::u16string& text, int startState, std::string& colorData) {
    if (text.empty() || colorData.empty())
        return startState;
    FParserState = startState;
    StartLine(text.c_str());
    colorData.resize(text.size());
    if (OnGetColorData) {
        DoGetColorData(text, colorData);
        return FParserState;
    }
    const char16_t* const base = text.c_str();
    char* const colors = colorData.data();
    // Tokens are a few characters long: a byte loop beats a call to memset.
    for (int token = NextLineToken(); token != tcEnd; token = NextLineToken())
        for (const char16_t* c = FTokenStart; c != FScan; ++c)
            colors[c - base] = static_cast<char>(token);
    return FParserState;
}

void TCustomDCParser::DoGetColorData(const std::u16string& text, std::string& colorData) {
    const char fill = static_cast<char>(FToken);
    std::string given(text.size(), fill);
    OnGetColorData(*this, FToken, text, given);
    given.resize(text.size(), fill);
    colorData.replace(FTokenStart - FLineStart, given.size(), given);
}

void TCustomDCParser::SetCurrentLine(int line) {
    FLineNumber = line;
}

int TCustomDCParser::NextSignificantToken() {
    int token = NextToken();
    while (token == tcComment)
        token = NextToken();
    return token;
}

std::u16string TCustomDCParser::TokenString() const {
    if (!FTokenStart)
        return {};
    return std::u16string(FTokenStart, FScan);
}

bool TCustomDCParser::TokenIsDelimiter(char16_t c) const {
    return FToken == tcDelimiter && FScan - FTokenStart == 1 && *FTokenStart == c;
}

bool TCustomDCParser::SkipToWord(int wordId) {
    while (NextToken() != tcEnd)
        if (TokenIsWord(wordId))
            return true;
    return false;
}

void TCustomDCParser::SaveState(TTokenData& data) const {
    data.Token = FToken;
    data.State = FParserState;
    data.LineNumber = FLineNumber;
    data.ScanOffset = static_cast<int>(FScan - FLineStart);
    data.TokenOffset = static_cast<int>(FTokenStart - FLineStart);
    data.WordId = FWordId;
    data.LineStart = FLineStart;
}

void TCustomDCParser::RestoreState(const TTokenData& data) {
    FToken = data.Token;
    FParserState = data.State;
    FLineNumber = data.LineNumber;
    FLineStart = data.LineStart;
    FScan = FLineStart + data.ScanOffset;
    FTokenStart = FLineStart + data.TokenOffset;
    FWordId = data.WordId;
}

int TCustomDCParser::PushState() {
    SaveState(FTokenStack.emplace_back());
    return static_cast<int>(FTokenStack.size()) - 1;
}

void TCustomDCParser::PopState() {
    if (FTokenStack.empty())
        TokenError(u"Token list is empty");
    RestoreState(FTokenStack.back());
    FTokenStack.pop_back();
}

std::u16string TCustomDCParser::PeekWith(int (TCustomDCParser::*next)()) {
    PushState();
    (this->*next)();
    std::u16string text = TokenString();
    PopState();
    return text;
}

std::u16string TCustomDCParser::PeekTokenString() {
    return PeekWith(&TCustomDCParser::NextToken);
}

std::u16string TCustomDCParser::PeekSignificantTokenString() {
    return PeekWith(&TCustomDCParser::NextSignificantToken);
}

TPoint TCustomDCParser::GetTokenPos() const {
    return {static_cast<int>(FTokenStart - FLineStart) + 1, FLineNumber + 1};
}

void TCustomDCParser::TokenError(const std::u16string& message) const {
    const TPoint at = GetTokenPos();
    char place[64];
    std::snprintf(place, sizeof place, " at Line:%d, Char:%d. ", at.Y, at.X);
    throw EParserError(message + Widen(place) + GetErrorContext());
}

} // namespace tessorin
