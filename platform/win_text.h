#pragma once
// Text at the Win32 boundary: UTF-16 core strings map 1:1 onto wchar_t and BSTR.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace tessorin {

inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

inline std::u16string FromBstr(BSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
                : std::u16string();
}

inline BSTR ToBstr(std::u16string_view text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

} // namespace tessorin
