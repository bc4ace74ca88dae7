// The find and replace commands of the memo source, and the preparation
// of the search options before a dialog opens.
#include "text/search_engine.h"

namespace tessorin {

bool TCustomMemoSource::Find() {
    TSearchOptions& options = TSearchOptions::Global();
    options.FirstSearch = true;
    options.InReplace = false;
    return TSearchEngine(*this).SearchOnce();
}

bool TCustomMemoSource::Replace() {
    TSearchOptions& options = TSearchOptions::Global();
    options.FirstSearch = true;
    options.InReplace = true;
    return TSearchEngine(*this).Replace();
}

bool TCustomMemoSource::FindNext() {
    TSearchOptions& options = TSearchOptions::Global();
    if (!HasSelection())
        options.Scope = ssGlobal;
    // A dialog was shown but nothing has been searched since.
    if (options.FirstSearch)
        return false;
    TSearchEngine engine(*this);
    return options.InReplace ? engine.Replace() : engine.SearchOnce();
}

void TCustomMemoSource::ToggleSearchCase() {
    TSearchOptions& options = TSearchOptions::Global();
    options.CaseSensitive = !options.CaseSensitive;
}

void TCustomMemoSource::ToggleSearchRegExpr() {
    TSearchOptions& options = TSearchOptions::Global();
    options.RegularExpr = !options.RegularExpr;
}

void TCustomMemoSource::PrepareSearchOptions() {
    TSearchOptions& options = TSearchOptions::Global();
    if (HasOption(soFindTextAtCursor)) {
        int start = 0, end = 0;
        const bool onWord = WordAt(CaretLine(), CaretChar(), wsWordOnly, start, end);
        options.TextToFind =
            onWord ? FTabs.Expand(LineText(CaretLine())).substr(start, end - start) : u"";
    }
    const bool caretInSelection =
        IsInSelection(CaretChar(), CaretLine()) || (HasSelection() && CaretOnSelectionCorner());
    options.Scope = caretInSelection ? ssSelectedText : ssGlobal;
}

} // namespace tessorin
