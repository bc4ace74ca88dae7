// The main window's command handlers: run, user routines, stay on top,
// help and exit.
#include <windows.h>
#include <shellapi.h>

#include "app/main_window.h"
#include "app/resource.h"
#include "platform/app_title.h"
#include "platform/win_text.h"
#include "script/scripter.h"

namespace tessorin {
namespace {

// The help file sits beside the executable.
std::wstring HelpFile() {
    auto path = ExecutablePath();
    return ToWide(path.substr(0, path.find_last_of(u"\\/") + 1) + u"tessorin.hlp");
}

struct THelpCommand {
    int Command;
    const wchar_t* Topic;
};

const THelpCommand kHelpTopics[] = {
    {IDC_KARVELREF, L"Topic3"},
    {IDC_TESSORINHELP, L"Topic1"},
    {IDC_KARVELEVENTS, L"Topic4"},
};

const wchar_t* HelpTopicOf(int command) {
    for (auto& help : kHelpTopics)
        if (help.Command == command)
            return help.Topic;
    return nullptr;
}

} // namespace

bool TForm11::HandleCommand(int command) {
    if (command >= IDC_USER1 && command <= IDC_USER4) {
        RunUserRoutine(u"User" + std::u16string(1, char16_t(u'1' + command - IDC_USER1)));
        return true;
    }
    if (auto* topic = HelpTopicOf(command)) {
        HelpJump(topic);
        return true;
    }
    switch (command) {
    case IDC_RUNALL:
        BitBtn2Click();
        return true;
    case IDC_STAYONTOP:
        SpeedButton7Click();
        return true;
    case IDC_VBSCRIPTREF:
        VBScriptRef1Click();
        return true;
    case IDC_EXIT:
        Close();
        return true;
    }
    return false;
}

// Run All: every run builds a new engine from the editor's current text.
void TForm11::BitBtn2Click() {
    DCScripter1->SetScript(FLines->Lines());
    VARIANT result;
    VariantInit(&result);
    DCScripter1->Run(result);
    VariantClear(&result);
}

// Runs in the engine of the last build; the editor's text is not copied.
void TForm11::RunUserRoutine(const std::u16string& name) {
    VARIANT result;
    VariantInit(&result);
    DCScripter1->RunRoutine(name, result);
    VariantClear(&result);
}

void TForm11::SpeedButton7Click() {
    if (FStayOnTop) {
        FStayOnTop = false;
        SetZOrderStyle(false);
        ToolBar1.SetStayOnTopGlyph(false);
    } else {
        FStayOnTop = true;
        ToolBar1.SetStayOnTopPressed(true);
        SetZOrderStyle(true);
        ToolBar1.SetStayOnTopGlyph(true);
    }
}

void TForm11::SetZOrderStyle(bool onTop) {
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm11::HelpJump(const wchar_t* topic) {
    auto file = HelpFile();
    std::wstring macro = L"JI(`" + file + L"',`" + topic + L"')";
    WinHelpW(Handle(), file.c_str(), HELP_COMMAND, reinterpret_cast<ULONG_PTR>(macro.c_str()));
}

void TForm11::VBScriptRef1Click() {
    ShellExecuteW(Handle(), nullptr, L"VBSCRIP5.CHM", nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace tessorin
