#pragma once
// The main window's tool bar: its buttons with their hints, and the glyph
// of the stay-on-top button.
#include <windows.h>

namespace tessorin {

class TToolBar {
public:
    void Create(HWND parent, int id);
    HWND Handle() const { return FHandle; }

    // The hint shown for a button's command, or null.
    static const wchar_t* HintOf(int command);
    void SetStayOnTopGlyph(bool onTop);
    void SetStayOnTopPressed(bool pressed);

private:
    HWND FHandle = nullptr;
    int FFirstGlyph = 0;
};

} // namespace tessorin
