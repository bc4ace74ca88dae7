// The selection: its type filter, corners, extension and tests.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {

TPosition* TCustomMemoSource::AddTempPosition(int column, int line) {
    return FPositions.Add(TPosition(column, line), CornerAdjuster());
}

bool TCustomMemoSource::SelectionEmpty() const {
    const TPosition& b = BlockBegin();
    const TPosition& e = BlockEnd();
    if (e.LinePos < b.LinePos)
        return true;
    if (FSelType == stBlockSel)
        return e.CharPos < b.CharPos;
    return e.LinePos == b.LinePos && b.CharPos >= e.CharPos;
}

TSelectionType TCustomMemoSource::FilterSelectionType(TSelectionType type) const {
    if (type != stNotSelected) {
        switch (FBlockOption) {
        case bkNone:
            type = stNotSelected;
            break;
        case bkStreamSel:
            type = stStreamSel;
            break;
        case bkBlockSel:
            type = stBlockSel;
            break;
        case bkBoth:
            break;
        }
    }
    if (OnGetSelectionType)
        OnGetSelectionType(const_cast<TCustomMemoSource&>(*this), type);
    return type;
}

void TCustomMemoSource::SetBlockOption(TBlockOption value) {
    if (value == FBlockOption)
        return;
    FBlockOption = value;
    if (FSelType == stNotSelected)
        return;
    TMemoUpdate update(*this, ucSetSelectionType);
    if (value == bkNone)
        DropSelection();
    else if (value == bkBlockSel)
        FSelType = stBlockSel;
    else if (value == bkStreamSel)
        FSelType = stStreamSel;
}

void TCustomMemoSource::SetSelectionType(TSelectionType type) {
    TMemoUpdate update(*this, ucSetSelectionType);
    FSelType = FilterSelectionType(type);
}

void TCustomMemoSource::ClearSelection() {
    SetSelectionType(stNotSelected);
}

void TCustomMemoSource::SetSelection(TSelectionType type, int left, int top, int right,
                                     int bottom) {
    TMemoUpdate update(*this, ucSetSelection);
    FSelType = type;
    BlockBegin() = TPosition(std::max(left, 0), std::max(top, 0));
    BlockEnd() = TPosition(std::max(right, 0), std::max(bottom, 0));
}

TRect TCustomMemoSource::GetSelectionRect() const {
    return {BlockBegin().CharPos, BlockBegin().LinePos, BlockEnd().CharPos, BlockEnd().LinePos};
}

bool TCustomMemoSource::IsInSelection(int column, int line) const {
    if (!HasSelection())
        return false;
    const TRect r = GetSelectionRect();
    if (line < r.Top || line > r.Bottom)
        return false;
    if (FSelType == stBlockSel)
        return column >= r.Left && column <= r.Right;
    if (r.Top == r.Bottom)
        return column >= r.Left && column < r.Right;
    if (line == r.Top)
        return column >= r.Left;
    if (line == r.Bottom)
        return column < r.Right;
    return true;
}

bool TCustomMemoSource::OverwritesSelection() const {
    return HasSelection() && HasOption(soOverwriteBlocks) && !HasOption(soPersistentBlocks) &&
           FUpdateCount <= 1;
}

bool TCustomMemoSource::CaretOnSelectionCorner() const {
    if (FSelType == stStreamSel)
        return Caret() == BlockBegin() || Caret() == BlockEnd();
    const TRect r = GetSelectionRect();
    return (CaretLine() == r.Top || CaretLine() == r.Bottom) &&
           (CaretChar() == r.Left || CaretChar() == r.Right);
}

void TCustomMemoSource::ExtendSelection(TSelectionType type, void (TCustomMemoSource::*move)()) {
    TMemoUpdate update(*this, ucExtendSelection);
    type = FilterSelectionType(type);
    const TPosition old = Caret();
    const bool follow = type != stNotSelected && FSelType == type && CaretOnSelectionCorner();
    if (move)
        (this->*move)();
    if (type == stNotSelected)
        return;
    if (!follow) {
        BlockBegin() = old;
        BlockEnd() = Caret();
    } else if (type == stStreamSel) {
        (old == BlockBegin() ? BlockBegin() : BlockEnd()) = Caret();
    } else {
        // A column selection's edges on the caret's side follow it.
        (old.LinePos == BlockBegin().LinePos ? BlockBegin() : BlockEnd()).LinePos = CaretLine();
        (old.CharPos == BlockBegin().CharPos ? BlockBegin() : BlockEnd()).CharPos = CaretChar();
    }
    FSelType = type;
    OrderSelection();
}

void TCustomMemoSource::OrderSelection() {
    TPosition& b = BlockBegin();
    TPosition& e = BlockEnd();
    if (FSelType == stBlockSel) {
        if (e.LinePos < b.LinePos)
            std::swap(b.LinePos, e.LinePos);
        if (e.CharPos < b.CharPos)
            std::swap(b.CharPos, e.CharPos);
    } else if (e.LinePos < b.LinePos || (e.LinePos == b.LinePos && e.CharPos < b.CharPos)) {
        std::swap(b.LinePos, e.LinePos);
        std::swap(b.CharPos, e.CharPos);
    }
}

void TCustomMemoSource::MarkBlockBegin() {
    TMemoUpdate update(*this, ucSetBlockBegin);
    BlockBegin() = Caret();
    if (FSelType == stNotSelected)
        FSelType = FilterSelectionType(stStreamSel);
}

void TCustomMemoSource::MarkBlockEnd() {
    TMemoUpdate update(*this, ucSetBlockEnd);
    BlockEnd() = Caret();
    if (FSelType == stNotSelected)
        FSelType = FilterSelectionType(stStreamSel);
}

void TCustomMemoSource::SelectLine() {
    TMemoUpdate update(*this, ucSelectLine);
    const TSelectionType type = FilterSelectionType(stStreamSel);
    if (type == stNotSelected)
        return;
    FSelType = type;
    BlockBegin() = TPosition(0, CaretLine());
    BlockEnd() = TPosition(0, CaretLine() + 1);
}

void TCustomMemoSource::SelectAll() {
    if (FBlockOption == bkNone)
        return;
    TMemoUpdate update(*this, ucSelectAll);
    ++FKeepSelection;
    FSelType = stStreamSel;
    SetCaret(0, 0);
    MarkBlockBegin();
    CaretDocEnd();
    MarkBlockEnd();
    --FKeepSelection;
}

void TCustomMemoSource::CaretToBlockBegin() {
    MoveCaret(BlockBegin().LinePos - CaretLine(), BlockBegin().CharPos - CaretChar());
}

void TCustomMemoSource::CaretToBlockEnd() {
    MoveCaret(BlockEnd().LinePos - CaretLine(), BlockEnd().CharPos - CaretChar());
}

} // namespace tessorin
