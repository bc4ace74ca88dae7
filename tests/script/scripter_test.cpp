#include "script/scripter.h"

#include <gtest/gtest.h>

#include <thread>

#include "core/exception.h"
#include "host_object.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

using testing::THostObject;
using TLines = std::vector<std::u16string>;

struct TReport {
    std::u16string Description;
    int Line;
    int Char;
};

class TVariant {
public:
    TVariant() { VariantInit(&Value); }
    ~TVariant() { VariantClear(&Value); }
    VARIANT Value;
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

    void RunAll(const TLines& lines) {
        Scripter->SetScript(lines);
        TVariant result;
        Scripter->Run(result.Value);
        EXPECT_EQ(result.Value.vt, VT_EMPTY);
    }
    void Call(const std::u16string& name) {
        TVariant result;
        Scripter->RunRoutine(name, result.Value);
    }

    THostObject Host;
    std::unique_ptr<TDCScripter> Scripter;
    std::vector<TReport> Errors;
};

const TLines kCounterScript = {
    u"counter = 41",       u"HostStart counter", u"Sub Bump", u"  counter = counter + 1",
    u"  HostSeen counter", u"End Sub",
};

TEST_F(ScripterTest, TopLevelCodeReachesTheHostByNameAndBareName) {
    RunAll({u"inp.HostLoad \"a.nc\"", u"HostLoad \"b.nc\""});
    EXPECT_TRUE(Errors.empty());
    EXPECT_EQ(Host.Calls, (TLines{u"HostLoad(a.nc)", u"HostLoad(b.nc)"}));
}

TEST_F(ScripterTest, RoutinesRunInTheSameEngineUntilTheTextIsSetAgain) {
    RunAll(kCounterScript);
    Call(u"Bump");
    Call(u"Bump");
    EXPECT_EQ(Host.Calls, (TLines{u"HostStart(41)", u"HostSeen(42)", u"HostSeen(43)"}));

    // Setting equal text still rebuilds: the top-level code runs again first.
    Host.Calls.clear();
    Scripter->SetScript(kCounterScript);
    Call(u"Bump");
    EXPECT_EQ(Host.Calls, (TLines{u"HostStart(41)", u"HostSeen(42)"}));
    EXPECT_TRUE(Errors.empty());
}

TEST_F(ScripterTest, AnUnknownRoutineDoesNothingAndReportsNothing) {
    RunAll(kCounterScript);
    Host.Calls.clear();
    TVariant result;
    Scripter->RunRoutine(u"User2", result.Value);
    EXPECT_EQ(result.Value.vt, VT_EMPTY);
    EXPECT_TRUE(Host.Calls.empty());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(ScripterTest, ARoutineCallWithoutABuildBuildsFromTheCurrentText) {
    Scripter->SetScript(kCounterScript);
    Call(u"Bump");
    EXPECT_EQ(Host.Calls, (TLines{u"HostStart(41)", u"HostSeen(42)"}));
}

TEST_F(ScripterTest, ArgumentsArriveInDispatchOrderAndResultsComeBack) {
    RunAll({u"Function R(x, y, z)", u"  HostArgs x, y, z", u"  R = x * 100 + y * 10 + z",
            u"End Function"});
    std::vector<VARIANT> args(3);
    for (int i = 0; i < 3; ++i) {
        VariantInit(&args[i]);
        args[i].vt = VT_I4;
        args[i].lVal = 3 - i; // [3, 2, 1] calls R(1, 2, 3)
    }
    TVariant result;
    Scripter->RunRoutineArgs(u"R", args, result.Value);
    EXPECT_EQ(Host.Calls, (TLines{u"HostArgs(1, 2, 3)"}));
    ASSERT_EQ(result.Value.vt, VT_I4);
    EXPECT_EQ(result.Value.lVal, 123);
}

TEST_F(ScripterTest, ARuntimeErrorInTopLevelCodeIsReportedOneBasedAndAborts) {
    RunAll({u"x = 1", u"  y = 1 / 0", u"HostNotReached"});
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Line, 2);
    EXPECT_EQ(Errors[0].Char, 3);
    // The engine gave no text for this error; the user still reads one.
    EXPECT_FALSE(Errors[0].Description.empty());
    EXPECT_TRUE(Scripter->Aborted());
    EXPECT_TRUE(Host.Calls.empty());
}

TEST_F(ScripterTest, ARuntimeErrorInARoutineKeepsTheEngineAndEveryErrorIsReported) {
    RunAll({u"counter = 1", u"Sub Fail", u"  counter = counter + 1", u"  Err.Raise 5", u"End Sub",
            u"Sub Show", u"  HostCounter counter", u"End Sub"});
    Call(u"Fail");
    EXPECT_TRUE(Scripter->Aborted());
    Call(u"Show");
    EXPECT_FALSE(Scripter->Aborted());
    EXPECT_EQ(Host.Calls, (TLines{u"HostCounter(2)"}));
    Call(u"Fail");
    ASSERT_EQ(Errors.size(), 2u);
    EXPECT_EQ(Errors[1].Line, 4);
}

TEST_F(ScripterTest, CheckSyntaxReportsThePositionWithoutOnError) {
    Scripter->SetScript({u"a=) 1"});
    int line = 0, character = 0;
    EXPECT_FALSE(Scripter->CheckSyntax(line, character));
    EXPECT_EQ(line, 1);
    EXPECT_EQ(character, 3);
    EXPECT_FALSE(Scripter->SyntaxErrorText().empty());
    EXPECT_TRUE(Errors.empty());
    EXPECT_FALSE(Scripter->HasEngine());
}

TEST_F(ScripterTest, CheckSyntaxOfGoodTextRunsItsTopLevelCodeInAThrowAwayEngine) {
    Scripter->SetScript({u"HostChecked", u"Sub Never", u"  HostNever", u"End Sub"});
    int line = 0, character = 0;
    EXPECT_TRUE(Scripter->CheckSyntax(line, character));
    EXPECT_EQ(line, 1);
    EXPECT_EQ(character, 1);
    EXPECT_EQ(Host.Calls, (TLines{u"HostChecked()"}));
    EXPECT_FALSE(Scripter->HasEngine());
}

TEST_F(ScripterTest, EndlessRecursionIsReportedAndTheScripterCarriesOn) {
    const TLines recursion = {u"Function R(n)", u"  R = R(n + 1)", u"End Function", u"x = R(1)",
                              u"HostAfter"};
    // Twice: the second overflow happens on the stack made after the first.
    for (size_t overflows = 1; overflows <= 2; ++overflows) {
        RunAll(recursion);
        ASSERT_EQ(Errors.size(), overflows);
        EXPECT_EQ(Errors.back().Description, u"Out of stack space");
    }
    EXPECT_TRUE(Host.Calls.empty());
    RunAll({u"HostAgain"});
    EXPECT_EQ(Host.Calls, (TLines{u"HostAgain()"}));
}

TEST_F(ScripterTest, ARebuildFromInsideARunningRoutineLeavesItsEngineAlive) {
    RunAll({u"counter = 1", u"Sub Outer", u"  HostReenter", u"  counter = counter + 1",
            u"  HostOuter counter", u"End Sub"});
    Host.OnReenter = [this] {
        Host.OnReenter = nullptr;
        RunAll({u"HostRebuilt"});
    };
    Call(u"Outer");
    EXPECT_EQ(Host.Calls, (TLines{u"HostReenter()", u"HostRebuilt()", u"HostOuter(2)"}));
    EXPECT_TRUE(Errors.empty());
}

TEST_F(ScripterTest, TheFirstObjectOfANameWinsAndNamesIgnoreCase) {
    THostObject second;
    Scripter->AddObject(u"INP", true, &second);
    RunAll({u"INP.HostWho"});
    EXPECT_EQ(Host.Calls, (TLines{u"HostWho()"}));
    EXPECT_TRUE(second.Calls.empty());
}

TEST_F(ScripterTest, MissingLanguageAndRunnerAreClearErrors) {
    Scripter->SetLanguage(u"");
    Scripter->SetScript({u"x = 1"});
    TVariant result;
    try {
        Scripter->Run(result.Value);
        FAIL() << "no error";
    } catch (const TException& error) {
        EXPECT_EQ(error.Message(), u"Scripting Language is not specified");
    }

    // Reported to OnError without a position; not handled there, so raised.
    Scripter->SetLanguage(u"VB Script");
    Scripter->SetScript({u"x = 1"});
    EXPECT_THROW(Scripter->Run(result.Value), TException);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Description, u"No Script Runner registered for VB Script language");
    EXPECT_EQ(Errors[0].Line, -1);
}

TEST_F(ScripterTest, UserVariablesGetIdsFromTheHookAndPassThrough) {
    std::u16string written;
    Scripter->OnGetUserVarID = [](const std::u16string& name, int& id) {
        if (name == u"speed" || name == u"feed")
            id = name == u"speed" ? 7 : 8;
    };
    Scripter->OnGetUserVar = [](const std::u16string&, int id, VARIANT& value) {
        value.vt = VT_I4;
        value.lVal = id * 10;
    };
    EXPECT_EQ(Scripter->UserVarDispID(u"speed"), -2);
    EXPECT_EQ(Scripter->UserVarDispID(u"feed"), -3);
    EXPECT_EQ(Scripter->UserVarDispID(u"SPEED"), -2);
    EXPECT_EQ(Scripter->UserVarDispID(u"other"), DISPID_UNKNOWN);

    TVariant value;
    EXPECT_EQ(Scripter->GetUserVar(-3, value.Value), S_OK);
    EXPECT_EQ(value.Value.lVal, 80);
    EXPECT_EQ(Scripter->SetUserVar(-2, value.Value), DISP_E_MEMBERNOTFOUND);
    Scripter->OnSetUserVar = [&](const std::u16string& name, int, const VARIANT&) {
        written = name;
    };
    EXPECT_EQ(Scripter->SetUserVar(-2, value.Value), S_OK);
    EXPECT_EQ(written, u"speed");

    Scripter->Reset();
    EXPECT_EQ(Scripter->GetUserVar(-2, value.Value), DISP_E_MEMBERNOTFOUND);
}

// Without OnError the scripter asks the user in its own box.
TEST_F(ScripterTest, WithoutOnErrorTheErrorBoxAsksWhetherToContinue) {
    Scripter->OnError = nullptr;
    std::wstring boxText;
    DWORD thread = GetCurrentThreadId();
    std::thread answer([&] {
        for (int i = 0; i < 600 && boxText.empty(); ++i) {
            Sleep(50);
            EnumThreadWindows(
                thread,
                [](HWND window, LPARAM data) -> BOOL {
                    wchar_t className[32] = {};
                    GetClassNameW(window, className, 32);
                    if (std::wstring(className) != L"#32770")
                        return TRUE;
                    EnumChildWindows(
                        window,
                        [](HWND child, LPARAM data) -> BOOL {
                            wchar_t buffer[1024] = {};
                            GetWindowTextW(child, buffer, 1024);
                            *reinterpret_cast<std::wstring*>(data) += buffer;
                            return TRUE;
                        },
                        data);
                    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&boxText));
        }
    });
    RunAll({u"x = 1", u"Err.Raise 5", u"HostNotReached"});
    answer.join();
    EXPECT_NE(boxText.find(L" at Line:2, Char:1. "), std::wstring::npos) << boxText;
    EXPECT_NE(boxText.find(L"Continue execution?"), std::wstring::npos) << boxText;
    EXPECT_TRUE(Scripter->Aborted());
    EXPECT_TRUE(Host.Calls.empty());
}

} // namespace
} // namespace tessorin
