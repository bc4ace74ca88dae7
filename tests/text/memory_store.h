#pragma once
// An in-memory settings store for tests.
#include <map>
#include <optional>
#include <string>

#include "core/settings_store.h"

namespace tessorin::testing {

class TMemoryStore : public TSettingsStore {
public:
    std::map<std::u16string, std::u16string> Values;
    std::optional<std::u16string> ReadString(const std::u16string& key,
                                             const std::u16string& name) const override {
        auto it = Values.find(key + name);
        return it == Values.end() ? std::nullopt : std::optional(it->second);
    }
    void WriteString(const std::u16string& key, const std::u16string& name,
                     const std::u16string& value) override {
        Values[key + name] = value;
    }
};

} // namespace tessorin::testing
