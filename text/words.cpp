// The word rule, word selection and bracket matching.
#include "text/memo_source.h"

namespace tessorin {
namespace {

constexpr char styleString = 1;
constexpr char styleComment = 2;

// The bracket partner of c in the given direction, or 0.
char16_t Partner(char16_t c, bool forward) {
    const std::u16string_view opens = u"(<[{", closes = u")>]}";
    const size_t k = (forward ? opens : closes).find(c);
    return k == std::u16string_view::npos ? 0 : (forward ? closes : opens)[k];
}

} // namespace

bool TCustomMemoSource::IsDelimiter(char16_t c) const {
    return c <= 32 || FDelimeters.find(c) != std::u16string::npos;
}

bool TCustomMemoSource::WordAt(int line, int column, TWordSelectionType type, int& start,
                               int& end) const {
    const std::u16string text = FTabs.Expand(LineText(line));
    const int n = static_cast<int>(text.size());
    if (n == 0)
        return false;
    // p counts from 1, as a position between characters.
    const int first = std::min(column + 1, n);
    int p = first;
    while (p >= 1 && IsDelimiter(text[p - 1]))
        --p;
    if (p == 0)
        p = first;
    else
        while (p > 1 && !IsDelimiter(text[p - 2]))
            --p;
    while (p <= n && IsDelimiter(text[p - 1]))
        ++p;
    if (p > n)
        return false;
    start = p - 1;
    end = start;
    while (end < n && !IsDelimiter(text[end]))
        ++end;
    if (type == wsWordWithSpace && end < n && text[end] == u' ')
        ++end;
    else if (type == wsUntilNextWord)
        while (end < n && IsDelimiter(text[end]))
            ++end;
    return true;
}

void TCustomMemoSource::SelectWord(TWordSelectionType type) {
    TMemoUpdate update(*this, ucSelectWord);
    int start = 0, end = 0;
    const TSelectionType selType = FilterSelectionType(stStreamSel);
    if (selType == stNotSelected || !WordAt(CaretLine(), CaretChar(), type, start, end))
        return;
    FSelType = selType;
    BlockBegin() = TPosition(start, CaretLine());
    BlockEnd() = TPosition(end, CaretLine());
    MoveCaret(0, end - CaretChar());
}

bool TCustomMemoSource::FindBracket(bool forward, char16_t open, char16_t close,
                                    TPoint& found) const {
    // found holds the starting character index and line on entry.
    const int step = forward ? 1 : -1;
    int depth = 0;
    for (int line = found.Y; line >= 0 && line < LineCount(); line += step) {
        const std::u16string& text = LineText(line);
        const std::string& colors = LineItem(line)->ColorData;
        int i = line == found.Y ? found.X + step : (forward ? 0 : int(text.size()) - 1);
        for (; i >= 0 && i < static_cast<int>(text.size()); i += step) {
            const bool quoted = i < static_cast<int>(colors.size()) &&
                                (colors[i] == styleString || colors[i] == styleComment);
            if (quoted)
                continue;
            if (text[i] == open)
                ++depth;
            else if (text[i] == close && depth-- == 0) {
                found = {i, line};
                return true;
            }
        }
    }
    return false;
}

void TCustomMemoSource::MatchBracket() {
    const std::u16string& text = LineText(CaretLine());
    const int index = FTabs.ColumnToIndex(text, CaretChar());
    const char16_t c = index < static_cast<int>(text.size()) ? text[index] : 0;
    if (Partner(c, false))
        MatchBracketBackward();
    else
        MatchBracketForward();
}

void TCustomMemoSource::MatchBracketForward() {
    MatchBracketIn(true);
}

void TCustomMemoSource::MatchBracketBackward() {
    MatchBracketIn(false);
}

void TCustomMemoSource::MatchBracketIn(bool forward) {
    TPoint at{CaretChar(), CaretLine()};
    const TRect r = GetSelectionRect();
    if (HasSelection() && FSelType == stStreamSel && r.Top == r.Bottom && r.Right - r.Left == 1)
        at = {r.Left, r.Top};
    const std::u16string& text = LineText(at.Y);
    at.X = FTabs.ColumnToIndex(text, at.X);
    const char16_t c = at.X < static_cast<int>(text.size()) ? text[at.X] : 0;
    const char16_t partner = Partner(c, forward);
    if (partner == 0 || !FindBracket(forward, c, partner, at))
        return;
    SetCaret(FTabs.IndexToColumn(LineText(at.Y), at.X), at.Y);
}

} // namespace tessorin
