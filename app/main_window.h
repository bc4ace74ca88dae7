#pragma once
// The main window TForm11: the script editor with its menus and tool bar,
// the scripter that runs the editor's text, and the link to Karvel.
#include <memory>
#include <string>

#include "app/line_list.h"
#include "app/tool_bar.h"
#include "app/window.h"
#include "automation/automation_target.h"
#include "core/component.h"
#include "platform/com_ptr.h"

namespace tessorin {

class TDCScripter;

class TForm11 final : public TWindow, public TComponent, public TAutomationTarget {
public:
    // Creates the window and runs its set-up; `firstParam` is the first
    // command-line parameter.
    explicit TForm11(const std::u16string& firstParam);
    ~TForm11() override;

    void Show();
    void Close();

    // What Karvel's automation calls act on.
    void RunScriptFile(const std::u16string& fileName) override;
    std::u16string FetchScriptFolder() override;
    std::u16string ScriptFolder() const override { return FScriptFolder; }
    void SetScriptFolder(const std::u16string& folder) override { FScriptFolder = folder; }
    bool IsWindowNormal() const override;
    void SetWindowNormal(bool normal) override;
    // Starts the 5000 ms close timer unless it is already counting.
    void RequestClose() override;
    void CallScriptRoutine(const std::u16string& name, std::vector<VARIANT>& args,
                           VARIANT& result) override;
    void NotifyValue(const std::u16string& value) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateChildren();
    void LayoutChildren();
    void FormCreate(const std::u16string& firstParam);
    void FormClose();
    bool MayCloseWithLiveObjects();
    bool HandleCommand(int command);
    LRESULT HandleNotify(NMHDR* header);

    // Commands
    void BitBtn2Click();
    void RunUserRoutine(const std::u16string& name);
    void SpeedButton7Click();
    void SetZOrderStyle(bool onTop);
    void HelpJump(const wchar_t* topic);
    void VBScriptRef1Click();
    void Timer1Timer();

    TDCScripter* DCScripter1 = nullptr;
    TToolBar ToolBar1;
    HWND DCMemo1 = nullptr;
    HWND Edit1 = nullptr;
    HWND Edit2 = nullptr;
    HWND StatusBar1 = nullptr;
    std::unique_ptr<TLineList> FLines;
    bool FTimer1Running = false;

    TComPtr<IDispatch> FHostObject;
    std::u16string FScriptExt;
    std::u16string FCurrentFile;
    std::u16string FScriptFolder;
    bool FStayOnTop = false;
};

} // namespace tessorin
