// Collapsible regions and the sorted list of lines they hide.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {
namespace {

void AddSorted(std::vector<int>& list, int line) {
    auto it = std::lower_bound(list.begin(), list.end(), line);
    if (it == list.end() || *it != line)
        list.insert(it, line);
}

void RemoveSorted(std::vector<int>& list, int line) {
    auto it = std::lower_bound(list.begin(), list.end(), line);
    if (it != list.end() && *it == line)
        list.erase(it);
}

} // namespace

TRegionState TCustomMemoSource::GetRegionState(int line) const {
    const TStringItem* item = LineItem(line);
    if (item && item->HasFlag(lfCollapsedStart))
        return TRegionState::rsCollapsed;
    if (item && item->HasFlag(lfExpandedStart))
        return TRegionState::rsExpanded;
    return TRegionState::rsNone;
}

bool TCustomMemoSource::IsLineHidden(int line) const {
    return std::binary_search(FHiddenLines.begin(), FHiddenLines.end(), line);
}

void TCustomMemoSource::SetRegionState(int line, TRegionState state) {
    TStringItem* item = LineItem(line);
    if (!item)
        return;
    TMemoUpdate update(*this, ucLineFlags);
    item->SetFlag(lfExpandedStart, state == TRegionState::rsExpanded);
    item->SetFlag(lfCollapsedStart, state == TRegionState::rsCollapsed);
    const bool hide = state == TRegionState::rsCollapsed;
    int last = line;
    for (int i = line + 1; i < LineCount() && LineItem(i)->HasFlag(lfRegionBody); ++i) {
        TStringItem* body = LineItem(i);
        if (hide) {
            AddSorted(FHiddenLines, i);
        } else {
            RemoveSorted(FHiddenLines, i);
            if (body->HasFlag(lfCollapsedStart)) {
                body->SetFlag(lfCollapsedStart, false);
                body->SetFlag(lfExpandedStart, true);
            }
        }
        last = i;
    }
    WidenChanged(line, last);
    AddState(msBlockChanged);
    AddState(msCountChanged);
}

void TCustomMemoSource::ExpandCollapsedAt(int line) {
    if (GetRegionState(line) == TRegionState::rsCollapsed)
        SetRegionState(line, TRegionState::rsExpanded);
}

void TCustomMemoSource::ExpandRegionAbove(int line) {
    for (int i = line - 1; i >= 0; --i)
        if (GetRegionState(i) == TRegionState::rsCollapsed) {
            SetRegionState(i, TRegionState::rsExpanded);
            return;
        }
}

void TCustomMemoSource::ShiftHiddenLines(int fromLine, int delta) {
    if (delta < 0)
        RemoveSorted(FHiddenLines, fromLine);
    for (int& line : FHiddenLines)
        if (line >= fromLine)
            line += delta;
}

void TCustomMemoSource::MarkRegionBody(int line) {
    LineItem(line)->SetFlag(lfRegionBody, true);
    const bool aboveShown = line == 0 || (!IsLineHidden(line - 1) &&
                                          GetRegionState(line - 1) != TRegionState::rsCollapsed);
    if (!aboveShown)
        AddSorted(FHiddenLines, line);
}

} // namespace tessorin
