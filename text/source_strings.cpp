#include "text/source_strings.h"

#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {
namespace {

// Runs a write through `Lines`: a safe update, then both undo lists emptied.
template <typename F> void Write(TCustomMemoSource& source, std::uint8_t code, F&& change) {
    {
        struct TEnd {
            TCustomMemoSource& S;
            ~TEnd() noexcept(false) { S.EndUpdate(); }
        } end{source};
        source.BeginSafeUpdate(code);
        change();
    }
    source.ClearUndo();
}

// A line as loading stores it: tabs converted, trailing blanks trimmed
// unless they are kept.
std::u16string LoadedLine(const TCustomMemoSource& source, std::u16string text) {
    text = source.ConvertTabs(std::move(text));
    if (!source.KeepTrailingBlanks()) {
        const size_t end = text.find_last_not_of(u" \t");
        text.resize(end == std::u16string::npos ? 0 : end + 1);
    }
    return text;
}

} // namespace

std::u16string TSourceStrings::Text() const {
    std::u16string result;
    for (int i = 0; i < Count(); ++i) {
        result += Get(i);
        result += u"\r\n";
    }
    return result;
}

int TExternalStrings::Count() const {
    return FSource.LineCount();
}

std::u16string TExternalStrings::Get(int i) const {
    return FSource.FLines.Get(i);
}

std::u16string TExternalStrings::Text() const {
    std::u16string result;
    for (int i = 0; i < Count(); ++i) {
        result += FSource.LineText(i);
        result += u"\r\n";
    }
    return result;
}

void TExternalStrings::Put(int i, const std::u16string& text) {
    if (i < 0 || i >= Count())
        return;
    Write(FSource, ucLinesPut, [&] {
        FSource.FLines.Put(i, FSource.ConvertTabs(text));
        FSource.MarkChanged(i, i);
    });
}

void TExternalStrings::Insert(int i, const std::u16string& text) {
    if (i < 0 || i > Count())
        return;
    if (FSource.FLoading) {
        FSource.FLines.Insert(i, LoadedLine(FSource, text));
        return;
    }
    Write(FSource, ucLinesInsert, [&] {
        FSource.CaretPos() = TPosition(0, i);
        FSource.FPositions.Adjust(TEditKind::ekSplit, 0);
        FSource.FLines.Insert(i, FSource.ConvertTabs(text));
        FSource.FBookmarks.Split(0, i);
        FSource.ShiftHiddenLines(i, 1);
        FSource.MarkChanged(i, INT_MAX);
    });
}

void TExternalStrings::Delete(int i) {
    if (i < 0 || i >= Count())
        return;
    Write(FSource, ucDeleteLine, [&] {
        FSource.CaretPos() = TPosition(0, i);
        FSource.FPositions.Adjust(TEditKind::ekDelete, FSource.LineDisplayLength(i));
        FSource.FPositions.Adjust(TEditKind::ekJoin, 0);
        FSource.FBookmarks.Deleted(0, i, FSource.LineDisplayLength(i));
        FSource.FBookmarks.Joined(i, 0);
        FSource.FLines.Delete(i);
        FSource.ShiftHiddenLines(i, -1);
        FSource.MarkChanged(i, INT_MAX);
    });
}

void TExternalStrings::Clear() {
    Write(FSource, ucClear, [&] {
        FSource.FLines.Clear();
        FSource.ResetPositions();
        FSource.MarkChanged(0, INT_MAX);
    });
}

void TExternalStrings::SetText(std::u16string_view text) {
    Write(FSource, ucLinesText, [&] { LoadLines(text); });
}

void TExternalStrings::LoadLines(std::u16string_view text) {
    FSource.FLines.Clear();
    FSource.FLoading = true;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start; // a plain loop: find_first_of tests the set per character
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        FSource.FLines.Insert(Count(),
                              LoadedLine(FSource, std::u16string(text.substr(start, end - start))));
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    FSource.FLoading = false;
    FSource.ResetPositions();
    FSource.MarkChanged(0, INT_MAX);
}

void TExternalStrings::Assign(const TSourceStrings& other) {
    if (&other == this)
        return;
    Write(FSource, ucLinesText, [&] {
        FSource.FLines.Clear();
        FSource.FLoading = true;
        for (int i = 0; i < other.Count(); ++i)
            Add(other.Get(i));
        FSource.FLoading = false;
        FSource.ResetPositions();
        FSource.MarkChanged(0, INT_MAX);
    });
}

void TExternalStrings::BeginUpdate() {
    FSource.BeginSafeUpdate(ucLinesText);
}

void TExternalStrings::EndUpdate() {
    FSource.EndUpdate();
    FSource.ClearUndo();
}

int TSelectionStrings::Count() const {
    if (!FSource.HasSelection())
        return 0;
    const TRect r = FSource.GetSelectionRect();
    return r.Bottom - r.Top + 1;
}

std::u16string TSelectionStrings::Get(int i) const {
    if (i < 0 || i >= Count())
        return {};
    const TRect r = FSource.GetSelectionRect();
    const int line = r.Top + i;
    const TTabRack& tabs = FSource.TabRack();
    if (FSource.SelectionType() == stBlockSel) {
        std::u16string text = tabs.Expand(FSource.LineText(line));
        text.resize(std::max<size_t>(text.size(), r.Right + 1), u' ');
        return text.substr(r.Left, r.Right - r.Left + 1);
    }
    const std::u16string& text = FSource.LineText(line);
    const int n = static_cast<int>(text.size());
    const int from = line == r.Top ? std::min(tabs.ColumnToIndex(text, r.Left), n) : 0;
    const int to = line == r.Bottom ? std::min(tabs.ColumnToIndex(text, r.Right), n) : n;
    return to > from ? text.substr(from, to - from) : std::u16string();
}

void TSelectionStrings::Clear() {
    FSource.DeleteSelection();
}

} // namespace tessorin
