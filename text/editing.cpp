// Typing, deleting and line commands built from the primitives.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {
namespace {

int LeadingSpaces(const std::u16string& expanded) {
    const size_t n = expanded.find_first_not_of(u' ');
    return static_cast<int>(n == std::u16string::npos ? expanded.size() : n);
}

} // namespace

void TCustomMemoSource::CaretTo(int column, int line) {
    MoveCaret(line - CaretLine(), column - CaretChar());
}

int TCustomMemoSource::LineIndent(int line) const {
    return LeadingSpaces(FTabs.Expand(LineText(line)));
}

void TCustomMemoSource::TypeChar(char16_t c) {
    if (IsEditBlocked())
        return;
    TMemoUpdate update(*this, ucInsertText);
    FTypedStyle = StyleAtCaret();
    const bool persistent = HasOption(soPersistentBlocks);
    const bool keepRect = persistent && !InsertMode();
    const TRect rect = GetSelectionRect();
    const TSelectionType type = FSelType;
    if (OverwritesSelection())
        DeleteSelection();
    if (!InsertMode())
        DeleteChars(1);
    if (InsertText(std::u16string(1, c)))
        MoveCaret(0, 1);
    if (keepRect) {
        FSelType = type;
        BlockBegin() = TPosition(rect.Left, rect.Top);
        BlockEnd() = TPosition(rect.Right, rect.Bottom);
    } else if (!persistent && !HasOption(soOverwriteBlocks)) {
        DropSelection();
    }
}

void TCustomMemoSource::Backspace() {
    if (FReadOnly)
        return;
    TMemoUpdate update(*this, ucBackspace);
    if (OverwritesSelection()) {
        DeleteSelection();
        return;
    }
    const int line = CaretLine();
    const int column = CaretChar();
    if (column == 0) {
        if (line == 0)
            return;
        CaretTo(LineEndColumn(line - 1), line - 1);
        DeleteChars(INT_MAX); // blanks kept past the end would block the join
        JoinLines();
        return;
    }
    if (line >= LineCount() || column > LineDisplayLength(line)) {
        MoveCaret(0, -1);
        return;
    }
    const std::u16string expanded = FTabs.Expand(LineText(line));
    const bool onFirstNonSpace = LeadingSpaces(expanded) == column;
    if (HasOption(soBackUnindents) && onFirstNonSpace) {
        BackUnindent(BackUnindentTarget());
        return;
    }
    CaretLeft();
    DeleteChars(1);
}

int TCustomMemoSource::BackUnindentTarget() const {
    const int column = CaretChar();
    int above = 0;
    for (int i = CaretLine() - 1; i >= 1 && above == 0; --i)
        if (!LineText(i).empty() && LineIndent(i) < column)
            above = i;
    const std::u16string text = FTabs.Expand(LineText(above));
    int p = std::min(column, static_cast<int>(text.size()));
    while (p > 0 && text[p - 1] == u' ')
        --p;
    while (p > 0 && text[p - 1] != u' ')
        --p;
    return p;
}

void TCustomMemoSource::BackUnindent(int target) {
    const int column = CaretChar();
    const std::u16string& text = LineText(CaretLine());
    if (HasOption(soUseTabCharacter)) {
        const int count = FTabs.ColumnToIndex(text, column) - FTabs.ColumnToIndex(text, target);
        CaretTo(target, CaretLine());
        DeleteChars(count);
        const int indent = LineIndent(CaretLine());
        if (indent < target) {
            CaretTo(indent, CaretLine());
            InsertText(std::u16string(target - indent, u' '));
        }
    } else {
        CaretTo(0, CaretLine());
        DeleteChars(column - target);
    }
    CaretTo(target, CaretLine());
}

void TCustomMemoSource::DeleteChar() {
    TMemoUpdate update(*this, ucDeleteChars);
    if (OverwritesSelection())
        DeleteSelection();
    else if (CaretChar() < LineDisplayLength(CaretLine()))
        DeleteChars(1);
    else
        JoinLines();
}

void TCustomMemoSource::DeleteLine() {
    TMemoUpdate update(*this, ucDeleteLine);
    CaretTo(0, CaretLine());
    DeleteChars(INT_MAX);
    JoinLines();
}

void TCustomMemoSource::DeleteToLineStart() {
    TMemoUpdate update(*this, ucDeleteToLineStart);
    const std::u16string& text = LineText(CaretLine());
    const int count =
        std::min(FTabs.ColumnToIndex(text, CaretChar()), static_cast<int>(text.size()));
    CaretTo(0, CaretLine());
    DeleteChars(count);
}

void TCustomMemoSource::DeleteToLineEnd() {
    TMemoUpdate update(*this, ucDeleteChars);
    DeleteChars(INT_MAX);
}

void TCustomMemoSource::DeleteSelection() {
    if (!HasSelection())
        return;
    TMemoUpdate update(*this, ucDeleteBlock);
    TLongestLine::TBlock inBlock(FLines.Longest());
    const TRect r = GetSelectionRect();
    const bool stream = FSelType == stStreamSel;
    TPosition* keep = nullptr;
    if (stream && r.Top < r.Bottom) {
        CaretTo(r.Right, r.Bottom);
        keep = AddTempPosition(CaretChar(), CaretLine());
        DeleteToLineStart();
        for (int k = r.Top + 1; k < r.Bottom; ++k) {
            CaretTo(0, r.Top + 1);
            DeleteChars(INT_MAX);
            JoinLines();
        }
        CaretTo(r.Left, r.Top);
        DeleteChars(INT_MAX);
        JoinLines();
    } else {
        keep = AddTempPosition(CaretChar(), CaretLine());
        const int width = r.Right - r.Left + (stream ? 0 : 1);
        for (int line = r.Top; line <= r.Bottom; ++line) {
            const std::u16string& text = LineText(line);
            const int from = FTabs.ColumnToIndex(text, r.Left);
            const int tabStart = FTabs.TabStartInside(text, r.Left);
            CaretTo(tabStart >= 0 ? tabStart : r.Left, line);
            DeleteChars(FTabs.ColumnToIndex(text, r.Left + width) - from);
        }
    }
    DropSelection();
    CaretTo(keep->CharPos, keep->LinePos);
    RemoveTempPosition(keep);
}

void TCustomMemoSource::NewLine() {
    TMemoUpdate update(*this, ucNewLine);
    const bool autoIndent = HasOption(soAutoIndent);
    const int line = CaretLine();
    const int column = CaretChar();
    const std::u16string expanded = FTabs.Expand(LineText(line));
    if (!InsertMode()) {
        int target = 0;
        if (autoIndent)
            target = (!expanded.empty() && column <= LeadingSpaces(expanded))
                         ? column
                         : LineIndent(line + 1);
        if (OnIndent)
            OnIndent(target);
        CaretTo(target, line + 1);
        return;
    }
    if (OverwritesSelection())
        DeleteSelection();
    const bool prevIndent =
        autoIndent && HasOption(soUseTabCharacter) && HasOption(soUsePrevIndent);
    const std::u16string raw = prevIndent ? LineText(CaretLine()) : std::u16string();
    const int at = CaretChar();
    const std::u16string text = FTabs.Expand(LineText(CaretLine()));
    SplitLine();
    int indent = 0;
    if (autoIndent)
        indent = NewLineIndent(text, at);
    if (OnIndent)
        OnIndent(indent);
    CaretTo(0, CaretLine() + 1);
    if (autoIndent)
        InsertIndent(indent, raw);
}

int TCustomMemoSource::NewLineIndent(const std::u16string& expanded, int column) const {
    const bool insideBlanks = !expanded.empty() && !(column == 0 && expanded[0] != u' ') &&
                              column <= LeadingSpaces(expanded);
    if (insideBlanks)
        return column;
    for (int i = std::min(CaretLine(), LineCount() - 1); i >= 0; --i)
        if (!LineText(i).empty())
            return LineIndent(i);
    return 0;
}

void TCustomMemoSource::InsertIndent(int indent, const std::u16string& previousRaw) {
    std::u16string fill;
    if (!previousRaw.empty()) {
        const int end = std::min(FTabs.ColumnToIndex(previousRaw, indent),
                                 static_cast<int>(previousRaw.size()));
        for (int i = 0; i < end; ++i)
            fill.push_back(previousRaw[i] == u'\t' ? u'\t' : u' ');
    } else if (HasOption(soUseTabCharacter) && HasOption(soOptimalFill)) {
        int lastStop = 0;
        const int tabs = FTabs.StopsAtOrBelow(indent, &lastStop);
        fill.assign(tabs, u'\t');
        fill.append(indent - lastStop, u' ');
    } else {
        fill.assign(indent, u' ');
    }
    InsertText(fill);
    CaretTo(indent, CaretLine());
}

} // namespace tessorin
