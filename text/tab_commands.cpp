// Tab, BackTab and the block indentation they use on multi-line selections.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {
namespace {

class TUndoBlock {
public:
    explicit TUndoBlock(TCustomMemoSource& source) : FSource(source) { source.BeginUndoBlock(); }
    ~TUndoBlock() { FSource.EndUndoBlock(); }
    TUndoBlock(const TUndoBlock&) = delete;
    TUndoBlock& operator=(const TUndoBlock&) = delete;

private:
    TCustomMemoSource& FSource;
};

} // namespace

int TCustomMemoSource::SelectedLineCount() const {
    return HasSelection() ? BlockEnd().LinePos - BlockBegin().LinePos + 1 : 0;
}

int TCustomMemoSource::SmartTabTarget(int column, int line) const {
    // Align with the nearest longer line above: its indentation, or the
    // next word start after the column (a word-right step on that line).
    for (int i = std::min(line, LineCount()) - 1; i >= 0; --i) {
        const std::u16string text = FTabs.Expand(LineText(i));
        const int n = static_cast<int>(text.size());
        if (n <= column)
            continue;
        const int indent = LineIndent(i);
        if (indent > column)
            return indent;
        int p = column;
        while (p < n && !IsDelimiter(text[p]))
            ++p;
        while (p < n && IsDelimiter(text[p]))
            ++p;
        return p < n ? p : -1;
    }
    return -1;
}

void TCustomMemoSource::TabKey() {
    TMemoUpdate update(*this, ucTab);
    TUndoBlock block(*this);
    if (HasSelection() && BlockBegin().LinePos == BlockEnd().LinePos)
        DeleteSelection();
    const int column = CaretChar();
    int target = FTabs.NextStop(column);
    if (HasOption(soSmartTab) && CaretLine() > 0) {
        const int smart = SmartTabTarget(column, CaretLine());
        if (smart > column)
            target = smart;
    }
    const bool tabChar = HasOption(soUseTabCharacter);
    const std::u16string text = tabChar ? u"\t" : std::u16string(target - column, u' ');
    if (SelectedLineCount() >= 2)
        IndentLines(text, ucIndentBlock);
    else if (!InsertMode())
        MoveCaret(0, target - column);
    else if (InsertText(text))
        MoveCaret(0, (tabChar ? FTabs.NextStop(column) : target) - column);
}

void TCustomMemoSource::BackTab() {
    if (SelectedLineCount() < 2) {
        int lastStop = 0;
        FTabs.StopsAtOrBelow(CaretChar() - 1, &lastStop);
        MoveCaret(0, lastStop - CaretChar());
        return;
    }
    const int left = BlockBegin().CharPos;
    int target = FTabs.NextStop(left - 1);
    if (HasOption(soSmartTab)) {
        const int smart = SmartTabTarget(left, BlockBegin().LinePos);
        if (smart > left)
            target = smart;
    }
    const int width = target - left;
    UnindentLines(width > 0 ? width : FBlockIndent);
}

void TCustomMemoSource::IndentLines(const std::u16string& prefix, std::uint8_t code) {
    if (!HasSelection() || prefix.empty())
        return;
    TMemoUpdate update(*this, code);
    TLongestLine::TBlock inBlock(FLines.Longest());
    const TRect r = GetSelectionRect();
    TPosition* caret = AddTempPosition(CaretChar(), CaretLine());
    // A stream selection ending at column 0 does not include its last line.
    const int last = (FSelType == stStreamSel && r.Right == 0) ? r.Bottom - 1 : r.Bottom;
    for (int line = r.Top; line <= last; ++line) {
        if (LineText(line).empty())
            continue;
        CaretTo(0, line);
        InsertText(prefix);
    }
    if (r.Left == 0)
        BlockBegin().CharPos = 0; // the selection keeps covering whole lines
    CaretTo(caret->CharPos, caret->LinePos);
    RemoveTempPosition(caret);
}

void TCustomMemoSource::UnindentLines(int width) {
    if (!HasSelection() || width <= 0)
        return;
    TMemoUpdate update(*this, ucUnindentBlock);
    TLongestLine::TBlock inBlock(FLines.Longest());
    const TRect r = GetSelectionRect();
    TPosition* caret = AddTempPosition(CaretChar(), CaretLine());
    for (int line = r.Top; line <= r.Bottom; ++line) {
        const std::u16string& text = LineText(line);
        const size_t limit = std::min<size_t>(width, text.size());
        size_t blanks = 0;
        while (blanks < limit && (text[blanks] == u' ' || text[blanks] == u'\t'))
            ++blanks;
        if (blanks == 0)
            continue;
        CaretTo(0, line);
        DeleteChars(static_cast<int>(blanks));
    }
    CaretTo(caret->CharPos, caret->LinePos);
    RemoveTempPosition(caret);
}

} // namespace tessorin
