#pragma once
// The VBScript colouring of the editor. It has no lexical state besides 0,
// so every line is coloured on its own.
#include "syntax/strings_parser.h"

namespace tessorin {

class TVBScriptParser : public TStringsParser {
public:
    explicit TVBScriptParser(TComponent* owner = nullptr);

private:
    int ReadAmpersand();
};

} // namespace tessorin
