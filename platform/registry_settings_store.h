#pragma once
// The per-user settings store: values under HKEY_CURRENT_USER below the
// program's base key.
#include "core/settings_store.h"

namespace tessorin {

class TRegistrySettingsStore final : public TSettingsStore {
public:
    static constexpr const char16_t* BaseKey = u"Software\\Tessorin\\";
    explicit TRegistrySettingsStore(std::u16string baseKey = BaseKey)
        : FBaseKey(std::move(baseKey)) {}
    std::optional<std::u16string> ReadString(const std::u16string& key,
                                             const std::u16string& name) const override;
    // Failures raise EOleSysError.
    void WriteString(const std::u16string& key, const std::u16string& name,
                     const std::u16string& value) override;

private:
    std::u16string FBaseKey;
};

} // namespace tessorin
