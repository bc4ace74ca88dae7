#include "text/global_options.h"

#include <algorithm>

#include "core/exception.h"
#include "core/settings_values.h"
#include "text/memo_source.h"
#include "text/tab_rack.h"

namespace tessorin {

TMemoSourceOptions& TMemoSourceOptions::Instance() {
    static TMemoSourceOptions options;
    return options;
}

void TMemoSourceOptions::SetKeepTrailingBlanks(bool value) {
    if (value == FKeepTrailingBlanks)
        return;
    FKeepTrailingBlanks = value;
    Changed();
}

void TMemoSourceOptions::SetOptions(TStringsOptions value) {
    if (value == FOptions)
        return;
    FOptions = value;
    Changed();
}

void TMemoSourceOptions::SetTabStops(const std::u16string& value) {
    if (value == FTabStops)
        return;
    TTabRack().Assign(value); // rejects an invalid rack before storing it
    FTabStops = value;
    Changed();
}

void TMemoSourceOptions::SetDelimeters(const std::u16string& value) {
    if (value == FDelimeters)
        return;
    FDelimeters = value;
    Changed();
}

void TMemoSourceOptions::SetBlockIndent(int value) {
    value = std::max(value, 0);
    if (value == FBlockIndent)
        return;
    FBlockIndent = value;
    Changed();
}

void TMemoSourceOptions::Load(const TSettingsStore& store) {
    FLoading = true;
    const std::u16string key = StoreKey;
    if (auto v = ReadNumber(store, key, u"KeepTrailingBlanks"))
        FKeepTrailingBlanks = *v != 0;
    if (auto v = ReadNumber(store, key, u"Options"))
        FOptions = TStringsOptions::FromBits(static_cast<std::uint32_t>(*v));
    if (auto v = store.ReadString(key, u"TabStops")) {
        try {
            SetTabStops(*v);
        } catch (const TException&) {
            // A damaged stored rack leaves the current one.
        }
    }
    if (auto v = store.ReadString(key, u"Delimeters"))
        FDelimeters = *v;
    if (auto v = ReadNumber(store, key, u"BlockIndent"))
        FBlockIndent = static_cast<int>(std::max(*v, 0LL));
    FLoading = false;
    Changed();
}

void TMemoSourceOptions::Save(TSettingsStore& store) const {
    const std::u16string key = StoreKey;
    store.WriteString(key, u"KeepTrailingBlanks", FKeepTrailingBlanks ? u"1" : u"0");
    WriteNumber(store, key, u"Options", FOptions.Bits());
    store.WriteString(key, u"TabStops", FTabStops);
    store.WriteString(key, u"Delimeters", FDelimeters);
    WriteNumber(store, key, u"BlockIndent", FBlockIndent);
}

void TMemoSourceOptions::ResetDefaults() {
    auto sources = std::move(FSources);
    *this = TMemoSourceOptions();
    FSources = std::move(sources);
    Changed();
}

void TMemoSourceOptions::Register(TCustomMemoSource* source) {
    FSources.push_back(source);
}

void TMemoSourceOptions::Unregister(TCustomMemoSource* source) {
    FSources.erase(std::remove(FSources.begin(), FSources.end(), source), FSources.end());
}

void TMemoSourceOptions::ApplyTo(TCustomMemoSource& source) const {
    source.SetOptions(FOptions);
    source.SetTabStops(FTabStops);
    source.SetDelimeters(FDelimeters);
    source.SetBlockIndent(FBlockIndent);
    source.SetKeepTrailingBlanks(FKeepTrailingBlanks);
}

void TMemoSourceOptions::Changed() {
    if (FLoading)
        return;
    for (auto* source : FSources)
        if (source->UseGlobalOptions())
            ApplyTo(*source);
}

} // namespace tessorin
