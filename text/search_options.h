#pragma once
// What to search for and how: one object for the whole process, which the
// find and replace dialogs fill in and which outlives each run through the
// settings store.
#include <string>

#include "core/settings_store.h"

namespace tessorin {

enum TSearchDirection { sdForward, sdBackward };
enum TSearchScope { ssGlobal, ssSelectedText };
enum TSearchOrigin { soFromCursor, soEntireScope };
enum TSearchWhere { swProjectFiles, swOpenFiles, swDirectories, swOther };

// Dialogs edit a copy and assign it back on OK.
struct TSearchOptions {
    static constexpr const char16_t* StoreKey = u"SearchOptions\\";

    // The process-wide options, created at first use.
    static TSearchOptions& Global();

    // Missing or unreadable values keep their current setting.
    void Load(const TSettingsStore& store);
    void Save(TSettingsStore& store) const;

    bool CaseSensitive = false;
    bool WholeWordsOnly = false;
    bool RegularExpr = false;
    TSearchDirection Direction = sdForward;
    TSearchScope Scope = ssGlobal;
    TSearchOrigin Origin = soEntireScope;
    bool PromptOnReplace = false;
    std::u16string TextToFind;
    std::u16string ReplaceWith;
    // The next search is the first since a dialog and honours Origin.
    bool FirstSearch = false;
    // The last dialog was the replace dialog, so find-next replaces.
    bool InReplace = false;
    bool ReplaceAll = false;
    bool ShowNotFound = false;
    // Kept for the dialogs only.
    TSearchWhere Where = swDirectories;
    std::u16string FileMask;
    bool IncludeSubDirs = false;
};

} // namespace tessorin
