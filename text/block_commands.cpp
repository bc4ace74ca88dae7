// Commands that rewrite the selected text line by line, their word
// variants, and the word deletions.
#include "core/case_mapping.h"
#include "text/memo_source.h"

namespace tessorin {
namespace {

std::u16string ToggleCase(const std::u16string& line) {
    std::u16string result = line;
    for (char16_t& c : result) {
        const char16_t upper = UpperCase(std::u16string_view(&c, 1))[0];
        c = upper != c ? upper : LowerCase(std::u16string_view(&c, 1))[0];
    }
    return result;
}

} // namespace

TCustomMemoSource::TBlockText TCustomMemoSource::SelectedBlock() const {
    TBlockText block;
    block.Type = FSelType;
    const TRect r = GetSelectionRect();
    const bool withColors = FSyntaxParser && FSelType == stStreamSel;
    for (int i = 0; i < FSelectionStrings.Count(); ++i) {
        block.Lines.push_back(FSelectionStrings.Get(i));
        if (!withColors)
            continue;
        const TStringItem& item = *LineItem(r.Top + i);
        const int from = i == 0 ? FTabs.ColumnToIndex(item.Text, r.Left) : 0;
        block.Colors.push_back(from < static_cast<int>(item.ColorData.size())
                                   ? item.ColorData.substr(from, block.Lines.back().size())
                                   : std::string());
    }
    return block;
}

bool TCustomMemoSource::SelectionEditable() const {
    // Re-inserting text around a line that refused its deletion would
    // duplicate that line's text.
    if (FReadOnly)
        return false;
    const TRect r = GetSelectionRect();
    for (int line = r.Top; line <= r.Bottom; ++line)
        if (IsLineReadOnly(line))
            return false;
    return true;
}

void TCustomMemoSource::TransformBlock(std::uint8_t code, const TLineFunction& function) {
    if (!HasSelection() || !SelectionEditable())
        return;
    TMemoUpdate update(*this, code);
    TLongestLine::TBlock inBlock(FLines.Longest());
    TBlockText block = SelectedBlock();
    const TRect r = GetSelectionRect();
    // A stream selection ending at column 0 holds nothing of its last line.
    const bool lastLineEmpty = block.Type == stStreamSel && r.Right == 0 && r.Bottom > r.Top;
    const size_t count = block.Lines.size() - (lastLineEmpty ? 1 : 0);
    for (size_t i = 0; i < count; ++i) {
        std::u16string changed = function(block.Lines[i]);
        // Colours no longer line up with a line that changed its length.
        if (changed.size() != block.Lines[i].size() && i < block.Colors.size())
            block.Colors[i].clear();
        block.Lines[i] = std::move(changed);
    }
    const TPosition caret = Caret();
    DeleteSelection();
    PlaceCaret(r.Left, r.Top);
    InsertBlockText(block);
    PlaceCaret(caret.CharPos, caret.LinePos);
}

void TCustomMemoSource::UpperCaseBlock() {
    TransformBlock(ucUpperCase, [](const std::u16string& line) { return UpperCase(line); });
}

void TCustomMemoSource::LowerCaseBlock() {
    TransformBlock(ucLowerCase, [](const std::u16string& line) { return LowerCase(line); });
}

void TCustomMemoSource::ToggleCaseBlock() {
    TransformBlock(ucToggleCase, ToggleCase);
}

void TCustomMemoSource::CapitalizeBlock() {
    TransformBlock(ucCapitalizeBlock, [this](const std::u16string& line) {
        std::u16string result = LowerCase(line);
        for (size_t i = 0; i < result.size(); ++i)
            if (!IsDelimiter(result[i]) && (i == 0 || IsDelimiter(result[i - 1])))
                result[i] = UpperCase(result.substr(i, 1))[0];
        return result;
    });
}

void TCustomMemoSource::QuoteBlock() {
    TransformBlock(ucQuoteBlock, [](const std::u16string& line) { return u">" + line; });
}

void TCustomMemoSource::TransformWord(std::uint8_t code,
                                      void (TCustomMemoSource::*blockCommand)()) {
    int start = 0, end = 0;
    if (!WordAt(CaretLine(), CaretChar(), wsWordOnly, start, end))
        return;
    TMemoUpdate update(*this, code);
    const TSelectionType type = FSelType;
    const TRect r = GetSelectionRect();
    const TPosition caret = Caret();
    SelectWord(wsWordOnly);
    if (HasSelection())
        (this->*blockCommand)();
    FSelType = type;
    BlockBegin() = TPosition(r.Left, r.Top);
    BlockEnd() = TPosition(r.Right, r.Bottom);
    PlaceCaret(caret.CharPos, caret.LinePos);
}

void TCustomMemoSource::UpperCaseWord() {
    TransformWord(ucUpperCaseWord, &TCustomMemoSource::UpperCaseBlock);
}

void TCustomMemoSource::LowerCaseWord() {
    TransformWord(ucLowerCaseWord, &TCustomMemoSource::LowerCaseBlock);
}

void TCustomMemoSource::CapitalizeWord() {
    TransformWord(ucCapitalizeWord, &TCustomMemoSource::CapitalizeBlock);
}

void TCustomMemoSource::DeleteSpan(TPoint from, TPoint to) {
    const TSelectionType type = FSelType;
    const TRect r = GetSelectionRect();
    FSelType = stStreamSel;
    BlockBegin() = TPosition(from.X, from.Y);
    BlockEnd() = TPosition(to.X, to.Y);
    DeleteSelection();
    FSelType = type;
    BlockBegin() = TPosition(r.Left, r.Top);
    BlockEnd() = TPosition(r.Right, r.Bottom);
}

void TCustomMemoSource::DeleteWordRight() {
    TMemoUpdate update(*this, ucDeleteWordRight);
    const TPoint from{CaretChar(), CaretLine()};
    CaretWordRight();
    DeleteSpan(from, {CaretChar(), CaretLine()});
}

void TCustomMemoSource::DeleteWordLeft() {
    TMemoUpdate update(*this, ucDeleteWordLeft);
    const TPoint to{CaretChar(), CaretLine()};
    CaretWordLeft();
    DeleteSpan({CaretChar(), CaretLine()}, to);
}

void TCustomMemoSource::DeleteWord() {
    TMemoUpdate update(*this, ucDeleteWordRight);
    const std::u16string text = FTabs.Expand(LineText(CaretLine()));
    const int n = static_cast<int>(text.size());
    const int start = CaretChar();
    if (start >= n) {
        JoinLines();
        return;
    }
    int end = start;
    if (IsDelimiter(text[start])) {
        while (end < n && IsDelimiter(text[end]))
            ++end;
    } else {
        while (end < n && !IsDelimiter(text[end]))
            ++end;
        if (end < n && text[end] == u' ')
            ++end;
    }
    DeleteSpan({start, CaretLine()}, {end, CaretLine()});
}

} // namespace tessorin
