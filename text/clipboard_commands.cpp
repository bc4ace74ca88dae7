// Copy, cut and paste through the platform's clipboard.
#include "core/clipboard.h"
#include "text/line_breaks.h"
#include "text/memo_source.h"

namespace tessorin {
namespace {

// Set by every copy in the process; trusted only while this application
// still owns the clipboard.
bool clipboardColumn = false;

} // namespace

bool TCustomMemoSource::ClipboardHoldsColumn() {
    return clipboardColumn;
}

void TCustomMemoSource::CopyToClipboard() {
    TClipboard* clipboard = Clipboard();
    if (!clipboard)
        return;
    if (!HasSelection()) {
        if (HasOption(soForceCutCopy))
            clipboard->Empty();
        return;
    }
    const TBlockText block = SelectedBlock();
    std::u16string text;
    for (size_t i = 0; i < block.Lines.size(); ++i)
        text += (i > 0 ? u"\r\n" : u"") + block.Lines[i];
    clipboard->WriteText(text);
    clipboardColumn = block.Type == stBlockSel;
}

void TCustomMemoSource::CutToClipboard() {
    if (!HasSelection() && !HasOption(soForceCutCopy)) {
        if (TClipboard* clipboard = Clipboard())
            clipboard->Empty();
        return;
    }
    TMemoUpdate update(*this, ucCut);
    CopyToClipboard();
    DeleteSelection();
}

void TCustomMemoSource::PasteFromClipboard() {
    TClipboard* clipboard = Clipboard();
    if (!clipboard || IsEditBlocked())
        return;
    TMemoUpdate update(*this, ucInsertBlock);
    if (OverwritesSelection())
        DeleteSelection();
    if (!clipboard->OwnedByApplication())
        clipboardColumn = false;
    std::vector<std::u16string> lines = SplitAtLineBreaks(clipboard->ReadText());
    if (OnPasteFromClipboard)
        OnPasteFromClipboard(*this, lines);
    InsertBlock(lines, clipboardColumn);
    if (!HasOption(soPersistentBlocks))
        DropSelection();
}

} // namespace tessorin
