#pragma once
// Per-user settings for the portable core. The platform provides the real
// store (the registry on Windows); tests use an in-memory one.
#include <optional>
#include <string>

namespace tessorin {

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;
    // `key` is a path such as "CodeEdit\\MemoSource\\"; `name` a value in it.
    virtual std::optional<std::u16string> ReadString(const std::u16string& key,
                                                     const std::u16string& name) const = 0;
    virtual void WriteString(const std::u16string& key, const std::u16string& name,
                             const std::u16string& value) = 0;
};

} // namespace tessorin
