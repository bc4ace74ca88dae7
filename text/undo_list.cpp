#include "text/undo_list.h"

namespace tessorin {

TUndoRecord& TUndoList::Append() {
    return FRecords.emplace_back();
}

void TUndoList::RemoveLast() {
    FRecords.pop_back();
    // Give memory back after a long undo run: halve when under a quarter full.
    if (FRecords.capacity() > 64 && FRecords.size() < FRecords.capacity() / 4) {
        std::vector<TUndoRecord> smaller;
        smaller.reserve(FRecords.capacity() / 2);
        for (auto& r : FRecords)
            smaller.push_back(std::move(r));
        FRecords.swap(smaller);
    }
}

void TUndoList::RemoveOldest(int count) {
    FRecords.erase(FRecords.begin(), FRecords.begin() + count);
}

void TUndoList::Clear() {
    std::vector<TUndoRecord>().swap(FRecords);
}

int TUndoList::LastContentIndex() const {
    for (int i = Count() - 1; i >= 0; --i)
        if (FRecords[i].ChangesContent())
            return i;
    return -1;
}

bool TUndoList::HasContentAbove(int index) const {
    return LastContentIndex() > index;
}

} // namespace tessorin
