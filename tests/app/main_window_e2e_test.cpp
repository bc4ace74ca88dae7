// The tool as a user meets it: started with a script, driven through its
// menus, tool buttons and message boxes, with the Karvel simulator as host.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "desktop_driver.h"
#include "platform/registry.h"

namespace tessorin::testing {
namespace {

const wchar_t* const kCaption = L"Karvel VB-Script";
constexpr DWORD kStartTime = 30000;
constexpr int kStayOnTopButton = 6;
constexpr int kUser1Button = 7;
constexpr int kUser2Button = 8;
constexpr int kUser3Button = 9;

const char* const kDemo = "inp.LOADNC \"a.nc\"\r\n"
                          "LOADNC \"b.nc\"\r\n"
                          "counter = 41\r\n"
                          "Sub User1\r\n"
                          "  counter = counter + 1\r\n"
                          "  MESSAGE \"User1 sees \" & counter\r\n"
                          "End Sub\r\n"
                          "Sub User3\r\n"
                          "  MESSAGE \"User3\"\r\n"
                          "  x = 1 / 0\r\n"
                          "End Sub\r\n";

class MainWindowTest : public ::testing::Test {
protected:
    void RegisterSimulator() {
        RunToEnd(L"\"" + BinFolder() + L"\\karvelsim.exe\" /regserver /log \"" + LogPath() +
                 L"\" /scripts \"" + Folder.Path() + L"\"");
    }
    void UnregisterSimulator() {
        RunToEnd(L"\"" + BinFolder() + L"\\karvelsim.exe\" /unregserver");
    }
    std::wstring LogPath() const { return Folder.Path() + L"\\karvel.log"; }
    std::string Log() const { return ReadFileBytes(LogPath()); }

    std::unique_ptr<TProcess> Start(const std::wstring& argument) {
        return std::make_unique<TProcess>(L"\"" + BinFolder() + L"\\tessorin.exe\" \"" + argument +
                                          L"\"");
    }
    HWND MainWindow(TProcess& tool) {
        HWND window = WaitForWindow(tool.Id(), kCaption, kStartTime);
        tool.WaitForIdle(kStartTime);
        return window;
    }
    std::wstring EditorText(HWND window) {
        return WindowText(FindWindowExW(window, nullptr, L"EDIT", nullptr));
    }
    static bool OnTop(HWND window) {
        return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    static bool NotOnTop(HWND window) { return !OnTop(window); }
    // Expects the application's error box with this text; answers it.
    void AnswerErrorBox(const TProcess& tool, const std::wstring& text, int button = IDOK) {
        HWND box = WaitForDialog(tool.Id(), kStartTime);
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(WindowText(box), L"tessorin");
        auto shown = DialogText(box);
        EXPECT_NE(shown.find(text), std::wstring::npos) << std::string(shown.begin(), shown.end());
        PressButton(box, button);
    }
    void Exit(TProcess& tool) {
        TypeKeys(kCaption, "alt+f x");
        EXPECT_TRUE(tool.WaitForExit(kStartTime));
    }

    TTempFolder Folder;
};

TEST_F(MainWindowTest, RunsTheScriptAndItsUserRoutinesAgainstKarvel) {
    RegisterSimulator();
    auto tool = Start(Folder.Write(L"demo.vbs", kDemo));
    HWND window = MainWindow(*tool);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(OnTop(window));

    TypeKeys(kCaption, "alt+r r");
    ASSERT_TRUE(WaitForText(LogPath(), "LOADNC \"b.nc\"", kStartTime)) << Log();
    EXPECT_NE(Log().find("LOADNC \"a.nc\"\r\nLOADNC \"b.nc\""), std::string::npos) << Log();

    // User1 runs in the engine of that run: it sees the global it set.
    ClickToolButton(window, kUser1Button);
    EXPECT_TRUE(WaitForText(LogPath(), "MESSAGE \"User1 sees 42\"", kStartTime)) << Log();

    // A routine the script lacks: nothing happens, nothing is shown.
    auto before = Log();
    ClickToolButton(window, kUser2Button);
    EXPECT_EQ(WaitForDialog(tool->Id(), 1500), nullptr);
    EXPECT_EQ(Log(), before);

    // A run-time error reaches the scripter's box with its one-based position.
    ClickToolButton(window, kUser3Button);
    AnswerErrorBox(*tool, L" at Line:10, Char:3. ", IDCANCEL);
    Sleep(1000);
    EXPECT_EQ(WaitForDialog(tool->Id(), 0), nullptr);
    EXPECT_TRUE(IsWindowEnabled(window));

    // Run All again builds a new engine: the top-level code runs once more.
    TypeKeys(kCaption, "alt+r r");
    EXPECT_TRUE(WaitForText(LogPath(), "MESSAGE \"User3\"\r\nLOADNC \"a.nc\"\r\nLOADNC \"b.nc\"",
                            kStartTime))
        << Log();
    Exit(*tool);
    auto log = Log();
    EXPECT_EQ(log.rfind("ScriptClosed"), log.size() - std::string("ScriptClosed\r\n").size())
        << log;
}

TEST_F(MainWindowTest, StayOnTopTogglesStyleAndGlyph) {
    RegisterSimulator();
    auto tool = Start(Folder.Write(L"empty.vbs", ""));
    HWND window = MainWindow(*tool);
    ASSERT_NE(window, nullptr);
    HWND bar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    auto glyph = [bar] { return SendMessageW(bar, TB_GETBITMAP, 1201, 0); };
    auto pressed = [bar] { return SendMessageW(bar, TB_ISBUTTONCHECKED, 1201, 0) != 0; };
    auto onTopGlyph = glyph();
    EXPECT_TRUE(OnTop(window));
    EXPECT_TRUE(pressed());

    // A first key makes the window the active one, as any user's first touch
    // would; Wine takes the first click on an inactive window to activate it.
    TypeKeys(kCaption, "End");
    EXPECT_TRUE(ClickToolButtonUntil(window, kStayOnTopButton, NotOnTop, window));
    EXPECT_FALSE(pressed());
    EXPECT_NE(glyph(), onTopGlyph);

    Sleep(1000); // two clicks, not a double click
    // Wine 8 never makes a window topmost again while it owns a topmost
    // pop-up, here the tool bar's tooltip (a bare Win32 program shows the
    // same), so the window's style is not checked a second time.
    EXPECT_TRUE(ClickToolButtonUntil(
        window, kStayOnTopButton,
        [](HWND bar) { return SendMessageW(bar, TB_ISBUTTONCHECKED, 1201, 0) != 0; }, bar));
    EXPECT_EQ(glyph(), onTopGlyph);
    Exit(*tool);
}

TEST_F(MainWindowTest, AFirstParameterHoldingEmbedLoadsNothing) {
    RegisterSimulator();
    auto tool = Start(Folder.Write(L"x_embed_y.vbs", "MESSAGE \"loaded\"\r\n"));
    HWND window = MainWindow(*tool);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(EditorText(window), L"");
    EXPECT_TRUE(OnTop(window));
    Exit(*tool);
}

TEST_F(MainWindowTest, SearchOptionsAreKeptInTheRegistryBetweenRuns) {
    const std::u16string key = u"Software\\Tessorin\\SearchOptions\\";
    RegDeleteKeyTree(HKEY_CURRENT_USER, key);
    RegWriteString(HKEY_CURRENT_USER, key, u"TextToFind", u"LOADNC");
    RegisterSimulator();
    auto tool = Start(Folder.Write(L"empty.vbs", ""));
    ASSERT_NE(MainWindow(*tool), nullptr);
    Exit(*tool);
    // Saved back as loaded, with every other option beside it.
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, key, u"TextToFind"), u"LOADNC");
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, key, u"Direction"), u"0");
}

TEST_F(MainWindowTest, WithoutKarvelTheWindowStillOpensWithoutInp) {
    UnregisterSimulator();
    auto tool = Start(Folder.Write(L"demo.vbs", "inp.LOADNC \"a.nc\"\r\n"));
    AnswerErrorBox(*tool, L"Class not registered.");
    HWND window = MainWindow(*tool);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(OnTop(window));
    EXPECT_EQ(EditorText(window), L""); // set-up stopped before loading

    TypeKeys(kCaption, "ctrl+a");
    SendMessageW(FindWindowExW(window, nullptr, L"EDIT", nullptr), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"inp.LOADNC \"a.nc\""));
    TypeKeys(kCaption, "alt+r r");
    AnswerErrorBox(*tool, L" at Line:1, Char:1. ", IDCANCEL);
    Exit(*tool);
}

struct TBadInput {
    const wchar_t* Name;
    const char* Bytes; // null: the file does not exist
    size_t Size;
    const wchar_t* Message;
};

TEST_F(MainWindowTest, BadCommandLineFilesGiveAClearMessage) {
    RegisterSimulator();
    const TBadInput cases[] = {
        {L"missing.vbs", nullptr, 0, L"Cannot open file"},
        {L"binary.vbs", "MZ\x90\0\x03\0\0\0\x04\0", 10, L"it is not a text file"},
    };
    for (auto& bad : cases) {
        auto path = Folder.Path() + L"\\" + bad.Name;
        if (bad.Bytes)
            Folder.Write(bad.Name, std::string(bad.Bytes, bad.Size));
        auto tool = Start(path);
        AnswerErrorBox(*tool, bad.Message);
        HWND window = MainWindow(*tool);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(OnTop(window)); // set-up stopped at the file
        Exit(*tool);
    }
}

TEST_F(MainWindowTest, AnEmptyScriptAndAnEndlessRecursionRunWithoutHarm) {
    RegisterSimulator();
    auto tool = Start(Folder.Write(L"empty.vbs", ""));
    ASSERT_NE(MainWindow(*tool), nullptr);
    TypeKeys(kCaption, "alt+r r");
    EXPECT_EQ(WaitForDialog(tool->Id(), 1500), nullptr);
    Exit(*tool);

    tool =
        Start(Folder.Write(L"recursion.vbs", "Function R(n)\r\n  R = R(n + 1)\r\nEnd Function\r\n"
                                             "x = R(1)\r\n"));
    ASSERT_NE(MainWindow(*tool), nullptr);
    TypeKeys(kCaption, "alt+r r");
    AnswerErrorBox(*tool, L"Out of stack space", IDCANCEL);
    TypeKeys(kCaption, "alt+r r"); // the tool carries on
    AnswerErrorBox(*tool, L"Out of stack space", IDCANCEL);
    Exit(*tool);
}

} // namespace
} // namespace tessorin::testing
