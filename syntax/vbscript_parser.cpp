#include "syntax/vbscript_parser.h"

namespace tessorin {

TVBScriptParser::TVBScriptParser(TComponent* owner) : TStringsParser(owner) {
    SetReservedWords({u"And",   u"For",   u"Function", u"If",       u"Then",  u"Else",    u"Mod",
                      u"Next",  u"Not",   u"Or",       u"While",    u"Rem",   u"end",     u"To",
                      u"With",  u"Endif", u"Local",    u"Endwhile", u"Goto",  u"Endfunc", u"Step",
                      u"Break", u"Gosub", u"Repeat",   u"Continue", u"Until", u"Return"});
    FSpecialWordId = WordIndex(u"REM");
    InitHandlers();
    AddHandler(CharRange(u'0', u'9'), &TVBScriptParser::ReadNumber);
    AddHandler(CharRange(u'A', u'Z') | CharRange(u'a', u'z') | Chars(u"_"),
               &TVBScriptParser::ReadIdentifier);
    AddHandler(Chars(u"\""), &TVBScriptParser::ReadDoubledQuoteString);
    AddHandler(Chars(u"'"), &TVBScriptParser::ReadRestOfLine);
    AddHandler(Chars(u"&"), &TVBScriptParser::ReadAmpersand);
}

int TVBScriptParser::ReadAmpersand() {
    if (FScan[1] != u'H' && FScan[1] != u'h')
        return ReadDelimiter();
    FScan += 2;
    return ReadHexDigits();
}

} // namespace tessorin
