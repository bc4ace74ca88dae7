#include "syntax/strings_parser.h"

namespace tessorin {

void TStringsParser::SetStrings(const std::vector<std::u16string>* strings) {
    FStrings = strings;
    if (strings)
        Reset();
}

const std::vector<std::u16string>& TStringsParser::RequireStrings() const {
    if (!FStrings)
        TokenError(u"Strings are not specified");
    return *FStrings;
}

void TStringsParser::Reset() {
    RequireStrings();
    FParserState = 0;
    FLineNumber = -1; // so that line 0 loads
    SetCurrentLine(0);
}

void TStringsParser::SetCurrentLine(int line) {
    const std::vector<std::u16string>& strings = RequireStrings();
    const bool inside = line >= 0 && line < static_cast<int>(strings.size());
    if (line == FLineNumber && FScan && inside && FLine == strings[line])
        return;
    // Past the last line the text reads as empty.
    FLine = inside ? strings[line] : std::u16string();
    FLineNumber = line;
    StartLine(FLine.c_str());
}

int TStringsParser::NextToken() {
    const std::vector<std::u16string>& strings = RequireStrings();
    for (;;) {
        const int token = NextLineToken();
        if (token != tcEnd)
            return token;
        if (FLineNumber >= static_cast<int>(strings.size()))
            return tcEnd;
        SetCurrentLine(FLineNumber + 1);
        if (FEolIsToken && FParserState == 0) {
            FTokenStart = FScan;
            return SetToken(tcEol);
        }
    }
}

void TStringsParser::RestoreState(const TTokenData& data) {
    // The saved line start points into a line that may have been replaced.
    SetCurrentLine(data.LineNumber);
    TTokenData reloaded = data;
    reloaded.LineStart = FLine.c_str();
    TCustomDCParser::RestoreState(reloaded);
}

} // namespace tessorin
