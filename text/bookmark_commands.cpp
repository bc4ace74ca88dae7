// Bookmark commands, line styles with the temporary highlight, and the
// choice of the code-template set.
#include "text/memo_source.h"

namespace tessorin {

void TCustomMemoSource::RepaintLine(int line) {
    AddState(msBlockChanged);
    WidenChanged(line, line);
}

void TCustomMemoSource::ToggleBookmark(int number) {
    const TBookmark* b = FBookmarks.Find(number);
    if (b && b->LinePos == CaretLine())
        ClearBookmark(number);
    else
        SetBookmark(number);
}

void TCustomMemoSource::SetBookmark(int number) {
    if (!TMemoBookMarkList::ValidNumber(number))
        return;
    TMemoUpdate update(*this, ucSetBookmark);
    const int oldLine = FBookmarks.Remove(number);
    if (oldLine >= 0)
        RepaintLine(oldLine);
    FBookmarks.Set(number, CaretChar(), CaretLine());
    RepaintLine(CaretLine());
}

void TCustomMemoSource::ClearBookmark(int number) {
    if (!FBookmarks.Find(number))
        return;
    TMemoUpdate update(*this, ucClearBookmark);
    RepaintLine(FBookmarks.Remove(number));
}

void TCustomMemoSource::GotoBookmark(int number) {
    const TBookmark* b = FBookmarks.Find(number);
    if (!b)
        return;
    TMemoUpdate update(*this, ucCaretMove);
    // Views take it as a caret move even when the caret is already there.
    FGotoBookmark = true;
    SetCaret(b->CharPos, b->LinePos);
}

bool TCustomMemoSource::GetBookmark(int number, TPoint& position) const {
    const TBookmark* b = FBookmarks.Find(number);
    position = b ? TPoint{b->CharPos, b->LinePos} : TPoint{-1, -1};
    return b != nullptr;
}

int TCustomMemoSource::BookmarkInRange(int line, int fromColumn, int toColumn) const {
    const std::vector<TBookmark> found = FBookmarks.InRange(line, fromColumn, toColumn);
    return found.empty() ? 0 : found.front().Number;
}

std::uint8_t TCustomMemoSource::GetLineStyle(int line) const {
    const TStringItem* item = LineItem(line);
    return item ? item->LineStyle : 0;
}

void TCustomMemoSource::SetLineStyle(int line, std::uint8_t style) {
    TStringItem* item = LineItem(line);
    if (!item || item->LineStyle == style)
        return;
    TMemoUpdate update(*this, ucLineStyle);
    item->LineStyle = style;
    RepaintLine(line);
}

void TCustomMemoSource::HighlightLine(int line, std::uint8_t style) {
    EndHighlight();
    if (!LineItem(line))
        return;
    const std::uint8_t previous = GetLineStyle(line);
    SetLineStyle(line, style);
    FHighlightedLine = line + 1;
    FHighlightedStyle = previous;
}

void TCustomMemoSource::EndHighlight() {
    if (FHighlightedLine == 0)
        return;
    const int line = FHighlightedLine - 1;
    FHighlightedLine = 0; // forgotten first: restoring runs an update of its own
    SetLineStyle(line, FHighlightedStyle);
}

void TCustomMemoSource::SetTemplatesType(const std::u16string& value) {
    TTemplateFill fill = nullptr;
    if (value == FTemplatesType || !FindTemplateSet(value, fill))
        return;
    FTemplatesType = value;
    if (!fill)
        return;
    FCodeTemplates.Clear();
    fill(FCodeTemplates);
}

} // namespace tessorin
