#include "app/edit_line_list.h"

#include "platform/text_file.h"
#include "platform/win_text.h"

namespace tessorin {

std::vector<std::u16string> TEditLineList::Lines() const {
    std::wstring text(GetWindowTextLengthW(FEdit) + 1, L'\0');
    text.resize(GetWindowTextW(FEdit, text.data(), static_cast<int>(text.size())));
    return SplitLines(FromWide(text));
}

void TEditLineList::SetLines(const std::vector<std::u16string>& lines) {
    SetWindowTextW(FEdit, ToWide(JoinLines(lines, u"\r\n")).c_str());
}

void TEditLineList::LoadFromFile(const std::u16string& fileName) {
    SetLines(ReadTextFileLines(fileName));
}

HWND CreateScriptEdit(HWND parent, int id) {
    HWND edit =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    static HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    FIXED_PITCH | FF_MODERN, L"Courier New");
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    // Tab stops every two characters, as the script editor has them.
    int tabStop = 8;
    SendMessageW(edit, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    return edit;
}

} // namespace tessorin
