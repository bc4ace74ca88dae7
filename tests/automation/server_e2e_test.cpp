// The automation server as Karvel meets it: started by COM, called through
// the vtable of Itessorinx from this process and late-bound from cscript
// clients, with the Karvel simulator as the tool's own host.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "desktop_driver.h"
#include "platform/com_ptr.h"
#include "platform/registry.h"
#include "tessorin_h.h"

namespace tessorin::testing {
namespace {

constexpr DWORD kWait = 30000;
constexpr int kEdit1 = 2002;

const char* const kDemo = "inp.LOADNC \"a.nc\"\r\n"
                          "Function PlotEvent(line)\r\n"
                          "  PlotEvent = 42\r\n"
                          "End Function\r\n"
                          "Sub CadClickEvent(x, y, z)\r\n"
                          "  MOVE x, y, z\r\n"
                          "End Sub\r\n"
                          "Sub DisplayEvent\r\n"
                          "  MESSAGE \"display\"\r\n"
                          "End Sub\r\n";
const char* const kPlain = "MESSAGE \"plain\"\r\n";
const char* const kBroken = "Function PlotEvent(line)\r\n"
                            "  PlotEvent = 1 / 0\r\n"
                            "End Function\r\n";
const char* const kWaiting = "counter = 1\r\n"
                             "Function PlotEvent(line)\r\n"
                             "  MsgBox \"waiting\"\r\n"
                             "  counter = counter + 1\r\n"
                             "  PlotEvent = counter\r\n"
                             "End Function\r\n";

class TVar {
public:
    TVar() { VariantInit(&Value); }
    explicit TVar(const wchar_t* text) : TVar() {
        Value.vt = VT_BSTR;
        Value.bstrVal = SysAllocString(text);
    }
    explicit TVar(int number) : TVar() {
        Value.vt = VT_I4;
        Value.lVal = number;
    }
    ~TVar() { VariantClear(&Value); }
    std::wstring Text() const {
        return Value.vt == VT_BSTR ? std::wstring(Value.bstrVal, SysStringLen(Value.bstrVal))
                                   : L"<not a string>";
    }
    VARIANT Value;
};

// The description of the last call's rich error information, for failures.
std::string LastError() {
    TComPtr<IErrorInfo> info;
    BSTR description = nullptr;
    if (GetErrorInfo(0, info.Put()) != S_OK || FAILED(info->GetDescription(&description)))
        return "no error information";
    std::wstring text(description, SysStringLen(description));
    SysFreeString(description);
    return std::string(text.begin(), text.end());
}

class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Folder = new TTempFolder();
        for (auto [name, text] : {std::pair{L"demo.vbs", kDemo},
                                  {L"plain.vbs", kPlain},
                                  {L"broken.vbs", kBroken},
                                  {L"waiting.vbs", kWaiting}})
            Folder->Write(name, text);
        RunToEnd(L"\"" + BinFolder() + L"\\karvelsim.exe\" /regserver /log \"" + LogPath() +
                 L"\" /scripts \"" + Folder->Path() + L"\"");
        RunToEnd(Tool() + L" /regserver");
    }
    static void TearDownTestSuite() {
        delete Folder;
        Folder = nullptr;
    }
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        LogStart = ReadFileBytes(LogPath()).size();
    }
    void TearDown() override {
        CoUninitialize();
        // The next test must not reach a server that is still on its way out.
        for (DWORD waited = 0; waited < kWait && FindWindowW(L"TForm11", nullptr); waited += 100)
            Sleep(100);
    }

    static std::wstring Tool() { return L"\"" + BinFolder() + L"\\tessorin.exe\""; }
    static std::wstring LogPath() { return Folder->Path() + L"\\karvel.log"; }
    static std::wstring Script(const wchar_t* name) { return Folder->Path() + L"\\" + name; }
    // What the simulator logged since the test began.
    std::string NewLog() const { return ReadFileBytes(LogPath()).substr(LogStart); }
    bool LogShows(const std::string& text) const {
        for (DWORD waited = 0; waited < 10000; waited += 100, Sleep(100))
            if (NewLog().find(text) != std::string::npos)
                return true;
        return false;
    }

    static TComPtr<Itessorinx> Connect() {
        TComPtr<Itessorinx> tool;
        EXPECT_EQ(CoCreateInstance(CLSID_tessorinx, nullptr, CLSCTX_LOCAL_SERVER, IID_Itessorinx,
                                   tool.PutVoid()),
                  S_OK);
        return tool;
    }
    static HWND ToolWindow() {
        for (DWORD waited = 0; waited < kWait; waited += 100, Sleep(100))
            if (HWND window = FindWindowW(L"TForm11", nullptr))
                return window;
        return nullptr;
    }
    static DWORD ProcessOf(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        return id;
    }
    static HANDLE OpenToolProcess(HWND window) {
        return OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(window));
    }
    // Runs a late-bound client; its WScript.Echo lines land in `output`.
    std::unique_ptr<TProcess> StartClient(const char* source, const std::wstring& output) {
        auto path = Folder->Write(L"client" + std::to_wstring(++Clients) + L".vbs", source);
        return std::make_unique<TProcess>(L"cscript.exe //nologo \"" + path + L"\"", output);
    }
    std::string RunClient(const char* source) {
        auto output = Folder->Path() + L"\\output" + std::to_wstring(Clients + 1) + L".txt";
        auto client = StartClient(source, output);
        EXPECT_TRUE(client->WaitForExit(kWait * 2));
        return ReadFileBytes(output);
    }
    // Expects a box of the tool with this text among its texts; answers it.
    static void AnswerBox(HWND tool, const std::wstring& text, int button) {
        HWND box = WaitForDialog(ProcessOf(tool), kWait);
        ASSERT_NE(box, nullptr) << "no box";
        EXPECT_NE(DialogText(box).find(text), std::wstring::npos) << DialogText(box).c_str();
        PressButton(box, button);
    }

    static inline TTempFolder* Folder = nullptr;
    size_t LogStart = 0;
    int Clients = 0;
};

TEST_F(ServerTest, RunScriptByNameTakesKarvelsFolderAndRunsTheFile) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    TVar name(L"demo");
    ASSERT_EQ(tool->RunScript(name.Value), S_OK) << LastError();
    EXPECT_TRUE(LogShows("GetScriptFolder -1"));
    EXPECT_TRUE(LogShows("LOADNC \"a.nc\""));
    std::wstring expected = Script(L"demo.vbs");
    EXPECT_EQ(WindowText(ToolWindow()), L"VBCript " + expected);
    TVar folder;
    ASSERT_EQ(tool->get_ScriptPath(&folder.Value), S_OK) << LastError();
    EXPECT_EQ(folder.Text(), Folder->Path());
}

TEST_F(ServerTest, RunScriptWithAFullPathOrNothingAsksNoFolder) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    auto full = Script(L"plain");
    TVar name(full.c_str());
    ASSERT_EQ(tool->RunScript(name.Value), S_OK) << LastError();
    EXPECT_TRUE(LogShows("MESSAGE \"plain\""));
    EXPECT_EQ(WindowText(ToolWindow()), L"VBCript " + full + L".vbs");
    TVar empty(L""), nothing;
    EXPECT_EQ(tool->RunScript(empty.Value), S_OK) << LastError();
    EXPECT_EQ(tool->RunScript(nothing.Value), S_OK) << LastError();
    EXPECT_EQ(WindowText(ToolWindow()), L"VBCript " + full + L".vbs");
    EXPECT_EQ(NewLog().find("GetScriptFolder"), std::string::npos);
}

TEST_F(ServerTest, AFileThatCannotBeOpenedFailsTheCallWithRichErrorInformation) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    auto support = tool.As<ISupportErrorInfo>(IID_ISupportErrorInfo);
    ASSERT_TRUE(support);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_Itessorinx), S_OK);
    const std::wstring expected = L"C:\\no\\such\\folder\\job.vbs";

    TVar name(L"C:\\no\\such\\folder\\job");
    EXPECT_EQ(tool->RunScript(name.Value), E_UNEXPECTED);
    // Wine 8 does not carry the error object back on vtable calls between
    // processes; where the platform does, it must be ours.
    TComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) == S_OK) {
        BSTR description = nullptr;
        GUID guid{};
        info->GetDescription(&description);
        info->GetGUID(&guid);
        EXPECT_NE(std::wstring(description).find(expected), std::wstring::npos);
        EXPECT_EQ(guid, IID_Itessorinx);
        SysFreeString(description);
    }

    // Through IDispatch the same error arrives as the exception's record.
    DISPPARAMS params{&name.Value, nullptr, 1, 0};
    EXCEPINFO exception{};
    EXPECT_EQ(tool->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &exception, nullptr),
              DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, E_UNEXPECTED);
    ASSERT_TRUE(exception.bstrSource && exception.bstrDescription);
    EXPECT_STREQ(exception.bstrSource, L"tessorin.tessorinx");
    EXPECT_NE(std::wstring(exception.bstrDescription).find(expected), std::wstring::npos)
        << exception.bstrDescription;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

TEST_F(ServerTest, EventsReachTheScriptsRoutinesAndPlotEventAnswersText) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    TVar name(L"demo");
    ASSERT_EQ(tool->RunScript(name.Value), S_OK) << LastError();
    TVar line(L"G1 X0"), plotted;
    ASSERT_EQ(tool->PlotEvent(line.Value, &plotted.Value), S_OK) << LastError();
    EXPECT_EQ(plotted.Text(), L"42");
    TVar x(1), y(2), z(3);
    ASSERT_EQ(tool->CadClickEvent(x.Value, y.Value, z.Value), S_OK) << LastError();
    EXPECT_TRUE(LogShows("MOVE 1, 2, 3"));
    ASSERT_EQ(tool->DisplayEvent(), S_OK) << LastError();
    EXPECT_TRUE(LogShows("MESSAGE \"display\""));

    TVar plain(L"plain"), nothing;
    ASSERT_EQ(tool->RunScript(plain.Value), S_OK) << LastError();
    ASSERT_EQ(tool->PlotEvent(line.Value, &nothing.Value), S_OK) << LastError();
    EXPECT_EQ(nothing.Text(), L"");
}

TEST_F(ServerTest, ScriptPathAndVisibleFollowTheCallsAndTheWindow) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    TVar folder(L"C:\\elsewhere"), read;
    ASSERT_EQ(tool->put_ScriptPath(folder.Value), S_OK) << LastError();
    ASSERT_EQ(tool->get_ScriptPath(&read.Value), S_OK) << LastError();
    EXPECT_EQ(read.Text(), L"C:\\elsewhere");

    HWND window = ToolWindow();
    VARIANT_BOOL visible = VARIANT_FALSE;
    ASSERT_EQ(tool->get_Visible(&visible), S_OK) << LastError();
    EXPECT_EQ(visible, VARIANT_TRUE);
    for (int state : {SW_MINIMIZE, SW_MAXIMIZE}) {
        ShowWindow(window, state);
        ASSERT_EQ(tool->get_Visible(&visible), S_OK) << LastError();
        EXPECT_EQ(visible, VARIANT_FALSE) << state;
    }
    ASSERT_EQ(tool->put_Visible(VARIANT_TRUE), S_OK) << LastError();
    EXPECT_FALSE(IsZoomed(window) || IsIconic(window));
    ASSERT_EQ(tool->put_Visible(VARIANT_FALSE), S_OK) << LastError();
    EXPECT_TRUE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(ServerTest, NotifyChangesTheHiddenEditEveryTime) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    HWND edit = GetDlgItem(ToolWindow(), kEdit1);
    ASSERT_NE(edit, nullptr);
    TVar five(L"5");
    for (const wchar_t* expected : {L"5", L"5 ", L"5", L"5 "}) {
        ASSERT_EQ(tool->Notify(five.Value), S_OK) << LastError();
        EXPECT_EQ(WindowText(edit), expected);
    }
    TVar empty(L"");
    ASSERT_EQ(tool->Notify(empty.Value), S_OK) << LastError();
    EXPECT_EQ(WindowText(edit), L"0");
}

TEST_F(ServerTest, AnEmbeddedServerEndsWithItsLastObject) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    auto second = Connect();
    HWND window = ToolWindow();
    ASSERT_NE(window, nullptr);
    HANDLE process = OpenToolProcess(window);
    tool.Reset();
    EXPECT_EQ(WaitForSingleObject(process, 2000), WAIT_TIMEOUT) << "ended with an object left";
    second.Reset();
    EXPECT_EQ(WaitForSingleObject(process, kWait), WAIT_OBJECT_0);
    CloseHandle(process);
    // The last release ends the process without the window's close handling.
    EXPECT_EQ(NewLog().find("ScriptClosed"), std::string::npos);
}

TEST_F(ServerTest, LateBoundClientsReachEveryOperation) {
    auto output = RunClient(R"(
Set tool = CreateObject("tessorin.tessorinx")
tool.RunScript "demo"
WScript.Echo "plot=" & tool.PlotEvent("G0 X1")
tool.CadClickEvent 4, 5, 6
tool.ScriptPath = "D:\jobs"
WScript.Echo "path=" & tool.ScriptPath
WScript.Echo "visible=" & tool.Visible
On Error Resume Next
tool.RunScript "C:\missing\job"
WScript.Echo "error=" & Hex(Err.Number) & " " & Err.Source & ": " & Err.Description
)");
    EXPECT_NE(output.find("plot=42\r\n"), std::string::npos) << output;
    EXPECT_NE(output.find("path=D:\\jobs\r\n"), std::string::npos) << output;
    EXPECT_NE(output.find("visible=True\r\n"), std::string::npos) << output;
    EXPECT_NE(output.find("error=8000FFFF tessorin.tessorinx: "), std::string::npos) << output;
    EXPECT_NE(output.find("C:\\missing\\job.vbs"), std::string::npos) << output;
    EXPECT_TRUE(LogShows("MOVE 4, 5, 6"));
}

TEST_F(ServerTest, AScriptErrorInPlotEventIsShownAndTheCallSucceeds) {
    auto output = Folder->Path() + L"\\broken.txt";
    auto client = StartClient(R"(
Set tool = CreateObject("tessorin.tessorinx")
tool.RunScript "broken"
WScript.Echo "plot=[" & tool.PlotEvent("x") & "] " & Err.Number
)",
                              output);
    HWND window = ToolWindow();
    ASSERT_NE(window, nullptr);
    AnswerBox(window, L"Division by zero", IDOK);
    ASSERT_TRUE(client->WaitForExit(kWait));
    EXPECT_EQ(ReadFileBytes(output), "plot=[] 0\r\n");
}

TEST_F(ServerTest, ARunScriptWhileARoutineWaitsLeavesThatRoutinesEngineAlive) {
    auto output = Folder->Path() + L"\\waiting.txt";
    auto client = StartClient(R"(
Set tool = CreateObject("tessorin.tessorinx")
tool.RunScript "waiting"
WScript.Echo "plot=" & tool.PlotEvent("x")
)",
                              output);
    HWND window = ToolWindow();
    ASSERT_NE(window, nullptr);
    HWND box = WaitForDialog(ProcessOf(window), kWait);
    ASSERT_NE(box, nullptr);
    // While the routine waits in its box, another client rebuilds the engine.
    auto tool = Connect();
    ASSERT_TRUE(tool);
    TVar demo(L"demo");
    ASSERT_EQ(tool->RunScript(demo.Value), S_OK) << LastError();
    EXPECT_TRUE(LogShows("LOADNC \"a.nc\""));
    EXPECT_NE(DialogText(box).find(L"waiting"), std::wstring::npos);
    PressButton(box, IDOK);
    ASSERT_TRUE(client->WaitForExit(kWait));
    EXPECT_EQ(ReadFileBytes(output), "plot=2\r\n");
    TVar line(L"x"), plotted;
    ASSERT_EQ(tool->PlotEvent(line.Value, &plotted.Value), S_OK) << LastError();
    EXPECT_EQ(plotted.Text(), L"42");
}

TEST_F(ServerTest, ReleaseKarvelClosesTheToolOnceFiveSecondsLater) {
    TProcess started(Tool()); // a normal start: the last release does not end it
    HWND window = WaitForWindow(started.Id(), L"Karvel VB-Script", kWait);
    ASSERT_NE(window, nullptr);
    started.WaitForIdle(kWait);
    {
        auto tool = Connect();
        ASSERT_TRUE(tool);
        ASSERT_EQ(tool->ReleaseKarvel(), S_OK) << LastError();
        Sleep(1000);
        ASSERT_EQ(tool->ReleaseKarvel(), S_OK) << LastError(); // changes nothing
    }
    EXPECT_FALSE(started.WaitForExit(2500)) << "closed before the timer";
    EXPECT_TRUE(started.WaitForExit(kWait));
    auto log = NewLog();
    auto first = log.find("ScriptClosed");
    EXPECT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("ScriptClosed", first + 1), std::string::npos);
}

TEST_F(ServerTest, ClosingWhileObjectsLiveAsksAndNoKeepsTheToolRunning) {
    auto tool = Connect();
    ASSERT_TRUE(tool);
    HWND window = ToolWindow();
    HANDLE process = OpenToolProcess(window);
    ASSERT_EQ(tool->ReleaseKarvel(), S_OK) << LastError();
    AnswerBox(window, L"There are still active COM objects in this application.", IDNO);
    EXPECT_EQ(WaitForSingleObject(process, 1000), WAIT_TIMEOUT);
    EXPECT_TRUE(IsWindowEnabled(window));
    // A later request starts a new count; this time the answer is Yes.
    ASSERT_EQ(tool->ReleaseKarvel(), S_OK) << LastError();
    AnswerBox(window, L"Are you sure you want to close this application?", IDYES);
    EXPECT_EQ(WaitForSingleObject(process, kWait), WAIT_OBJECT_0);
    CloseHandle(process);
    tool.Detach(); // its server is gone; nothing to release
}

TEST_F(ServerTest, RegistrationWritesEveryKeyAndUnregistrationRemovesThem) {
    const std::u16string classKey = u"CLSID\\{6E2B4D54-3A17-4C0F-9B2E-71D4C8A05E93}";
    const std::u16string keys[] = {classKey, u"tessorin.tessorinx",
                                   u"TypeLib\\{6E2B4D51-3A17-4C0F-9B2E-71D4C8A05E93}",
                                   u"Interface\\{6E2B4D52-3A17-4C0F-9B2E-71D4C8A05E93}"};
    auto read = [](const std::u16string& key) {
        return RegReadString(HKEY_CLASSES_ROOT, key, u"");
    };

    RunToEnd(Tool() + L" /unregserver");
    for (auto& key : keys)
        EXPECT_FALSE(read(key)) << std::string(key.begin(), key.end());

    // From a folder with a blank, COM gets the short form of the path.
    auto spaced = Folder->Path() + L"\\with blank";
    CreateDirectoryW(spaced.c_str(), nullptr);
    auto copy = spaced + L"\\tessorin.exe";
    ASSERT_TRUE(CopyFileW((BinFolder() + L"\\tessorin.exe").c_str(), copy.c_str(), FALSE));
    RunToEnd(L"\"" + copy + L"\" /regserver");
    wchar_t shortPath[MAX_PATH];
    GetShortPathNameW(copy.c_str(), shortPath, MAX_PATH);
    auto server = read(classKey + u"\\LocalServer32");
    ASSERT_TRUE(server);
    EXPECT_EQ(*server, std::u16string(reinterpret_cast<const char16_t*>(shortPath)));
    EXPECT_EQ(server->find(u' '), std::u16string::npos);

    RunToEnd(Tool() + L" /regserver");
    EXPECT_EQ(read(classKey), u"tessorinx Object");
    EXPECT_EQ(read(classKey + u"\\ProgID"), u"tessorin.tessorinx");
    EXPECT_EQ(read(classKey + u"\\Version"), u"1.0");
    EXPECT_EQ(read(classKey + u"\\TypeLib"), u"{6E2B4D51-3A17-4C0F-9B2E-71D4C8A05E93}");
    EXPECT_EQ(read(u"tessorin.tessorinx"), u"tessorinx Object");
    EXPECT_EQ(read(u"tessorin.tessorinx\\Clsid"), u"{6E2B4D54-3A17-4C0F-9B2E-71D4C8A05E93}");
    auto path = BinFolder() + L"\\tessorin.exe";
    EXPECT_EQ(read(classKey + u"\\LocalServer32"),
              std::u16string(reinterpret_cast<const char16_t*>(path.c_str())));
    EXPECT_TRUE(read(u"TypeLib\\{6E2B4D51-3A17-4C0F-9B2E-71D4C8A05E93}\\1.0"));
}

} // namespace
} // namespace tessorin::testing
