#include "platform/variant_text.h"

#include "platform/system_error.h"
#include "platform/win_text.h"

namespace tessorin {

std::u16string VariantText(const VARIANT& value) {
    VARIANT text;
    VariantInit(&text);
    OleCheck(VariantCopyInd(&text, const_cast<VARIANT*>(&value)));
    if (text.vt == VT_EMPTY || text.vt == VT_NULL)
        return {};
    HRESULT hr = VariantChangeType(&text, &text, 0, VT_BSTR);
    std::u16string result = SUCCEEDED(hr) ? FromBstr(text.bstrVal) : std::u16string();
    VariantClear(&text);
    OleCheck(hr);
    return result;
}

VARIANT TextVariant(std::u16string_view text) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = ToBstr(text);
    return value;
}

} // namespace tessorin
