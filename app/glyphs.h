#pragma once
// The pictures of the tool buttons that have no standard image, drawn once
// into one strip of 16 by 16 pixel glyphs.
#include <windows.h>

namespace tessorin {

enum TGlyph : int {
    glRunSub,
    glRunAll,
    glNotOnTop, // Image1
    glOnTop,    // Image2
    glUser1,
    glUser2,
    glUser3,
    glUser4,
    glCount
};

constexpr int kGlyphSize = 16;

HBITMAP CreateGlyphStrip();

} // namespace tessorin
