#include "text/search_options.h"

#include "core/settings_values.h"

namespace tessorin {
namespace {

const std::u16string key = TSearchOptions::StoreKey;

void ReadFlag(const TSettingsStore& store, const char16_t* name, bool& value) {
    if (auto v = ReadNumber(store, key, name))
        value = *v != 0;
}

template <typename E>
void ReadChoice(const TSettingsStore& store, const char16_t* name, E& value, E last) {
    if (auto v = ReadNumber(store, key, name); v && *v >= 0 && *v <= last)
        value = static_cast<E>(*v);
}

void ReadText(const TSettingsStore& store, const char16_t* name, std::u16string& value) {
    if (auto v = store.ReadString(key, name))
        value = *v;
}

} // namespace

TSearchOptions& TSearchOptions::Global() {
    static TSearchOptions options;
    return options;
}

void TSearchOptions::Load(const TSettingsStore& store) {
    ReadFlag(store, u"CaseSensitive", CaseSensitive);
    ReadFlag(store, u"WholeWordsOnly", WholeWordsOnly);
    ReadFlag(store, u"RegularExpr", RegularExpr);
    ReadChoice(store, u"Direction", Direction, sdBackward);
    ReadChoice(store, u"Scope", Scope, ssSelectedText);
    ReadChoice(store, u"Origin", Origin, soEntireScope);
    ReadFlag(store, u"PromptOnReplace", PromptOnReplace);
    ReadText(store, u"TextToFind", TextToFind);
    ReadText(store, u"ReplaceWith", ReplaceWith);
    ReadFlag(store, u"FirstSearch", FirstSearch);
    ReadFlag(store, u"InReplace", InReplace);
    ReadFlag(store, u"ReplaceAll", ReplaceAll);
    ReadFlag(store, u"ShowNotFound", ShowNotFound);
    ReadChoice(store, u"Where", Where, swOther);
    ReadText(store, u"FileMask", FileMask);
    ReadFlag(store, u"IncludeSubDirs", IncludeSubDirs);
}

void TSearchOptions::Save(TSettingsStore& store) const {
    WriteNumber(store, key, u"CaseSensitive", CaseSensitive);
    WriteNumber(store, key, u"WholeWordsOnly", WholeWordsOnly);
    WriteNumber(store, key, u"RegularExpr", RegularExpr);
    WriteNumber(store, key, u"Direction", Direction);
    WriteNumber(store, key, u"Scope", Scope);
    WriteNumber(store, key, u"Origin", Origin);
    WriteNumber(store, key, u"PromptOnReplace", PromptOnReplace);
    store.WriteString(key, u"TextToFind", TextToFind);
    store.WriteString(key, u"ReplaceWith", ReplaceWith);
    WriteNumber(store, key, u"FirstSearch", FirstSearch);
    WriteNumber(store, key, u"InReplace", InReplace);
    WriteNumber(store, key, u"ReplaceAll", ReplaceAll);
    WriteNumber(store, key, u"ShowNotFound", ShowNotFound);
    WriteNumber(store, key, u"Where", Where);
    store.WriteString(key, u"FileMask", FileMask);
    WriteNumber(store, key, u"IncludeSubDirs", IncludeSubDirs);
}

} // namespace tessorin
