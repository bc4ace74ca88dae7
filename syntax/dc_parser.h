#pragma once
// The table-driven tokenizer: for every lexical state a table of 256
// handlers, one per character code; the handler for the character at the
// scan position reads the next token, and its token code is the colour byte.
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "syntax/reserved_words.h"
#include "syntax/simple_parser.h"
#include "text/memo_types.h"

namespace tessorin {

class TCustomDCParser;

// Token codes; 0 to 12 are also the indices of the standard text styles.
enum TTokenCode : int {
    tcNone = -1, // characters consumed, no token (a line end)
    tcEnd = 0,
    tcString = 1,
    tcComment = 2,
    tcIdentifier = 3,
    tcInteger = 4,
    tcFloat = 5,
    tcReserved = 6,
    tcDelimiter = 7,
    tcEol = 12, // in a token stream of lines
};

// A handler starts on the character that selected it, leaves the scan
// position behind its token and answers the token code.
using TTokenHandler = int (TCustomDCParser::*)();
// A dispatch-table entry: 0 for no handler, then the handler library, then
// the language's own handlers.
using THandlerCode = std::uint8_t;
using TCharSet = std::bitset<256>;
using TGetColorDataEvent = std::function<void(
    TComponent& sender, int token, const std::u16string& tokenStr, std::string& colorData)>;

TCharSet CharRange(char16_t first, char16_t last);
TCharSet Chars(std::u16string_view chars);

class EParserError : public TException {
public:
    using TException::TException;
    const char16_t* ClassName() const override { return u"EParserError"; }
};

// One saved tokenizer position.
struct TTokenData {
    int Token = tcNone;
    int State = 0;
    int LineNumber = 0;
    int ScanOffset = 0;
    int TokenOffset = 0;
    int Depth = 0; // for conditional-compilation nesting
    int SkipCount = 0;
    int WordId = -1;
    const char16_t* LineStart = nullptr;
};

class TCustomDCParser : public TSimpleParser {
public:
    explicit TCustomDCParser(TComponent* owner = nullptr);

    void SetLinePos(int line) override { FLineNumber = line; }
    int ParseLine(const std::u16string& text, int startState, std::string& colorData) override;

    // --- Rules ------------------------------------------------------------
    const std::vector<std::u16string>& ReservedWords() const { return FReservedWords; }
    void SetReservedWords(std::vector<std::u16string> words);
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    // The internal sorted word list that word ids index.
    const std::vector<std::u16string>& WordList() const { return FWords.Words(); }
    int SpecialWordId() const { return FSpecialWordId; }
    bool IsReservedWord(std::u16string_view word);
    // The word's id (its index in WordList()), case ignored; -1 if none.
    int WordIndex(std::u16string_view word) const { return FWords.Find(word); }
    TGetColorDataEvent OnGetColorData;

    // --- Token stream -------------------------------------------------------
    virtual int NextToken() { return NextLineToken(); }
    int NextSignificantToken();
    int Token() const { return FToken; }
    int ParserState() const { return FParserState; }
    int WordId() const { return FWordId; }
    bool Unterminated() const { return FUnterminated; }
    virtual std::u16string TokenString() const;
    bool TokenIsWord(int wordId) const { return FToken == tcReserved && FWordId == wordId; }
    bool TokenIsDelimiter(char16_t c) const;
    bool AtEnd() const { return FToken == tcEnd; }
    // Reads on to the reserved word; false at the end.
    bool SkipToWord(int wordId);
    int PushState();
    void PopState();
    std::u16string PeekTokenString();
    std::u16string PeekSignificantTokenString();
    // The current token's place: x = offset in its line + 1, y = line + 1.
    virtual TPoint GetTokenPos() const;
    // Raises the message with the token's place appended.
    [[noreturn]] void TokenError(const std::u16string& message) const;

protected:
    virtual std::u16string GetErrorContext() const { return {}; }
    virtual void DoGetColorData(const std::u16string& text, std::string& colorData);
    virtual void SetCurrentLine(int line);
    // State 0: every character from 33 up a delimiter; CR and LF line ends.
    virtual void InitHandlers();
    virtual void SaveState(TTokenData& data) const;
    virtual void RestoreState(const TTokenData& data);
    virtual void RebuildWords();

    // Points the scanner at the start of a zero-terminated line.
    void StartLine(const char16_t* text);
    int NextLineToken();
    int SetToken(int token) { return FToken = token; }

    template <class TParser> void AddHandler(const TCharSet& chars, int (TParser::*handler)()) {
        AddStateHandler({0}, chars, handler);
    }
    template <class TParser>
    void AddStateHandler(std::initializer_list<int> states, const TCharSet& chars,
                         int (TParser::*handler)()) {
        static_assert(std::is_base_of_v<TCustomDCParser, TParser>);
        SetHandlers(states, chars, static_cast<TTokenHandler>(handler));
    }
    void AddNewlineHandlers(int state);

    // --- Handler library -----------------------------------------------------
    int ReadDelimiter();
    int ReadNewline();
    // After the special word, also the rest of the line, as a comment.
    int ReadIdentifier();
    int ReadNumber();
    int ReadHexDigits();
    int ReadDoubledQuoteString();
    int ReadBackslashString();
    int ReadRestOfLine();
    // Inside a block comment that ends with "*" and `closing`.
    int ReadBlockCommentRest(char16_t closing);

    // IsReservedWord with the word's hash bucket already known.
    bool MatchReservedWord(std::u16string_view word, int bucket);
    // Advances to `c` or a control character; true on `c`.
    bool ScanTo(char16_t c);

    const char16_t* FLineStart = nullptr;
    const char16_t* FTokenStart = nullptr;
    const char16_t* FScan = nullptr;
    int FParserState = 0;
    int FLineNumber = 0;
    int FWordId = -1;
    int FSpecialWordId = -1;
    bool FUnterminated = false;

private:
    using TTable = std::array<THandlerCode, 256>;
    void SetHandlers(std::initializer_list<int> states, const TCharSet& chars,
                     TTokenHandler handler);
    THandlerCode CodeOf(TTokenHandler handler);
    THandlerCode LanguageCode(TTokenHandler handler);
    // The handler library is called directly, the others through their pointer.
    int RunHandler(THandlerCode code);
    THandlerCode HandlerFor(char16_t c) const;
    void SkipUnhandled();
    // The text of the token that `next` reads, without moving on.
    std::u16string PeekWith(int (TCustomDCParser::*next)());
    void SkipExponent();

    std::vector<TTable> FTables;
    std::vector<TTokenHandler> FLanguageHandlers;
    std::vector<std::u16string> FReservedWords;
    TReservedWordTable FWords;
    std::vector<TTokenData> FTokenStack;
    int FToken = tcNone;
    bool FCaseSensitive = false;
};

} // namespace tessorin
