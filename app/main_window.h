#pragma once
// The main window TForm11: the script editor with its menus and tool bar,
// the scripter that runs the editor's text, and the link to Karvel.
#include <memory>
#include <string>

#include "app/line_list.h"
#include "app/tool_bar.h"
#include "app/window.h"
#include "core/component.h"
#include "platform/com_ptr.h"

namespace tessorin {

class TDCScripter;

class TForm11 final : public TWindow, public TComponent {
public:
    // Creates the window and runs its set-up; `firstParam` is the first
    // command-line parameter.
    explicit TForm11(const std::u16string& firstParam);
    ~TForm11() override;

    void Show();
    void Close();
    // Starts the 5000 ms close timer; false once the timer has fired.
    bool StartCloseTimer();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateChildren();
    void LayoutChildren();
    void FormCreate(const std::u16string& firstParam);
    void FormClose();
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
    bool FTimer1Alive = true;

    TComPtr<IDispatch> FHostObject;
    std::u16string FScriptExt;
    bool FStayOnTop = false;
};

} // namespace tessorin
