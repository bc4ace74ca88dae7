#pragma once
// A tokenizer over a whole list of lines, read as one token stream; the
// language parsers derive from it, and code analysis walks scripts with it.
#include <string>
#include <vector>

#include "syntax/dc_parser.h"

namespace tessorin {

class TStringsParser : public TCustomDCParser {
public:
    using TCustomDCParser::TCustomDCParser;

    // Not owned. Assigning starts the stream again.
    const std::vector<std::u16string>* Strings() const { return FStrings; }
    void SetStrings(const std::vector<std::u16string>* strings);
    // Reports every line end in state 0 as token 12.
    bool EolIsToken() const { return FEolIsToken; }
    void SetEolIsToken(bool value) { FEolIsToken = value; }
    // Back to line 0 in state 0.
    void Reset();

    int NextToken() override;

protected:
    void SetCurrentLine(int line) override;
    void RestoreState(const TTokenData& data) override;

private:
    const std::vector<std::u16string>& RequireStrings() const;

    const std::vector<std::u16string>* FStrings = nullptr;
    std::u16string FLine;
    bool FEolIsToken = false;
};

} // namespace tessorin
