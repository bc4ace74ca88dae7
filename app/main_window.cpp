#include "app/main_window.h"

#include <commctrl.h>

#include "app/edit_line_list.h"
#include "app/error_box.h"
#include "app/resource.h"
#include "automation/karvel_client.h"
#include "core/case_mapping.h"
#include "core/exception.h"
#include "script/scripter.h"
#include "script/script_site.h"

namespace tessorin {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 5000;
constexpr int kWidth = 290;
constexpr int kHeight = 386;

HWND CreateHiddenEdit(HWND parent, int id) {
    return CreateWindowExW(0, L"EDIT", nullptr, WS_CHILD, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TForm11::TForm11(const std::u16string& firstParam) {
    DCScripter1 = new TDCScripter(this);
    DCScripter1->SetName(u"DCScripter1");
    DCScripter1->SetLanguage(u"VBScript");

    int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    CreateHandle(L"TForm11", L"Karvel VB-Script", WS_OVERLAPPEDWINDOW, 0, x, y, kWidth, kHeight,
                 LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_MAINMENU)));
    SetScriptHostWindow(Handle());
    CreateChildren();
    SetAutomationTarget(this);
    try {
        FormCreate(firstParam);
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

TForm11::~TForm11() {
    SetAutomationTarget(nullptr);
    SetScriptHostWindow(nullptr);
    // The scripter's engine goes before the Karvel object it may hold.
    delete DCScripter1;
}

void TForm11::CreateChildren() {
    ToolBar1.Create(Handle(), IDW_TOOLBAR);
    StatusBar1 = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_STATUSBAR)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(StatusBar1, SB_SIMPLE, TRUE, 0);
    DCMemo1 = CreateScriptEdit(Handle(), IDW_EDITOR);
    FLines = std::make_unique<TEditLineList>(DCMemo1);
    Edit1 = CreateHiddenEdit(Handle(), IDW_EDIT1);
    Edit2 = CreateHiddenEdit(Handle(), IDW_EDIT2);
    LayoutChildren();
}

void TForm11::LayoutChildren() {
    SendMessageW(ToolBar1.Handle(), TB_AUTOSIZE, 0, 0);
    SendMessageW(StatusBar1, WM_SIZE, 0, 0);
    RECT client, bar, status;
    GetClientRect(Handle(), &client);
    GetWindowRect(ToolBar1.Handle(), &bar);
    GetWindowRect(StatusBar1, &status);
    int top = bar.bottom - bar.top;
    int bottom = client.bottom - (status.bottom - status.top);
    MoveWindow(DCMemo1, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
}

void TForm11::FormCreate(const std::u16string& firstParam) {
    FHostObject = CreateKarvelObject();
    if (FHostObject) {
        DCScripter1->AddObject(u"inp", true, FHostObject.Get());
        FScriptExt = u"vbs";
    } else {
        ShowMessage(u"Unable to Link to Karvel");
    }
    if (!firstParam.empty() && UpperCase(firstParam).find(u"EMBED") == std::u16string::npos)
        FLines->LoadFromFile(firstParam);
    FStayOnTop = false;
    SpeedButton7Click();
}

void TForm11::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    SetFocus(DCMemo1);
}

void TForm11::Close() {
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm11::FormClose() {
    if (FHostObject)
        KarvelScriptClosed(FHostObject.Get());
}

void TForm11::RequestClose() {
    // A second request while the timer counts changes nothing; one after a
    // refused close starts a new count, since Karvel still wants the tool gone.
    if (FTimer1Running)
        return;
    SetTimer(Handle(), kTimer1, kTimer1Interval, nullptr);
    FTimer1Running = true;
}

void TForm11::Timer1Timer() {
    // The timer destroys itself first, so it fires at most once.
    KillTimer(Handle(), kTimer1);
    FTimer1Running = false;
    Close();
}

LRESULT TForm11::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        LayoutChildren();
        return 0;
    case WM_SETFOCUS:
        SetFocus(DCMemo1);
        return 0;
    case WM_COMMAND:
        if (HandleCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_NOTIFY:
        return HandleNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_TIMER:
        if (wParam == kTimer1)
            Timer1Timer();
        return 0;
    case WM_CLOSE:
        FormClose();
        if (MayCloseWithLiveObjects())
            DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TForm11::HandleNotify(NMHDR* header) {
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        if (auto* hint = TToolBar::HintOf(static_cast<int>(header->idFrom)))
            info->lpszText = const_cast<wchar_t*>(hint);
    }
    return 0;
}

} // namespace tessorin
