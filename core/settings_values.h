#pragma once
// Numbers and flags kept as text in the settings store.
#include <optional>
#include <string>

#include "core/settings_store.h"

namespace tessorin {

// A stored decimal integer; nothing when missing or not a number.
std::optional<long long> ReadNumber(const TSettingsStore& store, const std::u16string& key,
                                    const std::u16string& name);
void WriteNumber(TSettingsStore& store, const std::u16string& key, const std::u16string& name,
                 long long value);

} // namespace tessorin
