#include "text/positions.h"

#include <algorithm>

namespace tessorin {

TPositionCollection::TPositionCollection() {
    for (int i = 0; i < 5; ++i)
        FItems.push_back(std::make_unique<TPosition>());
}

TPosition* TPositionCollection::Add(const TPosition& place, TPosition::TAdjustEvent onAdjust) {
    FItems.push_back(std::make_unique<TPosition>(place));
    FItems.back()->OnAdjust = std::move(onAdjust);
    return FItems.back().get();
}

void TPositionCollection::Remove(TPosition* position) {
    auto it = std::find_if(FItems.begin() + 5, FItems.end(),
                           [position](const auto& p) { return p.get() == position; });
    if (it != FItems.end())
        FItems.erase(it);
}

void TPositionCollection::ResetAll() {
    for (auto& p : FItems)
        *p = TPosition();
}

void TPositionCollection::Adjust(TEditKind kind, int count) {
    const int c = FItems[Caret]->CharPos;
    const int l = FItems[Caret]->LinePos;
    for (int i = 1; i < Count(); ++i) {
        TPosition& p = *FItems[i];
        if (p.OnAdjust && p.LinePos >= l) {
            AdjustOne(p, i == BlockBegin, kind, count, c, l);
            p.CharPos = std::max(p.CharPos, 0);
            p.LinePos = std::max(p.LinePos, 0);
        }
    }
}

void TPositionCollection::AdjustOne(TPosition& p, bool isBlockBegin, TEditKind kind, int count,
                                    int c, int l) {
    bool adjustChar = true;
    bool adjustLine = true;
    p.OnAdjust(p, adjustChar, adjustLine);
    // The top-left corner moves with text inserted at its own column.
    const bool atOrAfter = isBlockBegin ? p.CharPos >= c : p.CharPos > c;
    switch (kind) {
    case TEditKind::ekInsert:
        if (adjustChar && p.LinePos == l && atOrAfter)
            p.CharPos += count;
        break;
    case TEditKind::ekDelete:
        if (adjustChar && p.LinePos == l && atOrAfter)
            p.CharPos = std::max(p.CharPos - count, c);
        break;
    case TEditKind::ekSplit:
        if (!adjustLine)
            break;
        if (p.LinePos > l) {
            ++p.LinePos;
        } else if (atOrAfter) {
            p.CharPos -= c;
            p.LinePos = l + 1;
        }
        break;
    case TEditKind::ekJoin:
        if (!adjustLine)
            break;
        if (p.LinePos == l && p.CharPos >= c)
            p.CharPos = c;
        else if (p.LinePos == l + 1) {
            p.CharPos += c;
            p.LinePos = l;
        } else if (p.LinePos > l + 1)
            --p.LinePos;
        break;
    }
}

} // namespace tessorin
