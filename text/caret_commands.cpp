// Caret commands: single steps, line and document ends, word moves.
#include "text/memo_source.h"

namespace tessorin {

bool TCustomMemoSource::CaretInsideTab(int& tabStart, int& tabEnd) const {
    // The tab covering the column left of the caret, for stepping over it.
    const std::u16string& text = LineText(CaretLine());
    const int index = FTabs.ColumnToIndex(text, CaretChar() - 1);
    if (CaretChar() == 0 || index >= static_cast<int>(text.size()) || text[index] != u'\t')
        return false;
    tabStart = FTabs.IndexToColumn(text, index);
    tabEnd = FTabs.NextStop(tabStart);
    return true;
}

void TCustomMemoSource::CaretLeft() {
    int start = 0, end = 0;
    const bool overTabs = HasOption(soCursorOnTabs) || HasOption(soCursorAlwaysOnTabs);
    if (overTabs && CaretInsideTab(start, end))
        MoveCaret(0, start - CaretChar());
    else
        MoveCaret(0, -1);
}

void TCustomMemoSource::CaretRight() {
    const int line = CaretLine();
    if (HasOption(soLimitEOL) && CaretChar() >= LineDisplayLength(line)) {
        if (FSelType != stBlockSel && line < LineCount() - 1)
            MoveCaret(1, -CaretChar());
        return;
    }
    const bool overTabs = HasOption(soCursorOnTabs) || HasOption(soCursorAlwaysOnTabs);
    const std::u16string& text = LineText(line);
    const int index = FTabs.ColumnToIndex(text, CaretChar());
    if (overTabs && index < static_cast<int>(text.size()) && text[index] == u'\t')
        MoveCaret(0, FTabs.NextStop(FTabs.IndexToColumn(text, index)) - CaretChar());
    else
        MoveCaret(0, 1);
}

void TCustomMemoSource::CaretDocEnd() {
    const int last = std::max(LineCount() - 1, 0);
    MoveCaret(last - CaretLine(), LineEndColumn(last) - CaretChar());
}

void TCustomMemoSource::CaretLineEnd() {
    MoveCaret(0, LineEndColumn(CaretLine()) - CaretChar());
}

void TCustomMemoSource::CaretWordRight() {
    const int line = CaretLine();
    const std::u16string text = FTabs.Expand(LineText(line));
    int p = CaretChar();
    const int n = static_cast<int>(text.size());
    if (p >= n) {
        if (line < LineCount() - 1)
            MoveCaret(1, -CaretChar());
        return;
    }
    while (p < n && !IsDelimiter(text[p]))
        ++p;
    while (p < n && IsDelimiter(text[p]))
        ++p;
    MoveCaret(0, p - CaretChar());
}

void TCustomMemoSource::CaretWordLeft() {
    const int line = CaretLine();
    const std::u16string text = FTabs.Expand(LineText(line));
    int p = std::min(CaretChar(), static_cast<int>(text.size()));
    while (p > 0 && IsDelimiter(text[p - 1]))
        --p;
    if (p == 0) {
        if (line == 0)
            MoveCaret(0, -CaretChar());
        else
            MoveCaret(-1, LineEndColumn(line - 1) - CaretChar());
        return;
    }
    while (p > 0 && !IsDelimiter(text[p - 1]))
        --p;
    MoveCaret(0, p - CaretChar());
}

} // namespace tessorin
