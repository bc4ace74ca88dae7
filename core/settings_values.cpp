#include "core/settings_values.h"

namespace tessorin {

std::optional<long long> ReadNumber(const TSettingsStore& store, const std::u16string& key,
                                    const std::u16string& name) {
    const std::optional<std::u16string> text = store.ReadString(key, name);
    if (!text || text->empty() || text->size() > 18)
        return std::nullopt;
    const bool negative = (*text)[0] == u'-';
    if (negative && text->size() == 1)
        return std::nullopt;
    long long value = 0;
    for (size_t i = negative ? 1 : 0; i < text->size(); ++i) {
        const char16_t c = (*text)[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

void WriteNumber(TSettingsStore& store, const std::u16string& key, const std::u16string& name,
                 long long value) {
    const std::string digits = std::to_string(value);
    store.WriteString(key, name, std::u16string(digits.begin(), digits.end()));
}

} // namespace tessorin
