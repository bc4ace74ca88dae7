#include "text/builtin_templates.h"

#include <iterator>

namespace tessorin {
namespace {

const TTemplateRec delphi[] = {
    {u"arrayc", u"array declaration (const)", u"array[0..|] of type = ();"},
    {u"arrayd", u"array declaration (var)", u"array[0..|] of type;"},
    {u"casee", u"case statement (with else)",
     u"case | of\r\n  : ;\r\n  : ;\r\nelse\r\n  ;\r\nend;"},
    {u"cases", u"case statement", u"case | of\r\n  : ;\r\n  : ;\r\nend;"},
    {u"classc", u"class declaration (with Create/Destroy overrides)",
     u"T| = class(T)\r\nprivate\r\n\r\nprotected\r\n\r\npublic\r\n"
     u"  constructor Create; override;\r\n  destructor Destroy; override;\r\nend;"},
    {u"classd", u"class declaration (no parts)", u"T| = class(T)\r\n\r\nend;"},
    {u"classf", u"class declaration (all parts)",
     u"T| = class(T)\r\nprivate\r\n\r\nprotected\r\n\r\npublic\r\n\r\npublished\r\n\r\nend;"},
    {u"forb", u"for statement", u"for | :=  to  do\r\nbegin\r\n\r\nend;"},
    {u"fors", u"for (no begin/end)", u"for | :=  to  do"},
    {u"function", u"function declaration", u"function |(): ;\r\nbegin\r\n\r\nend;"},
    {u"ifb", u"if statement", u"if | then\r\nbegin\r\n\r\nend;"},
    {u"ife", u"if then (no begin/end) else (no begin/end)", u"if | then\r\n\r\nelse\r\n"},
    {u"ifeb", u"if then else", u"if | then\r\nbegin\r\n\r\nend\r\nelse\r\nbegin\r\n\r\nend;"},
    {u"ifs", u"if (no begin/end)", u"if | then"},
    {u"procedure", u"procedure declaration", u"procedure |();\r\nbegin\r\n\r\nend;"},
    {u"trycf", u"try finally (with Create/Free)",
     u"variable := typename.Create;\r\ntry\r\n  |\r\nfinally\r\n  variable.Free;\r\nend;"},
    {u"trye", u"try except", u"try\r\n  |\r\nexcept\r\n\r\nend;"},
    {u"tryf", u"try finally", u"try\r\n  |\r\nfinally\r\n\r\nend;"},
    {u"whileb", u"while statement", u"while | do\r\nbegin\r\n\r\nend;"},
    {u"whiles", u"while (no begin/end)", u"while | do"},
    {u"withb", u"with statement", u"with | do\r\nbegin\r\n\r\nend;"},
    {u"withs", u"with (no begin/end)", u"with | do"},
};

const TTemplateRec cppBuilder[] = {
    {u"classc", u"class declaration (with constructor and destructor)",
     u"class T| : public T\r\n{\r\npublic:\r\n  T();\r\n  ~T();\r\n};"},
    {u"classd", u"class declaration (no parts)", u"class T|\r\n{\r\n};"},
    {u"classf", u"class declaration (all parts)",
     u"class T|\r\n{\r\nprivate:\r\n\r\nprotected:\r\n\r\npublic:\r\n\r\n};"},
    {u"forb", u"for statement", u"for (|; ;)\r\n{\r\n\r\n}"},
    {u"fors", u"for (no braces)", u"for (|; ;)"},
    {u"function", u"function declaration", u"void |()\r\n{\r\n\r\n}"},
    {u"ifb", u"if statement", u"if (|)\r\n{\r\n\r\n}"},
    {u"ife", u"if else (no braces)", u"if (|)\r\n\r\nelse\r\n"},
    {u"ifeb", u"if else", u"if (|)\r\n{\r\n\r\n}\r\nelse\r\n{\r\n\r\n}"},
    {u"ifs", u"if (no braces)", u"if (|)"},
    {u"struct", u"struct declaration", u"struct |\r\n{\r\n};"},
    {u"switche", u"switch statement (with default)",
     u"switch (|)\r\n{\r\n  case :\r\n    break;\r\n  default:\r\n    break;\r\n}"},
    {u"switchs", u"switch statement", u"switch (|)\r\n{\r\n  case :\r\n    break;\r\n}"},
    {u"templ", u"template declaration", u"template <class T>\r\n|"},
    {u"trye", u"try catch", u"try\r\n{\r\n  |\r\n}\r\ncatch (...)\r\n{\r\n\r\n}"},
    {u"whileb", u"while statement", u"while (|)\r\n{\r\n\r\n}"},
    {u"whiles", u"while (no braces)", u"while (|)"},
};

const TTemplateRec clipper[] = {
    {u"access assign", u"ACCESS and ASSIGN methods",
     u"ACCESS |() CLASS\r\n   RETURN\r\n\r\nASSIGN () CLASS\r\n   RETURN"},
    {u"begins", u"BEGIN SEQUENCE", u"BEGIN SEQUENCE\r\n   |\r\nEND SEQUENCE"},
    {u"beginr", u"BEGIN SEQUENCE with RECOVER",
     u"BEGIN SEQUENCE\r\n   |\r\nRECOVER USING oError\r\n\r\nEND SEQUENCE"},
    {u"caseo", u"DO CASE with OTHERWISE", u"DO CASE\r\nCASE |\r\n\r\nOTHERWISE\r\n\r\nENDCASE"},
    {u"cases", u"DO CASE", u"DO CASE\r\nCASE |\r\n\r\nENDCASE"},
    {u"class", u"CLASS declaration", u"CLASS |\r\n   EXPORT\r\n\r\nENDCLASS"},
    {u"fori", u"FOR loop over i", u"FOR i := | TO\r\n\r\nNEXT i"},
    {u"forj", u"FOR loop over j", u"FOR j := | TO\r\n\r\nNEXT j"},
    {u"forl", u"FOR loop with STEP", u"FOR | :=  TO  STEP\r\n\r\nNEXT"},
    {u"function", u"FUNCTION declaration", u"FUNCTION |()\r\n\r\n   RETURN"},
    {u"ifn", u"IF NOT", u"IF !(|)\r\n\r\nENDIF"},
    {u"ife", u"IF ELSE", u"IF |\r\n\r\nELSE\r\n\r\nENDIF"},
    {u"method", u"METHOD declaration", u"METHOD |() CLASS\r\n\r\n   RETURN SELF"},
    {u"procedure", u"PROCEDURE declaration", u"PROCEDURE |()\r\n\r\n   RETURN"},
    {u"whiles", u"DO WHILE", u"DO WHILE |\r\n\r\nENDDO"},
    {u"while!", u"DO WHILE NOT", u"DO WHILE !(|)\r\n\r\nENDDO"},
};

template <size_t N> void Fill(TMemoCodeTemplates& templates, const TTemplateRec (&set)[N]) {
    AddTemplates(templates, std::begin(set), std::end(set));
}

const TTemplateSetRec sets[] = {
    {u"None", nullptr},
    {u"Custom", nullptr},
    {u"Delphi", [](TMemoCodeTemplates& t) { Fill(t, delphi); }},
    {u"C++ Builder", [](TMemoCodeTemplates& t) { Fill(t, cppBuilder); }},
    {u"Clipper", [](TMemoCodeTemplates& t) { Fill(t, clipper); }},
};

} // namespace

std::span<const TTemplateSetRec> BuiltInTemplateSets() {
    return sets;
}

} // namespace tessorin
