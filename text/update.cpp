// The update bracket: states, the changed-line range and view notification.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {

void TCustomMemoSource::BeginUpdate(std::uint8_t code) {
    if (FUpdateCount++ > 0)
        return;
    FSavedLineCount = LineCount();
    FStates = {};
    FSavedFoundRect = FFoundRect;
    FFoundRect = {};
    FFirstChanged = INT_MAX;
    FLastChanged = -INT_MAX;
    FNextRecordFirst = true;
    FColorsChangedThrough = 0;
    FUpdateCode = code;
    FSavedModified = FModified;
    FPositions[TPositionCollection::SavedBegin] = BlockBegin();
    FPositions[TPositionCollection::SavedEnd] = BlockEnd();
    FSavedSelType = FSelType;
    FSavedCaret = Caret();
    EndHighlight();
}

void TCustomMemoSource::BeginSafeUpdate(std::uint8_t code) {
    BeginUpdate(code);
    if (FUpdateCount > 1)
        return;
    FSafeSelType = FSelType;
    for (const TPosition* p : {&BlockBegin(), &BlockEnd(), &CaretPos()})
        FSafePlaces.push_back(AddTempPosition(p->CharPos, p->LinePos));
}

void TCustomMemoSource::RestoreSafePlaces() {
    auto places = std::move(FSafePlaces);
    FSafePlaces.clear();
    FSelType = FSafeSelType;
    BlockBegin() = *places[0];
    BlockEnd() = *places[1];
    MoveCaret(places[2]->LinePos - CaretLine(), places[2]->CharPos - CaretChar());
    for (TPosition* p : places)
        RemoveTempPosition(p);
}

void TCustomMemoSource::MarkChanged(int first, int last) {
    AddState(msEdited);
    WidenChanged(first, last);
}

void TCustomMemoSource::WidenChanged(int first, int last) {
    FFirstChanged = std::min(FFirstChanged, first);
    FLastChanged = std::max(FLastChanged, last);
}

void TCustomMemoSource::EndUpdate() {
    if (FUpdateCount == 1 && !FSafePlaces.empty())
        RestoreSafePlaces();
    if (--FUpdateCount > 0)
        return;
    if (!(Caret() == FSavedCaret) || FGotoBookmark)
        AddState(msPositionChanged);
    FGotoBookmark = false;
    if (FSelType != stNotSelected && SelectionEmpty())
        DropSelection();
    if ((FStates.Contains(msPositionChanged) || FStates.Contains(msEdited)) &&
        !FStates.Contains(msUndo))
        FRedo.Clear();
    FinishSelection();
    if (!(FFoundRect == FSavedFoundRect)) {
        AddState(msFoundRectChanged);
        for (const TRect& r : {FSavedFoundRect, FFoundRect})
            if (!(r == TRect{}))
                WidenChanged(r.Top, r.Bottom);
    }
    if (LineCount() != FSavedLineCount)
        AddState(msCountChanged);
    if (FStates.Contains(msEdited)) {
        FModified = FReplaying ? ComputedModified() : true;
        FFirstUnparsed = std::min(FFirstUnparsed, FFirstChanged);
        if (!FStates.Contains(msParserChanged))
            RecolorEditedLine();
    }
    if (FStates.Contains(msParserChanged)) {
        WidenChanged(0, INT_MAX);
        FFirstUnparsed = 0;
    }
    if (FModified != FSavedModified)
        AddState(msModifiedChanged);
    if (!FStates.Empty())
        NotifyViews();
}

void TCustomMemoSource::FinishSelection() {
    const TPosition& oldBegin = FPositions[TPositionCollection::SavedBegin];
    const TPosition& oldEnd = FPositions[TPositionCollection::SavedEnd];
    const bool cornersMoved = !(oldBegin == BlockBegin()) || !(oldEnd == BlockEnd());
    if (FSelType != FSavedSelType || (FSelType != stNotSelected && cornersMoved)) {
        RepaintSelectionChange();
        return;
    }
    // A plain caret move ends a selection that is not persistent.
    if (FSelType != stNotSelected && FStates.Contains(msPositionChanged) &&
        !HasOption(soPersistentBlocks) && FKeepSelection == 0) {
        DropSelection();
        RepaintSelectionChange();
    }
}

void TCustomMemoSource::RepaintSelectionChange() {
    AddState(msBlockChanged);
    const TPosition& oldBegin = FPositions[TPositionCollection::SavedBegin];
    const TPosition& oldEnd = FPositions[TPositionCollection::SavedEnd];
    const bool columnsKept =
        oldBegin.CharPos == BlockBegin().CharPos && oldEnd.CharPos == BlockEnd().CharPos;
    if (FSelType == FSavedSelType && (FSelType == stStreamSel || columnsKept)) {
        // Only the lines a corner swept over look different.
        if (!(oldBegin == BlockBegin()))
            WidenChanged(std::min(oldBegin.LinePos, BlockBegin().LinePos),
                         std::max(oldBegin.LinePos, BlockBegin().LinePos));
        if (!(oldEnd == BlockEnd()))
            WidenChanged(std::min(oldEnd.LinePos, BlockEnd().LinePos),
                         std::max(oldEnd.LinePos, BlockEnd().LinePos));
        return;
    }
    WidenChanged(std::min(oldBegin.LinePos, BlockBegin().LinePos),
                 std::max(oldEnd.LinePos, BlockEnd().LinePos));
}

void TCustomMemoSource::NotifyViews() {
    // Last attached first. A view may detach itself or others meanwhile:
    // walk a snapshot and call only those still attached.
    std::vector<TComponent*> snapshot;
    for (const TView& v : FViews)
        snapshot.push_back(v.View);
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        auto found = std::find_if(FViews.begin(), FViews.end(),
                                  [view = *it](const TView& v) { return v.View == view; });
        if (found == FViews.end())
            continue;
        TMemoNotifyEvent notify = found->Notify; // the call may free the entry
        if (notify)
            notify(*this, FFirstChanged, FLastChanged);
    }
}

} // namespace tessorin
