#include "platform/registry_settings_store.h"

#include "platform/registry.h"

namespace tessorin {

std::optional<std::u16string> TRegistrySettingsStore::ReadString(const std::u16string& key,
                                                                 const std::u16string& name) const {
    return RegReadString(HKEY_CURRENT_USER, FBaseKey + key, name);
}

void TRegistrySettingsStore::WriteString(const std::u16string& key, const std::u16string& name,
                                         const std::u16string& value) {
    RegWriteString(HKEY_CURRENT_USER, FBaseKey + key, name, value);
}

} // namespace tessorin
