#pragma once
// Places in the document that edits carry along: the caret, the selection
// corners, their saved copies and temporary places kept across an edit.
#include <functional>
#include <memory>
#include <vector>

namespace tessorin {

class TPosition {
public:
    using TAdjustEvent = std::function<void(TPosition& sender, bool& adjustChar, bool& adjustLine)>;

    TPosition() = default;
    TPosition(int charPos, int linePos) : LinePos(linePos), CharPos(charPos) {}
    // Copies the place only, never the handler.
    TPosition& operator=(const TPosition& other) {
        LinePos = other.LinePos;
        CharPos = other.CharPos;
        return *this;
    }
    TPosition(const TPosition& other) : LinePos(other.LinePos), CharPos(other.CharPos) {}
    bool operator==(const TPosition& other) const {
        return LinePos == other.LinePos && CharPos == other.CharPos;
    }

    int LinePos = 0;
    int CharPos = 0;
    TAdjustEvent OnAdjust;
};

enum class TEditKind { ekInsert, ekDelete, ekSplit, ekJoin };

class TPositionCollection {
public:
    static constexpr int Caret = 0, BlockBegin = 1, BlockEnd = 2, SavedBegin = 3, SavedEnd = 4;

    TPositionCollection();

    TPosition& operator[](int i) { return *FItems[i]; }
    const TPosition& operator[](int i) const { return *FItems[i]; }
    int Count() const { return static_cast<int>(FItems.size()); }

    TPosition* Add(const TPosition& place, TPosition::TAdjustEvent onAdjust);
    void Remove(TPosition* position);
    void ResetAll();

    // Moves the members affected by an edit of `count` at the caret.
    void Adjust(TEditKind kind, int count);

private:
    void AdjustOne(TPosition& p, bool isBlockBegin, TEditKind kind, int count, int c, int l);

    std::vector<std::unique_ptr<TPosition>> FItems;
};

} // namespace tessorin
