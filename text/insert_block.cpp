// Inserting lines as a stream or column block, and the commands built on
// it: text blocks, GUIDs, moving, copying and duplicating blocks, clearing.
#include "core/guid.h"
#include "text/line_breaks.h"
#include "text/memo_source.h"

namespace tessorin {

void TCustomMemoSource::PlaceCaret(int column, int line) {
    // Column blocks need exact columns: the caret limits are for the user.
    const TStringsOptions saved = FOptions;
    FOptions.Exclude(soLimitEOL);
    FOptions.Exclude(soCursorAlwaysOnTabs);
    try {
        CaretTo(column, line);
    } catch (...) {
        FOptions = saved;
        throw;
    }
    FOptions = saved;
}

int TCustomMemoSource::InsertLine(const std::vector<std::u16string>& lines,
                                  const std::vector<std::string>* colors, int i) {
    const int column = CaretChar();
    const int line = CaretLine();
    const bool withColors = colors && i < static_cast<int>(colors->size());
    InsertText(lines[i], withColors ? &(*colors)[i] : nullptr);
    const std::u16string& text = LineText(line);
    return FTabs.IndexToColumn(text, FTabs.ColumnToIndex(text, column) + lines[i].size());
}

void TCustomMemoSource::InsertBlock(const std::vector<std::u16string>& lines, bool column,
                                    const std::vector<std::string>* colors) {
    if (lines.empty() || IsEditBlocked())
        return;
    TMemoUpdate update(*this, ucInsertBlock);
    TLongestLine::TBlock inBlock(FLines.Longest());
    std::vector<std::u16string> converted;
    for (const std::u16string& line : lines)
        converted.push_back(ConvertTabs(line));
    if (converted.size() > 1) {
        column ? InsertColumnLines(converted, colors) : InsertStreamLines(converted, colors);
        return;
    }
    const int left = CaretChar();
    const int line = CaretLine();
    const int end = InsertLine(converted, colors, 0);
    FSelType = stStreamSel;
    BlockBegin() = TPosition(left, line);
    BlockEnd() = TPosition(end, line);
    if (column)
        PlaceCaret(left, line + 1);
    else
        PlaceCaret(end, line);
}

void TCustomMemoSource::InsertColumnLines(const std::vector<std::u16string>& lines,
                                          const std::vector<std::string>* colors) {
    const int left = CaretChar();
    const int top = CaretLine();
    const int n = static_cast<int>(lines.size());
    int width = 0;
    for (int i = 0; i < n; ++i) {
        const int end = InsertLine(lines, colors, i);
        if (i == 0)
            width = end - left;
        if (i == n - 1)
            break;
        if (CaretLine() >= LineCount() - 1) {
            PlaceCaret(LineDisplayLength(CaretLine()), CaretLine());
            SplitLine();
        }
        PlaceCaret(left, CaretLine() + 1);
    }
    FSelType = stBlockSel;
    BlockBegin() = TPosition(left, top);
    BlockEnd() = TPosition(left + width - 1, top + n - 1);
}

void TCustomMemoSource::InsertStreamLines(const std::vector<std::u16string>& lines,
                                          const std::vector<std::string>* colors) {
    AddLinesToCaret();
    const int left = CaretChar();
    const int top = CaretLine();
    const int n = static_cast<int>(lines.size());
    SplitLine();
    InsertLine(lines, colors, 0);
    PlaceCaret(0, top + 1);
    const int end = InsertLine(lines, colors, n - 1);
    for (int i = 1; i < n - 1; ++i) {
        PlaceCaret(0, top + i);
        SplitLine();
        InsertLine(lines, colors, i);
    }
    FSelType = stStreamSel;
    BlockBegin() = TPosition(left, top);
    BlockEnd() = TPosition(end, top + n - 1);
    PlaceCaret(end, top + n - 1);
}

void TCustomMemoSource::InsertBlockText(const TBlockText& block) {
    InsertBlock(block.Lines, block.Type == stBlockSel,
                block.Colors.empty() ? nullptr : &block.Colors);
}

void TCustomMemoSource::InsertTextBlock(const std::u16string& text) {
    TMemoUpdate update(*this, ucLinesInsert);
    const TSelectionType type = FSelType;
    const TRect r = GetSelectionRect();
    InsertBlock(SplitAtLineBreaks(text), false);
    FSelType = type;
    BlockBegin() = TPosition(r.Left, r.Top);
    BlockEnd() = TPosition(r.Right, r.Bottom);
}

void TCustomMemoSource::InsertGuid() {
    InsertTextBlock(u"['" + GuidToString(NewGuid()) + u"']");
}

void TCustomMemoSource::MoveOrCopyBlock(bool move) {
    if (!HasSelection() || IsInSelection(CaretChar(), CaretLine()))
        return;
    if (move && !SelectionEditable())
        return;
    TMemoUpdate update(*this, ucMoveBlock);
    const TBlockText block = SelectedBlock();
    TPosition* target = AddTempPosition(CaretChar(), CaretLine());
    if (move)
        DeleteSelection();
    PlaceCaret(target->CharPos, target->LinePos);
    RemoveTempPosition(target);
    InsertBlockText(block);
}

void TCustomMemoSource::DuplicateBlock() {
    if (!HasSelection())
        return;
    TMemoUpdate update(*this, ucDuplicateBlock);
    const TBlockText block = SelectedBlock();
    InsertBlockText(block);
}

void TCustomMemoSource::ClearDocument() {
    TMemoUpdate update(*this, ucClear);
    // Selected directly: clearing must not depend on BlockOption.
    const int last = LineCount() - 1;
    if (last >= 0) {
        FSelType = stStreamSel;
        BlockBegin() = TPosition(0, 0);
        BlockEnd() = TPosition(LineDisplayLength(last), last);
        DeleteSelection();
    }
    PlaceCaret(0, 0);
}

} // namespace tessorin
