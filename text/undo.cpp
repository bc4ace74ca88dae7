// Undo and redo: recording, replaying the inverse primitives, grouping by
// update code, undo blocks, the undo limit and the save point.
#include "text/memo_source.h"

namespace tessorin {

TUndoRecord* TCustomMemoSource::NewRecord(TUndoKind kind) {
    if (!FAllowUndo)
        return nullptr;
    if (!FReplaying)
        TrimUndo();
    TUndoRecord& r = FRecordTarget->Append();
    r.Kind = kind;
    r.First = FNextRecordFirst;
    FNextRecordFirst = false;
    r.Code = FUpdateCode;
    r.InBlock = FUndoBlock > 0;
    return &r;
}

void TCustomMemoSource::TrimUndo() {
    if (FUndoLimit <= 0 || FUndo.Count() <= FUndoLimit + 100)
        return;
    int b = FUndo.Count() - FUndoLimit - 1;
    while (b > 0 && FUndo[b].InBlock)
        --b;
    if (b < 1)
        return;
    // The saved state stays reachable unless content above it goes.
    for (int i = FSavePoint + 1; i <= b; ++i)
        if (FUndo[i].ChangesContent())
            FSavePointLost = true;
    FUndo.RemoveOldest(b + 1);
    FSavePoint = std::max(FSavePoint - (b + 1), -1);
}

void TCustomMemoSource::BeginUndoBlock() {
    ++FUndoBlock;
}

void TCustomMemoSource::EndUndoBlock() {
    if (FUndoBlock == 0 || --FUndoBlock > 0)
        return;
    // A zero caret move outside the block closes it for the undo walk.
    NewRecord(TUndoKind::ukCaretMove);
}

void TCustomMemoSource::ClearUndo() {
    FUndo.Clear();
    FRedo.Clear();
    // With the records gone an unsaved state can no longer be undone to the save.
    FSavePoint = -1;
    FSavePointLost = FModified;
}

void TCustomMemoSource::SetAllowUndo(bool value) {
    if (value == FAllowUndo)
        return;
    FAllowUndo = value;
    if (!value)
        ClearUndo();
}

void TCustomMemoSource::SetUndoLimit(int value) {
    value = std::max(value, 0);
    if (value == FUndoLimit)
        return;
    FUndoLimit = value;
    TrimUndo();
}

void TCustomMemoSource::SetModified(bool value, bool notify) {
    if (value == FModified)
        return;
    if (notify)
        BeginUpdate(ucSetModified);
    FModified = value;
    if (!value) {
        // The current state becomes the save point: reachable by definition.
        FSavePoint = FUndo.LastContentIndex();
        FSavePointLost = false;
    }
    if (notify)
        EndUpdate();
}

bool TCustomMemoSource::ComputedModified() const {
    return FSavePointLost || FUndo.HasContentAbove(FSavePoint);
}

void TCustomMemoSource::Undo() {
    if (!FUndo.Empty() && !FReadOnly)
        RunUndoStep(FUndo, true);
}

void TCustomMemoSource::Redo() {
    if (!FRedo.Empty() && !FReadOnly)
        RunUndoStep(FRedo, false);
}

void TCustomMemoSource::RunUndoStep(TUndoList& from, bool fromUndoList) {
    // Replayed primitives record their inverses into the other list.
    struct TReplayMode {
        TCustomMemoSource& S;
        TReplayMode(TCustomMemoSource& s, TUndoList& target) : S(s) {
            S.FRecordTarget = &target;
            S.FReplaying = true;
        }
        ~TReplayMode() {
            S.FRecordTarget = &S.FUndo;
            S.FReplaying = false;
            S.FExplicitPosition = false;
        }
    } mode(*this, fromUndoList ? FRedo : FUndo);
    const std::uint8_t code = from.Top().Code;
    TMemoUpdate update(*this, code);
    TLongestLine::TBlock inBlock(FLines.Longest()); // a step may replay a whole block
    AddState(msUndo);
    FExplicitPosition = true;
    while (!from.Empty()) {
        FNextRecordFirst = true;
        if (from.Top().Code != code && !from.Top().InBlock)
            break;
        if (fromUndoList && from.Count() == FSavePoint + 1) {
            FSavePoint = -1;
            FSavePointLost = true;
        }
        const TUndoRecord record = std::move(from.Top());
        from.RemoveLast();
        Replay(record);
        if (StopAfter(from, record))
            break;
    }
    FExplicitPosition = false;
    DropSelection();
}

bool TCustomMemoSource::StopAfter(const TUndoList& from, const TUndoRecord& record) const {
    if (!record.First || HasOption(soGroupUndo))
        return false;
    // A block that began before this update is taken whole.
    return !record.InBlock || from.Empty() || !from.Top().InBlock;
}

void TCustomMemoSource::Replay(const TUndoRecord& record) {
    switch (record.Kind) {
    case TUndoKind::ukCaretMove:
        MoveCaret(-record.A, -record.B);
        break;
    case TUndoKind::ukInsert:
        DeleteChars(record.A);
        break;
    case TUndoKind::ukSplit:
        JoinLines();
        break;
    case TUndoKind::ukJoin:
        SplitLine();
        break;
    case TUndoKind::ukDelete:
        InsertText(record.Text, FSyntaxParser && !record.Colors.empty() ? &record.Colors : nullptr);
        break;
    case TUndoKind::ukColor:
        if (TStringItem* item = LineItem(record.A);
            item && FSyntaxParser && !record.Colors.empty()) {
            const size_t at = std::min<size_t>(record.B - 1, item->ColorData.size());
            if (TUndoRecord* inverse = NewRecord(TUndoKind::ukColor)) {
                inverse->A = record.A;
                inverse->B = record.B;
                inverse->Colors = item->ColorData.substr(at, record.Colors.size());
            }
            item->ColorData.replace(at, record.Colors.size(), record.Colors);
            WidenChanged(record.A, RecolorLine(record.A) ? INT_MAX : record.A);
        }
        break;
    }
}

} // namespace tessorin
