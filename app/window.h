#pragma once
// A thin window: the object is found from its handle, and messages go to a
// virtual handler. No exception leaves the window procedure: it is shown in
// the application's standard error box.
#include <windows.h>

namespace tessorin {

class TWindow {
public:
    virtual ~TWindow();
    HWND Handle() const { return FHandle; }

protected:
    // Registers the class once and creates the window with this object bound.
    void CreateHandle(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                      int x, int y, int width, int height, HMENU menu);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND FHandle = nullptr;
};

} // namespace tessorin
