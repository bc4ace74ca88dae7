#include <gtest/gtest.h>

#include "automation/notify_text.h"
#include "automation/script_file_name.h"
#include "automation/server_switches.h"

namespace tessorin {
namespace {

TEST(ScriptFileNameTest, ExtensionAndFolderFollowTheNamesOwnDotAndColon) {
    struct TCase {
        std::u16string Name;
        std::u16string Expected;
        bool AsksFolder;
    };
    const TCase cases[] = {
        {u"demo", u"K:\\scripts\\demo.vbs", true},
        {u"C:\\s\\demo", u"C:\\s\\demo.vbs", false},
        {u"C:\\s.d\\demo", u"C:\\s.d\\demo", false},
        {u"\\\\server\\share\\demo", u"K:\\scripts\\\\\\server\\share\\demo.vbs", true},
        {u"job.txt", u"K:\\scripts\\job.txt", true},
    };
    for (auto& test : cases) {
        bool asked = false;
        auto name = ScriptFileName(test.Name, [&] {
            asked = true;
            return std::u16string(u"K:\\scripts");
        });
        EXPECT_EQ(name, test.Expected);
        EXPECT_EQ(asked, test.AsksFolder);
    }
}

TEST(NotifyTextTest, EveryCallChangesTheTextExceptAnEmptyValueOnZero) {
    // Each step: the text before, the value, the text after.
    struct TCase {
        std::u16string Current;
        std::u16string Value;
        std::u16string Expected;
    };
    const TCase cases[] = {
        {u"", u"5", u"5"},    {u"5", u"5", u"5 "}, {u"5 ", u"5", u"5"}, {u"5", u"5", u"5 "},
        {u"7 ", u"7 ", u"7"}, {u"abc", u"", u"0"}, {u"0", u"", u"0"},   {u"Ab", u"ab", u"ab"},
    };
    for (auto& test : cases)
        EXPECT_EQ(NotifyText(test.Current, test.Value), test.Expected);
}

TEST(ServerSwitchesTest, ADashOrSlashAndTheWordInAnyCaseAnywhere) {
    using enum TServerStart;
    struct TCase {
        std::vector<std::u16string> Parameters;
        TServerStart Expected;
    };
    const TCase cases[] = {
        {{}, ssNormal},
        {{u"demo.vbs"}, ssNormal},
        {{u"-Embedding"}, ssAutomation},
        {{u"demo.vbs", u"/automation"}, ssAutomation},
        {{u"/REGSERVER"}, ssRegister},
        {{u"x", u"-unRegServer"}, ssUnregister},
        {{u"Embedding"}, ssNormal},
        {{u"-Embeddings"}, ssNormal},
        {{u"-"}, ssNormal},
    };
    for (auto& test : cases)
        EXPECT_EQ(ServerStartOf(test.Parameters), test.Expected);
}

} // namespace
} // namespace tessorin
