#include "platform/registry.h"

#include <objbase.h>

#include "platform/system_error.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

void Check(LSTATUS status) {
    if (status != ERROR_SUCCESS)
        OleCheck(HRESULT_FROM_WIN32(status));
}

} // namespace

void RegWriteString(HKEY root, const std::u16string& key, const std::u16string& name,
                    const std::u16string& value) {
    HKEY handle = nullptr;
    Check(RegCreateKeyExW(root, ToWide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                          nullptr));
    auto wideValue = ToWide(value);
    LSTATUS status = RegSetValueExW(handle, name.empty() ? nullptr : ToWide(name).c_str(), 0,
                                    REG_SZ, reinterpret_cast<const BYTE*>(wideValue.c_str()),
                                    static_cast<DWORD>((wideValue.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    Check(status);
}

std::optional<std::u16string> RegReadString(HKEY root, const std::u16string& key,
                                            const std::u16string& name) {
    DWORD size = 0;
    auto wideKey = ToWide(key);
    auto wideName = ToWide(name);
    const wchar_t* valueName = name.empty() ? nullptr : wideName.c_str();
    if (RegGetValueW(root, wideKey.c_str(), valueName, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, wideKey.c_str(), valueName, RRF_RT_REG_SZ, nullptr, value.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return FromWide(value);
}

void RegDeleteKeyTree(HKEY root, const std::u16string& key) {
    LSTATUS status = RegDeleteTreeW(root, ToWide(key).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        Check(status);
    status = RegDeleteKeyW(root, ToWide(key).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        Check(status);
}

std::u16string GuidToString(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return FromWide(text);
}

} // namespace tessorin
