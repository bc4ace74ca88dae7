// Settings kept in the real registry under the program's base key.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/registry_settings_store.h"
#include "text/search_options.h"

namespace tessorin {
namespace {

constexpr const char16_t* kBase = u"Software\\Tessorin Tests\\";

class RegistrySettingsStore : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyTree(HKEY_CURRENT_USER, kBase); }
    void TearDown() override { RegDeleteKeyTree(HKEY_CURRENT_USER, kBase); }
    TRegistrySettingsStore store{kBase};
};

TEST_F(RegistrySettingsStore, ValuesLiveUnderTheBaseKeyAndComeBack) {
    EXPECT_EQ(store.ReadString(u"SearchOptions\\", u"TextToFind"), std::nullopt);
    store.WriteString(u"SearchOptions\\", u"TextToFind", u"inp.LOADNC");
    EXPECT_EQ(store.ReadString(u"SearchOptions\\", u"TextToFind"), u"inp.LOADNC");
    EXPECT_EQ(
        RegReadString(HKEY_CURRENT_USER, std::u16string(kBase) + u"SearchOptions\\", u"TextToFind"),
        u"inp.LOADNC");
}

TEST_F(RegistrySettingsStore, SearchOptionsSurviveAStoreRoundTrip) {
    TSearchOptions saved;
    saved.TextToFind = u"LOADNC";
    saved.ReplaceWith = u"MOVE";
    saved.CaseSensitive = !saved.CaseSensitive;
    saved.Direction = sdBackward;
    saved.Save(store);

    TSearchOptions loaded;
    loaded.Load(TRegistrySettingsStore(kBase));
    EXPECT_EQ(loaded.TextToFind, u"LOADNC");
    EXPECT_EQ(loaded.ReplaceWith, u"MOVE");
    EXPECT_EQ(loaded.CaseSensitive, saved.CaseSensitive);
    EXPECT_EQ(loaded.Direction, sdBackward);
}

} // namespace
} // namespace tessorin
