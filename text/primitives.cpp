// The five primitives every edit is built from. Each records its undo
// information and carries the positions along.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

int TrailingBlanks(const std::u16string& text) {
    int n = 0;
    while (n < static_cast<int>(text.size()) && IsBlank(text[text.size() - 1 - n]))
        ++n;
    return n;
}

} // namespace

int TCustomMemoSource::LineEndColumn(int line) const {
    const std::u16string& text = LineText(line);
    if (FKeepTrailingBlanks)
        return FTabs.DisplayLength(text);
    return FTabs.IndexToColumn(text, static_cast<int>(text.size()) - TrailingBlanks(text));
}

void TCustomMemoSource::MoveCaret(int deltaLines, int deltaChars) {
    if (!FReplaying) {
        if (OnCaretMove)
            OnCaretMove(deltaLines, deltaChars);
        const int lastLine = std::max(LineCount() - 1, 0);
        if (!HasOption(soBeyondFileEnd) && CaretLine() + deltaLines > lastLine)
            deltaLines = lastLine - CaretLine();
        const int line = CaretLine() + deltaLines;
        int column = std::max(CaretChar() + deltaChars, 0);
        if (HasOption(soLimitEOL))
            column = std::min(column, LineDisplayLength(line));
        if (HasOption(soCursorAlwaysOnTabs)) {
            const int start = FTabs.TabStartInside(LineText(line), column);
            const int end = start < 0 ? 0 : FTabs.NextStop(start);
            if (start >= 0)
                column = (column - start < end - column) ? start : end;
        }
        deltaChars = column - CaretChar();
    }
    deltaLines = std::max(deltaLines, -CaretLine());
    deltaChars = std::max(deltaChars, -CaretChar());
    if (deltaLines == 0 && deltaChars == 0 && !FGotoBookmark)
        return;
    TMemoUpdate update(*this, ucCaretMove);
    // Undoable, so that undo and redo give back the exact text.
    if (deltaLines != 0 && !FKeepTrailingBlanks && !FReplaying && CaretLine() < LineCount())
        DeleteTrailingBlanksBefore(CaretChar());
    ApplyCaretMove(deltaLines, deltaChars);
    if (FExplicitPosition && IsLineHidden(CaretLine()))
        ExpandRegionAbove(CaretLine());
}

void TCustomMemoSource::ApplyCaretMove(int deltaLines, int deltaChars) {
    if (TUndoRecord* r = NewRecord(TUndoKind::ukCaretMove)) {
        r->A = deltaLines;
        r->B = deltaChars;
    }
    CaretPos().LinePos += deltaLines;
    CaretPos().CharPos += deltaChars;
}

void TCustomMemoSource::SetCaret(int column, int line) {
    FExplicitPosition = true;
    try {
        MoveCaret(line - CaretLine(), column - CaretChar());
    } catch (...) {
        FExplicitPosition = false;
        throw;
    }
    FExplicitPosition = false;
}

void TCustomMemoSource::InsertFiller(int column, int count) {
    // Spaces that keep columns in place (padding past the line end, or the
    // part of a tab before the caret). Undo must remove them too, so they
    // are an insertion of their own, enclosed in a block.
    BeginUndoBlock();
    const int back = column - CaretChar();
    ApplyCaretMove(0, back);
    TStringItem& item = *LineItem(CaretLine());
    const int index = FTabs.ColumnToIndex(item.Text, column);
    if (KeepColors(item))
        item.ColorData.insert(index, count, item.ColorData[std::max(index - 1, 0)]);
    item.Text.insert(index, count, u' ');
    FLines.TextEdited(CaretLine());
    if (TUndoRecord* r = NewRecord(TUndoKind::ukInsert))
        r->A = count;
    ApplyCaretMove(0, -back);
    EndUndoBlock();
}

bool TCustomMemoSource::InsertText(const std::u16string& text, const std::string* colors) {
    if (text.empty() || FReadOnly || IsLineReadOnly(CaretLine()))
        return false;
    TMemoUpdate update(*this, ucInsertText);
    AddLinesToCaret();
    if (CaretLine() >= LineCount())
        return false;
    const int line = CaretLine();
    const int column = CaretChar();
    const int length = LineDisplayLength(line);
    const int tabStart = FTabs.TabStartInside(LineText(line), column);
    if (column > length)
        InsertFiller(length, column - length);
    else if (tabStart >= 0)
        InsertFiller(tabStart, column - tabStart);
    TStringItem& item = *LineItem(line);
    const int index = FTabs.ColumnToIndex(item.Text, column);
    const int before = FTabs.DisplayLength(item.Text);
    if (KeepColors(item))
        item.ColorData.insert(index, InsertColors(item, index, text.size(), colors));
    item.Text.insert(index, text);
    FLines.TextEdited(line);
    if (TUndoRecord* r = NewRecord(TUndoKind::ukInsert))
        r->A = static_cast<int>(text.size());
    const int width = FTabs.DisplayLength(item.Text) - before;
    FPositions.Adjust(TEditKind::ekInsert, width);
    FBookmarks.Inserted(column, line, width);
    MarkChanged(line, line);
    return true;
}

void TCustomMemoSource::AddLinesToCaret() {
    if (LineCount() == 0)
        FLines.Insert(0, {}); // the same text as an empty document
    const int line = CaretLine();
    const int column = CaretChar();
    if (line < LineCount())
        return;
    // Recorded as splits at the end of the document, so undo removes them.
    BeginUndoBlock();
    const int last = LineCount() - 1;
    ApplyCaretMove(last - line, LineDisplayLength(last) - column);
    while (LineCount() <= line) {
        const int before = LineCount();
        SplitLine();
        if (LineCount() == before)
            break;
        ApplyCaretMove(1, -CaretChar());
    }
    ApplyCaretMove(line - CaretLine(), column - CaretChar());
    EndUndoBlock();
}

void TCustomMemoSource::DeleteChars(int count) {
    const int line = CaretLine();
    if (count <= 0 || FReadOnly || line >= LineCount() || IsLineReadOnly(line))
        return;
    const int column = CaretChar();
    if (column >= LineDisplayLength(line))
        return;
    TMemoUpdate update(*this, ucDeleteChars);
    const int tabStart = FTabs.TabStartInside(LineText(line), column);
    if (tabStart >= 0)
        InsertFiller(tabStart, column - tabStart);
    TStringItem& item = *LineItem(line);
    const int index = FTabs.ColumnToIndex(item.Text, column);
    const int n = std::min<long long>(count, static_cast<long long>(item.Text.size()) - index);
    const int before = FTabs.DisplayLength(item.Text);
    TUndoRecord* r = NewRecord(TUndoKind::ukDelete);
    if (r)
        r->Text = item.Text.substr(index, n);
    if (index < static_cast<int>(item.ColorData.size())) {
        if (r)
            r->Colors = item.ColorData.substr(index, n);
        item.ColorData.erase(index, n);
    }
    item.Text.erase(index, n);
    FLines.TextEdited(line);
    const int width = before - FTabs.DisplayLength(item.Text);
    FPositions.Adjust(TEditKind::ekDelete, width);
    FBookmarks.Deleted(column, line, width);
    MarkChanged(line, line);
    DropIfSingleEmptyLine();
}

void TCustomMemoSource::DropIfSingleEmptyLine() {
    if (LineCount() == 1 && LineText(0).empty()) {
        FLines.Clear();
        FHiddenLines.clear();
    }
}

void TCustomMemoSource::MergeLineAttributes(TStringItem& from, TStringItem& to) {
    to.GutterImages |= from.GutterImages;
    if (to.LineStyle == 0)
        to.LineStyle = from.LineStyle;
    if (!to.LineObject)
        to.LineObject = from.LineObject;
    from.GutterImages = 0;
    from.LineStyle = 0;
    from.LineObject = nullptr;
}

void TCustomMemoSource::SplitLine() {
    if (FReadOnly)
        return;
    if (LineCount() == 0)
        FLines.Insert(0, {});
    const int line = CaretLine();
    if (line >= LineCount() || IsLineReadOnly(line))
        return;
    TMemoUpdate update(*this, ucSplitLine);
    ExpandCollapsedAt(line);
    const int column = CaretChar();
    TStringItem& upper = *LineItem(line);
    const int index =
        std::min(FTabs.ColumnToIndex(upper.Text, column), static_cast<int>(upper.Text.size()));
    if (!FReplaying)
        FTypedStyle = ColorByteAt(upper.ColorData, index);
    FLines.Insert(line + 1, upper.Text.substr(index));
    ShiftHiddenLines(line + 1, 1);
    TStringItem& lower = *LineItem(line + 1);
    upper.Text.resize(index);
    FLines.TextEdited(line);
    if (index < static_cast<int>(upper.ColorData.size())) {
        lower.ColorData = upper.ColorData.substr(index);
        upper.ColorData.resize(index);
    }
    if (upper.LineFlags & lfRegionBits)
        MarkRegionBody(line + 1);
    if (column == 0)
        lower.LineTag = upper.LineTag;
    if (column == 0 || upper.Text.empty())
        MergeLineAttributes(upper, lower);
    NewRecord(TUndoKind::ukSplit);
    FPositions.Adjust(TEditKind::ekSplit, 0);
    FBookmarks.Split(column, line);
    if (!FReplaying)
        DeleteTrailingBlanksBefore(column);
    MarkChanged(line, INT_MAX);
}

void TCustomMemoSource::DeleteTrailingBlanksBefore(int column) {
    const std::u16string& text = LineText(CaretLine());
    const int blanks = TrailingBlanks(text);
    if (blanks == 0)
        return;
    const int start = FTabs.IndexToColumn(text, static_cast<int>(text.size()) - blanks);
    BeginUndoBlock();
    ApplyCaretMove(0, start - column);
    DeleteChars(INT_MAX);
    ApplyCaretMove(0, column - start);
    EndUndoBlock();
}

void TCustomMemoSource::JoinLines() {
    const int line = CaretLine();
    if (FReadOnly || line >= LineCount() - 1 || IsLineReadOnly(line) || IsLineReadOnly(line + 1))
        return;
    const int column = CaretChar();
    const int length = LineDisplayLength(line);
    if (column < length)
        return;
    TMemoUpdate update(*this, ucJoinLines);
    ExpandCollapsedAt(line);
    ExpandCollapsedAt(line + 1);
    // A replayed join undoes a split made past the end: nothing to pad.
    if (column > length && !FReplaying)
        InsertFiller(length, column - length);
    TStringItem& upper = *LineItem(line);
    TStringItem& lower = *LineItem(line + 1);
    const int joinedAt = FTabs.DisplayLength(upper.Text);
    if (column == 0 && upper.Text.empty())
        upper.LineTag = lower.LineTag;
    if (!upper.ColorData.empty() || !lower.ColorData.empty()) {
        upper.ColorData.resize(upper.Text.size(),
                               upper.ColorData.empty() ? '\0' : upper.ColorData.back());
        upper.ColorData += lower.ColorData;
    }
    upper.Text += lower.Text;
    FLines.TextEdited(line);
    MergeLineAttributes(lower, upper);
    FLines.Delete(line + 1);
    ShiftHiddenLines(line + 1, -1);
    NewRecord(TUndoKind::ukJoin);
    FPositions.Adjust(TEditKind::ekJoin, 0);
    FBookmarks.Joined(line, joinedAt);
    MarkChanged(line, INT_MAX);
    DropIfSingleEmptyLine();
}

} // namespace tessorin
