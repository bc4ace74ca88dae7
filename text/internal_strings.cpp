#include "text/internal_strings.h"

#include <algorithm>

namespace tessorin {
namespace {

const std::u16string emptyText;

} // namespace

TInternalStrings::TInternalStrings(const TTabRack& tabs, TItemFactory factory)
    : FTabs(tabs), FFactory(std::move(factory)) {}

std::u16string TInternalStrings::Get(int i) const {
    if (!InRange(i))
        return {};
    return FRawReading ? Slot(i)->Text : FTabs.Expand(Slot(i)->Text);
}

const std::u16string& TInternalStrings::Raw(int i) const {
    return InRange(i) ? Slot(i)->Text : emptyText;
}

void TInternalStrings::Put(int i, std::u16string text) {
    if (!InRange(i))
        return;
    Slot(i)->Text = std::move(text);
    TextEdited(i);
}

void TInternalStrings::TextEdited(int i) {
    Slot(i)->SetFlag(lfParsed, false);
    FLongest.LineChanged(i);
}

void TInternalStrings::Insert(int i, std::u16string text) {
    if (i < 0 || i > Count())
        return;
    if (FGapStart == FGapEnd)
        Grow();
    MoveGap(i);
    auto item = FFactory();
    item->Text = std::move(text);
    FSlots[FGapStart++] = std::move(item);
    FLongest.LineInserted(i);
}

void TInternalStrings::Delete(int i) {
    if (!InRange(i))
        return;
    MoveGap(i);
    FSlots[FGapEnd++].reset();
    FLongest.LineDeleted(i);
}

void TInternalStrings::Clear() {
    FSlots.clear();
    FGapStart = FGapEnd = 0;
    FLongest.AllChanged();
}

void TInternalStrings::MoveGap(int i) {
    auto base = FSlots.begin();
    if (i < FGapStart) {
        std::move_backward(base + i, base + FGapStart, base + FGapEnd);
        FGapEnd -= FGapStart - i;
        FGapStart = i;
    } else if (i > FGapStart) {
        const int n = i - FGapStart;
        std::move(base + FGapEnd, base + FGapEnd + n, base + FGapStart);
        FGapStart += n;
        FGapEnd += n;
    }
}

void TInternalStrings::Grow() {
    const int capacity = Capacity();
    const int added = std::max(capacity / 2, 64);
    std::vector<std::unique_ptr<TStringItem>> slots(capacity + added);
    std::move(FSlots.begin(), FSlots.begin() + FGapStart, slots.begin());
    std::move(FSlots.begin() + FGapEnd, FSlots.end(), slots.begin() + FGapEnd + added);
    FSlots.swap(slots);
    FGapEnd += added;
}

} // namespace tessorin
