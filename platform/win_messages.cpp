#include "platform/win_messages.h"

#include <string>
#include <vector>

#include "platform/app_title.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

constexpr WORD idAll = 100;
constexpr WORD staticClass = 0x0082;
constexpr WORD buttonClass = 0x0080;

// Dialog units of the box and its rows.
constexpr short boxWidth = 250;
constexpr short margin = 10;
constexpr short textHeight = 40;
constexpr short buttonWidth = 50;
constexpr short buttonHeight = 14;
constexpr short buttonGap = 6;

struct TButton {
    WORD Id;
    const char16_t* Caption;
};

// An in-memory dialog template: no resource, so any program of ours can
// show it. Items start on DWORD boundaries.
class TTemplate {
public:
    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(FWords.data()); }

    void Dialog(WORD items, short height) {
        const DWORD style =
            DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        Words({LOWORD(style), HIWORD(style), 0, 0, items, 0, 0, boxWidth, WORD(height)});
        Words({0, 0}); // no menu, the standard class
        Text(ApplicationTitle());
        Words({8});
        Text(u"MS Shell Dlg");
    }

    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD windowClass,
              const std::u16string& text) {
        if (FWords.size() % 2)
            FWords.push_back(0);
        style |= WS_CHILD | WS_VISIBLE;
        Words({LOWORD(style), HIWORD(style), 0, 0, WORD(x), WORD(y), WORD(cx), WORD(cy), id});
        Words({0xFFFF, windowClass});
        Text(text);
        Words({0}); // no creation data
    }

private:
    void Words(std::initializer_list<WORD> words) { FWords.insert(FWords.end(), words); }
    void Text(const std::u16string& text) {
        FWords.insert(FWords.end(), text.begin(), text.end());
        FWords.push_back(0);
    }

    std::vector<WORD> FWords;
};

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE; // the first button takes the focus
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

WORD ShowBox(HWND owner, const std::u16string& text, const std::vector<TButton>& buttons) {
    const short buttonsY = margin + textHeight + margin;
    const short rowWidth =
        static_cast<short>(buttons.size() * (buttonWidth + buttonGap) - buttonGap);
    TTemplate box;
    box.Dialog(static_cast<WORD>(buttons.size() + 1), buttonsY + buttonHeight + margin);
    box.Item(SS_LEFT, margin, margin, boxWidth - 2 * margin, textHeight, 0xFFFF, staticClass, text);
    short x = static_cast<short>((boxWidth - rowWidth) / 2);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        box.Item(style, x, buttonsY, buttonWidth, buttonHeight, buttons[i].Id, buttonClass,
                 buttons[i].Caption);
        x += buttonWidth + buttonGap;
    }
    const INT_PTR answer = DialogBoxIndirectParamW(nullptr, box.Data(), owner, BoxProc, 0);
    return answer <= 0 ? IDCANCEL : static_cast<WORD>(answer);
}

} // namespace

void TWin32Messages::ShowInformation(const std::u16string& text) {
    ShowBox(FOwner, text, {{IDOK, u"OK"}});
}

TConfirmAnswer TWin32Messages::ConfirmWithAll(const std::u16string& text) {
    switch (ShowBox(FOwner, text,
                    {{IDYES, u"&Yes"}, {IDNO, u"&No"}, {IDCANCEL, u"Cancel"}, {idAll, u"&All"}})) {
    case IDYES:
        return TConfirmAnswer::caYes;
    case IDNO:
        return TConfirmAnswer::caNo;
    case idAll:
        return TConfirmAnswer::caAll;
    default:
        return TConfirmAnswer::caCancel;
    }
}

} // namespace tessorin
