#pragma once
// The process-wide memo options. Every memo source registers here; those
// with UseGlobalOptions follow each change.
#include <string>
#include <vector>

#include "core/settings_store.h"
#include "text/memo_types.h"

namespace tessorin {

class TCustomMemoSource;

class TMemoSourceOptions {
public:
    static TMemoSourceOptions& Instance();
    static constexpr const char16_t* StoreKey = u"CodeEdit\\MemoSource\\";

    bool KeepTrailingBlanks() const { return FKeepTrailingBlanks; }
    void SetKeepTrailingBlanks(bool value);
    TStringsOptions Options() const { return FOptions; }
    void SetOptions(TStringsOptions value);
    const std::u16string& TabStops() const { return FTabStops; }
    void SetTabStops(const std::u16string& value);
    const std::u16string& Delimeters() const { return FDelimeters; }
    void SetDelimeters(const std::u16string& value);
    int BlockIndent() const { return FBlockIndent; }
    void SetBlockIndent(int value);

    // Missing or unreadable values keep their current setting.
    void Load(const TSettingsStore& store);
    void Save(TSettingsStore& store) const;
    void ResetDefaults();

    void Register(TCustomMemoSource* source);
    void Unregister(TCustomMemoSource* source);
    // Copies the options into one source.
    void ApplyTo(TCustomMemoSource& source) const;

private:
    TMemoSourceOptions() = default;
    void Changed();

    bool FKeepTrailingBlanks = false;
    TStringsOptions FOptions = DefaultStringsOptions;
    std::u16string FTabStops = u"9,17";
    std::u16string FDelimeters = u"/{}+-*():=,;><$.#[]^@&~|%'";
    int FBlockIndent = 1;
    bool FLoading = false;
    std::vector<TCustomMemoSource*> FSources;
};

} // namespace tessorin
