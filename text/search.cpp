// Search once: the rows and the start, the scan in either direction with
// the whole-word rule, and where a hit leaves caret and selection.
#include <algorithm>
#include <climits>
#include <cstring>

#include "text/search_engine.h"

namespace tessorin {
namespace {

constexpr const char16_t* blockInvalid = u"Tried to search marked block but it is invalid";
constexpr const char16_t* cursorOutsideBlock =
    u"Tried to search marked block from cursor but cursor is outside block";

// memchr finds the byte 9 far faster than a loop finds the character; a
// byte 9 that is half of another character is passed over.
bool ContainsTab(std::u16string_view text) {
    const char* bytes = reinterpret_cast<const char*>(text.data());
    const size_t size = text.size() * sizeof(char16_t);
    for (size_t at = 0; at < size;) {
        const void* hit = std::memchr(bytes + at, '\t', size - at);
        if (!hit)
            return false;
        const size_t k = static_cast<const char*>(hit) - bytes;
        if (text[k / sizeof(char16_t)] == u'\t')
            return true;
        at = k + 1;
    }
    return false;
}

std::u16string_view TrimTrailingBlanks(std::u16string_view row) {
    const size_t end = row.find_last_not_of(u' ');
    return row.substr(0, end == std::u16string_view::npos ? 0 : end + 1);
}

// Keeps the selection through the search's caret moves.
class TKeepSelection {
public:
    explicit TKeepSelection(int& counter) : FCounter(counter) { ++FCounter; }
    ~TKeepSelection() { --FCounter; }
    TKeepSelection(const TKeepSelection&) = delete;
    TKeepSelection& operator=(const TKeepSelection&) = delete;

private:
    int& FCounter;
};

} // namespace

std::u16string DoubleAmpersands(std::u16string_view text) {
    std::u16string result;
    for (const char16_t c : text) {
        result += c;
        if (c == u'&')
            result += c;
    }
    return result;
}

TSearchEngine::TSearchEngine(TCustomMemoSource& source)
    : FSource(source), FOptions(TSearchOptions::Global()) {}

bool TSearchEngine::SearchOnce() {
    TKeepSelection keep(FSource.FKeepSelection);
    if (FSource.OnBeforeSearch)
        FSource.OnBeforeSearch(false);
    const bool hadSelection = FSource.HasSelection();
    if (FOptions.Scope == ssSelectedText && !hadSelection) {
        if (FOptions.FirstSearch)
            Report(TException(blockInvalid), true);
        return false;
    }
    TMemoUpdate update(FSource, ucSearch);
    if (FOptions.WholeWordsOnly && !FOptions.RegularExpr &&
        std::any_of(FOptions.TextToFind.begin(), FOptions.TextToFind.end(),
                    [this](char16_t c) { return FSource.IsDelimiter(c); }))
        FOptions.WholeWordsOnly = false;
    SetUpRows();
    if (FInSelection && FOptions.FirstSearch && FOptions.Origin == soFromCursor &&
        !FSource.IsInSelection(FSource.CaretChar(), FSource.CaretLine())) {
        Report(TException(cursorOutsideBlock), true);
        return false;
    }
    bool fromCaret = true;
    TPlace start = StartPlace(fromCaret);
    FOptions.FirstSearch = false;
    THit hit{};
    bool found = false;
    try {
        PrepareMatcher();
        // Repeated searches for a bare line start or end must move on;
        // the start of the scope is no earlier hit.
        if (fromCaret && IsLinePattern())
            start.Position += FOptions.Direction == sdForward ? 1 : -1;
        found = Scan(start, hit);
    } catch (const TException& e) {
        Report(e, false);
        return false;
    }
    if (found) {
        if (fromCaret)
            StepOverEmptyMatch(start, hit);
        TakeHit(hit, hadSelection);
    } else if (FOptions.ShowNotFound) {
        Report(
            TException(u"Search string '" + DoubleAmpersands(FOptions.TextToFind) + u"' not found"),
            false);
    }
    return found;
}

void TSearchEngine::SetUpRows() {
    FInSelection = FOptions.Scope == ssSelectedText;
    FSelection = FSource.GetSelectionRect();
    FRowCount = FInSelection ? FSource.SelectionStrings().Count() : FSource.LineCount();
}

std::u16string_view TSearchEngine::Row(int row) {
    const int line = row + (FInSelection ? FSelection.Top : 0);
    const std::u16string& raw = FSource.LineText(line);
    std::u16string_view text = raw;
    if (ContainsTab(raw)) {
        FRowBuffer = FSource.TabRack().Expand(raw);
        text = FRowBuffer;
    }
    if (!FInSelection)
        return text;
    const TRect& r = FSelection;
    if (FSource.SelectionType() == stBlockSel) {
        if (text.data() != FRowBuffer.data())
            FRowBuffer.assign(text);
        FRowBuffer.resize(std::max<size_t>(FRowBuffer.size(), r.Right + 1), u' ');
        return std::u16string_view(FRowBuffer).substr(r.Left, r.Right - r.Left + 1);
    }
    const size_t from = row == 0 ? std::min<size_t>(r.Left, text.size()) : 0;
    const size_t to = line == r.Bottom ? std::min<size_t>(r.Right, text.size()) : text.size();
    return to > from ? text.substr(from, to - from) : std::u16string_view();
}

int TSearchEngine::RowLeft(int row) const {
    if (!FInSelection)
        return 0;
    return FSource.SelectionType() == stBlockSel || row == 0 ? FSelection.Left : 0;
}

TSearchEngine::TPlace TSearchEngine::StartPlace(bool& fromCaret) {
    const bool forward = FOptions.Direction == sdForward;
    const int row = FSource.CaretLine() - (FInSelection ? FSelection.Top : 0);
    const int column = FSource.CaretChar() - RowLeft(row);
    fromCaret = !(FOptions.FirstSearch && FOptions.Origin == soEntireScope);
    if (fromCaret)
        return {forward ? column + 1 : column, row};
    if (forward)
        return {1, 0};
    const int last = RowCount() - 1;
    return {last < 0 ? 0 : static_cast<int>(Row(last).size()), last};
}

void TSearchEngine::PrepareMatcher() {
    const bool regular = FOptions.RegularExpr;
    if (!FMatcher || !FMatcher->SameSearch(FOptions.TextToFind, FOptions.CaseSensitive, regular))
        FMatcher.emplace(FOptions.TextToFind, FOptions.CaseSensitive, regular);
}

bool TSearchEngine::IsLinePattern() const {
    const std::u16string& t = FOptions.TextToFind;
    return FMatcher->Regular() && (t == u"^" || t == u"$" || t == u"^$");
}

bool TSearchEngine::Scan(TPlace start, THit& hit) {
    return FOptions.Direction == sdForward ? ScanForward(start, hit) : ScanBackward(start, hit);
}

bool TSearchEngine::ScanForward(TPlace start, THit& hit) {
    if (start.Row < 0)
        start = {1, 0};
    int position = std::max(start.Position, 1);
    for (int row = start.Row; row < RowCount(); ++row, position = 1) {
        const std::u16string_view text = Row(row);
        const int size = static_cast<int>(text.size());
        const bool examined =
            size >= position || (FMatcher->Regular() && size == 0 && position == 1);
        if (examined && FindInRow(text, position, true, hit.Length)) {
            hit.Place = {position, row};
            return true;
        }
    }
    return false;
}

bool TSearchEngine::ScanBackward(TPlace start, THit& hit) {
    if (start.Row >= RowCount())
        start = {INT_MAX, RowCount() - 1};
    for (int row = start.Row; row >= 0; --row) {
        const std::u16string_view text = TrimTrailingBlanks(Row(row));
        int position = row == start.Row ? start.Position : static_cast<int>(text.size());
        if (text.empty()) {
            // Only a pattern finds an empty row, and only at its start.
            if (!FMatcher->Regular() || position < 0)
                continue;
            position = 1;
        } else if (position < 1) {
            continue;
        }
        if (FindInRow(text, position, false, hit.Length)) {
            hit.Place = {position, row};
            return true;
        }
    }
    return false;
}

bool TSearchEngine::FindInRow(std::u16string_view row, int& position, bool forward, int& length) {
    const int size = static_cast<int>(row.size());
    for (;;) {
        int at = position;
        if (!FMatcher->Find(row, at, forward, length))
            return false;
        if (!FOptions.WholeWordsOnly) {
            position = at;
            return true;
        }
        const int start = at - 1, end = start + length;
        int wordStart = start, wordEnd = end;
        while (wordStart > 0 && IsWordChar(row[wordStart - 1]))
            --wordStart;
        while (wordEnd < size && IsWordChar(row[wordEnd]))
            ++wordEnd;
        if (wordStart == start && wordEnd == end) {
            position = at;
            return true;
        }
        // Each retry lies beyond the hit, so the row is left in the end.
        if (forward) {
            position = std::max(wordEnd == at ? wordEnd + 1 : wordEnd, at + 1);
            if (position > size)
                return false;
        } else {
            position = std::min(wordStart, at - 1);
            if (position < 1)
                return false;
        }
    }
}

void TSearchEngine::StepOverEmptyMatch(TPlace start, THit& hit) {
    const bool atStart = hit.Place.Row == start.Row && hit.Place.Position == start.Position;
    if (!FMatcher->Regular() || FOptions.Direction != sdForward || hit.Length != 0 || !atStart)
        return;
    const bool atRowEnd = hit.Place.Position > static_cast<int>(Row(hit.Place.Row).size());
    if (!atRowEnd)
        ++hit.Place.Position;
    else if (hit.Place.Row < RowCount() - 1)
        hit.Place = {1, hit.Place.Row + 1};
}

void TSearchEngine::TakeHit(const THit& hit, bool hadSelection) {
    const int column = hit.Place.Position - 1 + RowLeft(hit.Place.Row);
    const int line = hit.Place.Row + (FInSelection ? FSelection.Top : 0);
    FFoundLength = hit.Length;
    FSource.SetFoundRect({column, line, column + hit.Length, line + 1});
    if (FSource.HasOption(soSelectFoundText) && (!hadSelection || !FInSelection))
        FSource.SetSelection(stStreamSel, column, line, column + hit.Length, line);
    const bool forward = FOptions.Direction == sdForward;
    FSource.SetCaret(forward ? column + hit.Length : column, line);
}

void TSearchEngine::Report(const TException& error, bool raiseUnhandled) {
    bool handled = false;
    if (FSource.OnSearchException)
        FSource.OnSearchException(FSource, error, handled);
    if (handled)
        return;
    if (raiseUnhandled)
        throw TException(error.Message());
    Messages().ShowInformation(error.Message());
}

} // namespace tessorin
