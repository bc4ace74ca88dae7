// The colouring driver: lines are coloured lazily, each from the state the
// line above ended in, and a line is parsed again only when its text or its
// start state changed.
#include <algorithm>

#include "text/memo_source.h"
#include "text/url_words.h"

namespace tessorin {
namespace {

constexpr int firstLineState = 0;
constexpr unsigned char urlStyle = 12;
// Scrolling down should not parse line by line.
constexpr int parseAhead = 100;

} // namespace

void TCustomMemoSource::SetHighlightUrls(bool value) {
    if (value == FHighlightUrls)
        return;
    FHighlightUrls = value;
    InvalidateColoring();
}

void TCustomMemoSource::ColorLines(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, LineCount() - 1);
    if (last < first || (!FSyntaxParser && !FHighlightUrls))
        return;
    if (FSyntaxParser)
        ColorWithParser(first, last);
    else
        ColorWithoutParser(first, last);
    FFirstUnparsed = last + 1;
}

void TCustomMemoSource::ColorWithParser(int first, int last) {
    int state = first == 0 ? firstLineState : LineItem(first - 1)->EndState;
    for (int i = first; i <= last; ++i) {
        TStringItem& item = *LineItem(i);
        if (item.HasFlag(lfParsed) && item.StartState == state) {
            state = item.EndState;
            continue;
        }
        FSyntaxParser->PrepareColorData(i, item.Text, item.ColorData);
        item.StartState = state;
        FSyntaxParser->SetLinePos(i);
        state = FSyntaxParser->ParseLine(item.Text, state, item.ColorData);
        item.SetFlag(lfParsed, true);
        if (FHighlightUrls)
            MarkUrls(i, item);
        if (state != item.EndState) {
            item.EndState = state;
            FColorsChangedThrough = std::max(FColorsChangedThrough, i + 1);
        }
    }
}

void TCustomMemoSource::ColorWithoutParser(int first, int last) {
    for (int i = first; i <= last; ++i) {
        TStringItem& item = *LineItem(i);
        if (item.HasFlag(lfParsed))
            continue;
        item.ColorData.assign(item.Text.size(), '\0');
        MarkUrls(i, item);
        item.SetFlag(lfParsed, true);
    }
}

void TCustomMemoSource::MarkUrls(int line, TStringItem& item) {
    if (item.ColorData.size() != item.Text.size())
        return;
    ForEachUrlWord(item.Text, [&](int start, int end) {
        const std::string url(end - start, static_cast<char>(urlStyle));
        const std::string replaced = item.ColorData.substr(start, end - start);
        if (replaced == url)
            return;
        if (FSyntaxParser && FRecordColorChanges)
            if (TUndoRecord* r = NewRecord(TUndoKind::ukColor)) {
                r->A = line;
                r->B = start + 1;
                r->Colors = replaced;
            }
        item.ColorData.replace(start, end - start, url);
    });
}

bool TCustomMemoSource::RecolorLine(int line) {
    TStringItem* item = LineItem(line);
    if (!item)
        return false;
    const int endBefore = item->EndState;
    const int watermark = FFirstUnparsed;
    item->SetFlag(lfParsed, false);
    ColorLines(line, line);
    const bool endChanged = item->EndState != endBefore;
    FFirstUnparsed = endChanged ? std::min(watermark, line + 1) : watermark;
    return endChanged;
}

void TCustomMemoSource::RecolorEditedLine() {
    // An edit within one line is coloured at once; when its end state moved,
    // everything below may look different.
    const int line = FFirstChanged;
    if (line != FLastChanged || (!FSyntaxParser && !FHighlightUrls))
        return;
    FRecordColorChanges = true;
    const bool endChanged = RecolorLine(line);
    FRecordColorChanges = false;
    if (endChanged)
        WidenChanged(line, INT_MAX);
}

const std::string* TCustomMemoSource::GetLineColorData(int line) {
    TStringItem* item = LineItem(line);
    if (!item)
        return nullptr;
    // From the watermark on, a line's start state may be stale even when
    // its own text is not.
    if (!item->HasFlag(lfParsed) || line >= FFirstUnparsed) {
        const int first = std::min(FFirstUnparsed, line);
        ColorLines(first, line >= FFirstUnparsed ? line + parseAhead : line);
    }
    return &item->ColorData;
}

} // namespace tessorin
