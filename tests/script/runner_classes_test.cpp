#include "script/runner_classes.h"

#include <gtest/gtest.h>

namespace tessorin {
namespace {

struct TLookupCase {
    const char16_t* Key;
    const char16_t* ExpectedClass; // null: no runner
};

void ExpectRunner(const TRunnerClass* found, const TLookupCase& c) {
    std::u16string key(c.Key);
    SCOPED_TRACE(std::string(key.begin(), key.end()));
    if (!c.ExpectedClass) {
        EXPECT_EQ(found, nullptr);
        return;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->ClassName(), c.ExpectedClass);
}

TEST(RunnerClasses, FindsRunnerByLanguageIgnoringCase) {
    const TLookupCase cases[] = {
        {u"VBScript", u"TVbScriptRunner"},
        {u"vbscript", u"TVbScriptRunner"},
        {u"VBSCRIPT", u"TVbScriptRunner"},
        {u"VBScriptEncode", u"TVbScriptEncodeRunner"},
        {u"javascript", u"TJavaScriptRunner"},
        {u"JavaScriptEncode", u"TJavaScriptEncodeRunner"},
        {u"PythonScript", u"TPythonScriptRunner"},
        {u"perlscript", u"TPerlScriptRunner"},
        {u"EnableScript", u"TEnableScriptRunner"},
        {u"VB Script", nullptr},
        {u"VB", nullptr},
        {u"", nullptr},
    };
    for (auto& c : cases)
        ExpectRunner(FindRunnerByLanguage(c.Key), c);
}

TEST(RunnerClasses, FindsRunnerByFileExtensionWithoutItsDot) {
    const TLookupCase cases[] = {
        {u"C:\\scripts\\demo.vbs", u"TVbScriptRunner"},
        {u"MACRO.VBE", u"TVbScriptEncodeRunner"},
        {u"tool.v1.pl", u"TPerlScriptRunner"},
        {u"a.js", u"TJavaScriptRunner"},
        {u"legacy.BAS", u"TEnableScriptRunner"},
        {u"C:\\dir.vbs\\noextension", nullptr},
        {u"notes.txt", nullptr},
        {u"", nullptr},
    };
    for (auto& c : cases)
        ExpectRunner(FindRunnerByFileName(c.Key), c);
}

TEST(RunnerClasses, RunnersDescendFromTheScriptRunnerAndKeepTheirOrder) {
    RegisterScriptRunners();
    RegisterScriptRunners(); // a second start-up registers nothing twice
    std::vector<std::u16string> names;
    for (auto* item : TObjectParamList::Global().FindAllClassParams(
             &ScriptRunnerClass(), {}, TClassRelation::crDescendant, cfIgnoreCase))
        names.push_back(item->ClassRef->ClassName());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"TVbScriptRunner", u"TVbScriptEncodeRunner",
                                                  u"TJavaScriptRunner", u"TJavaScriptEncodeRunner",
                                                  u"TPythonScriptRunner", u"TPerlScriptRunner",
                                                  u"TEnableScriptRunner"}));
    EXPECT_TRUE(VbScriptRunnerClass().InheritsFrom(&AxScriptRunnerClass()));
    EXPECT_EQ(VbScriptRunnerClass().HexPrefix, u"&H");
}

} // namespace
} // namespace tessorin
