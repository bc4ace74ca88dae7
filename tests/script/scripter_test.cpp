#include "script/scripter.h"

#include <gtest/gtest.h>

#include "host_object.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

struct TReport {
    std::u16string Description;
    int Line;
    int Char;
};

class ScripterTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Scripter = std::make_unique<TDCScripter>();
        Scripter->SetLanguage(u"VBScript");
        Scripter->AddObject(u"inp", true, &Host);
        Scripter->OnError = [this](TDCScripter*, const EXCEPINFO& info, int charNo, int lineNo,
                                   bool&) {
            Errors.push_back({FromBstr(info.bstrDescription), lineNo, charNo});
        };
    }
    void TearDown() override {
        Scripter.reset();
        CoUninitialize();
    }

    void RunAll(std::vector<std::u16string> lines) {
        Scripter->SetScript(lines);
        VARIANT result;
        VariantInit(&result);
        Scripter->Run(result);
        VariantClear(&result);
    }

    testing::THostObject Host;
    std::unique_ptr<TDCScripter> Scripter;
    std::vector<TReport> Errors;
};

TEST_F(ScripterTest, TopLevelCodeReachesTheHostByNameAndBareName) {
    RunAll({u"inp.HostLoad \"a.nc\"", u"HostLoad \"b.nc\""});
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Host.Calls, (std::vector<std::u16string>{u"HostLoad(a.nc)", u"HostLoad(b.nc)"}));
}

} // namespace
} // namespace tessorin
