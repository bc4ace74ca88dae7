#pragma once
// The undo and redo record lists.
#include <cstdint>
#include <string>
#include <vector>

namespace tessorin {

enum class TUndoKind : std::uint8_t { ukCaretMove, ukInsert, ukSplit, ukJoin, ukDelete, ukColor };

struct TUndoRecord {
    TUndoKind Kind = TUndoKind::ukCaretMove;
    std::int32_t A = 0; // line delta, inserted count, or line index
    std::int32_t B = 0; // column delta, or 1-based colour index
    std::u16string Text;
    std::string Colors;
    bool First = false;
    std::uint8_t Code = 0;
    bool InBlock = false;

    // Caret moves and colour changes never make the document modified.
    bool ChangesContent() const {
        return Kind != TUndoKind::ukCaretMove && Kind != TUndoKind::ukColor;
    }
};

class TUndoList {
public:
    int Count() const { return static_cast<int>(FRecords.size()); }
    bool Empty() const { return FRecords.empty(); }
    const TUndoRecord& operator[](int i) const { return FRecords[i]; }
    TUndoRecord& Top() { return FRecords.back(); }
    const TUndoRecord& Top() const { return FRecords.back(); }

    TUndoRecord& Append();
    void RemoveLast();
    void RemoveOldest(int count);
    void Clear();
    // Index of the last content-changing record, -1 when none.
    int LastContentIndex() const;
    bool HasContentAbove(int index) const;

private:
    std::vector<TUndoRecord> FRecords;
};

} // namespace tessorin
