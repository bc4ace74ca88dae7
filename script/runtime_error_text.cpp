#include "script/runtime_error_text.h"

namespace tessorin {
namespace {

struct TRuntimeError {
    unsigned long Code;
    const char16_t* Text;
};

// Facility 0x0A (script control) carries the language's own error number.
constexpr unsigned long Control(unsigned number) {
    return 0x800A0000ul | number;
}

constexpr TRuntimeError kErrors[] = {
    {Control(5), u"Invalid procedure call or argument"},
    {Control(6), u"Overflow"},
    {Control(7), u"Out of memory"},
    {Control(9), u"Subscript out of range"},
    {Control(10), u"This array is fixed or temporarily locked"},
    {Control(11), u"Division by zero"},
    {Control(13), u"Type mismatch"},
    {Control(14), u"Out of string space"},
    {Control(28), u"Out of stack space"},
    {Control(35), u"Sub or Function not defined"},
    {Control(424), u"Object required"},
    {Control(429), u"ActiveX component can't create object"},
    {Control(438), u"Object doesn't support this property or method"},
    {Control(450), u"Wrong number of arguments or invalid property assignment"},
    {Control(451), u"Object not a collection"},
    {Control(500), u"Variable is undefined"},
    {0x80020012ul, u"Division by zero"},                               // DISP_E_DIVBYZERO
    {0x8002000Aul, u"Overflow"},                                       // DISP_E_OVERFLOW
    {0x80020005ul, u"Type mismatch"},                                  // DISP_E_TYPEMISMATCH
    {0x8002000Bul, u"Subscript out of range"},                         // DISP_E_BADINDEX
    {0x80020006ul, u"Object doesn't support this property or method"}, // DISP_E_UNKNOWNNAME
    {0x80020003ul, u"Object doesn't support this property or method"}, // DISP_E_MEMBERNOTFOUND
    {0x8002000Eul, u"Wrong number of arguments or invalid property assignment"}, // BADPARAMCOUNT
    {0x8002000Ful, u"Wrong number of arguments or invalid property assignment"}, // NOTOPTIONAL
    {0x8007000Eul, u"Out of memory"},                                            // E_OUTOFMEMORY
};

} // namespace

const char16_t* RuntimeErrorText(long statusCode) {
    for (auto& error : kErrors)
        if (error.Code == static_cast<unsigned long>(statusCode))
            return error.Text;
    return nullptr;
}

} // namespace tessorin
