#pragma once
// The line store: one TStringItem per line. The array of items keeps a gap
// at the last edit, so runs of line inserts or deletes near one place (a
// long block deletion, its undo) cost constant time each. It grows by
// max(capacity / 2, 64) entries at a time.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "text/longest_line.h"
#include "text/string_item.h"
#include "text/tab_rack.h"

namespace tessorin {

class TInternalStrings {
public:
    using TItemFactory = std::function<std::unique_ptr<TStringItem>()>;

    TInternalStrings(const TTabRack& tabs, TItemFactory factory);

    int Count() const { return static_cast<int>(FSlots.size()) - (FGapEnd - FGapStart); }
    int Capacity() const { return static_cast<int>(FSlots.size()); }
    TStringItem* Item(int i) const { return InRange(i) ? Slot(i).get() : nullptr; }

    // Stored text with the raw switch on, tab-expanded text otherwise.
    std::u16string Get(int i) const;
    const std::u16string& Raw(int i) const;
    void Put(int i, std::u16string text);
    // Line i's text was changed in place: it wants parsing and measuring.
    void TextEdited(int i);
    void Insert(int i, std::u16string text);
    void Delete(int i);
    void Clear();
    void Exchange(int, int) {} // line order is the document's; never swapped

    bool RawReading() const { return FRawReading; }
    void SetRawReading(bool on) { FRawReading = on; }

    // Kept up to date by every change the store makes or is told of.
    TLongestLine& Longest() { return FLongest; }

private:
    bool InRange(int i) const { return i >= 0 && i < Count(); }
    const std::unique_ptr<TStringItem>& Slot(int i) const {
        return FSlots[i < FGapStart ? i : i + (FGapEnd - FGapStart)];
    }
    void MoveGap(int i);
    void Grow();

    const TTabRack& FTabs;
    TItemFactory FFactory;
    std::vector<std::unique_ptr<TStringItem>> FSlots;
    int FGapStart = 0;
    int FGapEnd = 0;
    bool FRawReading = false;
    TLongestLine FLongest{*this, FTabs};
};

} // namespace tessorin
