#include "app/tool_bar.h"

#include <commctrl.h>

#include <iterator>

#include "app/glyphs.h"
#include "app/resource.h"

namespace tessorin {
namespace {

enum class TImage { Standard, Glyph };

struct TButton {
    int Command;
    const wchar_t* Hint;
    TImage Source;
    int Image; // index of the standard image or of the glyph
    BYTE Style;
};

const TButton kButtons[] = {
    {IDC_LOAD, L"Open", TImage::Standard, STD_FILEOPEN, BTNS_BUTTON},
    {IDC_SAVE, L"Save", TImage::Standard, STD_FILESAVE, BTNS_BUTTON},
    {IDC_PRINT, L"Print", TImage::Standard, STD_PRINT, BTNS_BUTTON},
    {IDC_NEW, L"New", TImage::Standard, STD_FILENEW, BTNS_BUTTON},
    {IDC_RUNSUB, L"Run Sub", TImage::Glyph, glRunSub, BTNS_BUTTON},
    {IDC_RUNALL, L"Run All", TImage::Glyph, glRunAll, BTNS_BUTTON},
    // A one-button group that may be all up: each click flips it.
    {IDC_STAYONTOP, L"Stay on Top", TImage::Glyph, glNotOnTop, BTNS_CHECK},
    {IDC_USER1, L"User1", TImage::Glyph, glUser1, BTNS_BUTTON},
    {IDC_USER2, L"User2", TImage::Glyph, glUser2, BTNS_BUTTON},
    {IDC_USER3, L"User3", TImage::Glyph, glUser3, BTNS_BUTTON},
    {IDC_USER4, L"User4", TImage::Glyph, glUser4, BTNS_BUTTON},
};

// Commands whose work comes with the editor's file and run commands.
bool EnabledAtStart(int command) {
    return command == IDC_RUNALL || command == IDC_STAYONTOP ||
           (command >= IDC_USER1 && command <= IDC_USER4);
}

} // namespace

void TToolBar::Create(HWND parent, int id) {
    FHandle = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                              WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    SendMessageW(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(FHandle, TB_SETBITMAPSIZE, 0, MAKELPARAM(kGlyphSize, kGlyphSize));
    SendMessageW(FHandle, TB_LOADIMAGES, IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    TBADDBITMAP glyphs{nullptr, reinterpret_cast<UINT_PTR>(CreateGlyphStrip())};
    FFirstGlyph = static_cast<int>(
        SendMessageW(FHandle, TB_ADDBITMAP, glCount, reinterpret_cast<LPARAM>(&glyphs)));

    TBBUTTON buttons[std::size(kButtons)] = {};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        auto& button = kButtons[i];
        buttons[i].iBitmap =
            button.Source == TImage::Standard ? button.Image : FFirstGlyph + button.Image;
        buttons[i].idCommand = button.Command;
        buttons[i].fsState = EnabledAtStart(button.Command) ? TBSTATE_ENABLED : 0;
        buttons[i].fsStyle = button.Style;
    }
    SendMessageW(FHandle, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(FHandle, TB_AUTOSIZE, 0, 0);
}

const wchar_t* TToolBar::HintOf(int command) {
    for (auto& button : kButtons)
        if (button.Command == command)
            return button.Hint;
    return nullptr;
}

void TToolBar::SetStayOnTopGlyph(bool onTop) {
    SendMessageW(FHandle, TB_CHANGEBITMAP, IDC_STAYONTOP,
                 FFirstGlyph + (onTop ? glOnTop : glNotOnTop));
}

void TToolBar::SetStayOnTopPressed(bool pressed) {
    SendMessageW(FHandle, TB_CHECKBUTTON, IDC_STAYONTOP, MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

} // namespace tessorin
