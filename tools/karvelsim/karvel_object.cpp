#include "karvel_object.h"

#include <map>

#include "platform/win_text.h"
#include "settings.h"
#include "sim_log.h"

using namespace tessorin;

namespace karvelsim {
namespace {

std::map<std::u16string, double> position = {{u"X", 0}, {u"Y", 0}, {u"Z", 0}};

const VARIANT& Deref(const VARIANT& value) {
    return value.vt == (VT_BYREF | VT_VARIANT) ? *value.pvarVal : value;
}

std::u16string Text(const VARIANT& value) {
    VARIANT text;
    VariantInit(&text);
    std::u16string result = u"?";
    if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(&Deref(value)), 0, VT_BSTR)))
        result = FromBstr(text.bstrVal);
    VariantClear(&text);
    return result;
}

// Strings appear quoted in the log, everything else as its text.
std::u16string Shown(const VARIANT& value) {
    auto text = Text(value);
    if ((Deref(value).vt & VT_TYPEMASK) != VT_BSTR)
        return text;
    text.insert(text.begin(), u'"');
    text.push_back(u'"');
    return text;
}

double Number(const VARIANT& value) {
    VARIANT number;
    VariantInit(&number);
    double result = 0;
    if (SUCCEEDED(VariantChangeType(&number, const_cast<VARIANT*>(&Deref(value)), 0, VT_R8)))
        result = number.dblVal;
    return result;
}

} // namespace

TKarvelObject::TKarvelObject() : TDispatchObject(IID_IKarvelx) {}

HRESULT TKarvelObject::Record(const std::u16string& line) {
    LogCall(line);
    return S_OK;
}

STDMETHODIMP TKarvelObject::LOADNC(VARIANT fileName) {
    return Record(u"LOADNC " + Shown(fileName));
}

STDMETHODIMP TKarvelObject::MOVE(VARIANT x, VARIANT y, VARIANT z) {
    position[u"X"] = Number(x);
    position[u"Y"] = Number(y);
    position[u"Z"] = Number(z);
    return Record(u"MOVE " + Shown(x) + u", " + Shown(y) + u", " + Shown(z));
}

STDMETHODIMP TKarvelObject::MESSAGE(VARIANT text) {
    return Record(u"MESSAGE " + Shown(text));
}

STDMETHODIMP TKarvelObject::GETPOS(VARIANT axis, VARIANT* value) {
    auto found = position.find(Text(axis));
    if (found == position.end())
        return E_INVALIDARG;
    VariantInit(value);
    value->vt = VT_R8;
    value->dblVal = found->second;
    return Record(u"GETPOS " + Shown(axis) + u" = " + Text(*value));
}

STDMETHODIMP TKarvelObject::NOP() {
    return S_OK;
}

STDMETHODIMP TKarvelObject::GetScriptFolder(LONG index, VARIANT* folder) {
    if (!folder)
        return E_POINTER;
    VariantInit(folder);
    folder->vt = VT_BSTR;
    auto folderName = ScriptFolder();
    folder->bstrVal = ToBstr(folderName);
    return Record(u"GetScriptFolder " + FromUtf8(std::to_string(index)) + u" = \"" + folderName +
                  u"\"");
}

STDMETHODIMP TKarvelObject::ScriptOpened() {
    return Record(u"ScriptOpened");
}

STDMETHODIMP TKarvelObject::ScriptClosed() {
    return Record(u"ScriptClosed");
}

} // namespace karvelsim
