#include "app/glyphs.h"

namespace tessorin {
namespace {

void FillTriangle(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    POINT points[] = {{left, top}, {left + width, top + height / 2}, {left, top + height}};
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    RECT box{left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

// A pin: lying flat when the window is not kept on top, upright when it is.
void DrawPin(HDC dc, int x, bool upright) {
    if (upright) {
        FillBox(dc, x + 5, 1, x + 11, 8, RGB(200, 0, 0));
        FillBox(dc, x + 3, 8, x + 13, 10, RGB(120, 0, 0));
        FillBox(dc, x + 7, 10, x + 9, 15, RGB(64, 64, 64));
    } else {
        FillBox(dc, x + 1, 7, x + 6, 9, RGB(64, 64, 64));
        FillBox(dc, x + 6, 4, x + 8, 12, RGB(80, 80, 80));
        FillBox(dc, x + 8, 5, x + 15, 11, RGB(160, 160, 160));
    }
}

void DrawDigit(HDC dc, int x, wchar_t digit) {
    FillBox(dc, x + 1, 1, x + 15, 15, RGB(0, 0, 160));
    RECT box{x + 1, 1, x + 15, 15};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, &digit, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void DrawGlyph(HDC dc, TGlyph glyph) {
    int x = glyph * kGlyphSize;
    switch (glyph) {
    case glRunSub:
        FillTriangle(dc, x + 3, 3, 8, 10, RGB(0, 160, 0));
        FillBox(dc, x + 12, 3, x + 14, 13, RGB(0, 0, 0));
        break;
    case glRunAll:
        FillTriangle(dc, x + 1, 2, 7, 12, RGB(0, 160, 0));
        FillTriangle(dc, x + 8, 2, 7, 12, RGB(0, 160, 0));
        break;
    case glNotOnTop:
    case glOnTop:
        DrawPin(dc, x, glyph == glOnTop);
        break;
    default:
        DrawDigit(dc, x, static_cast<wchar_t>(L'1' + (glyph - glUser1)));
        break;
    }
}

} // namespace

HBITMAP CreateGlyphStrip() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = CreateCompatibleBitmap(screen, kGlyphSize * glCount, kGlyphSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, strip);
    FillBox(dc, 0, 0, kGlyphSize * glCount, kGlyphSize, GetSysColor(COLOR_BTNFACE));
    for (int glyph = 0; glyph < glCount; ++glyph)
        DrawGlyph(dc, static_cast<TGlyph>(glyph));
    SelectObject(dc, old);
    DeleteDC(dc);
    return strip;
}

} // namespace tessorin
