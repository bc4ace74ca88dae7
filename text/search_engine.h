#pragma once
// One find or replace command on a memo source. A replace-all run searches
// many times; the compiled text to find lasts for the whole command.
#include <optional>
#include <string>
#include <string_view>

#include "core/exception.h"
#include "core/message_seam.h"
#include "text/memo_source.h"
#include "text/search_matcher.h"
#include "text/search_options.h"

namespace tessorin {

// Message boxes treat "&" as an accelerator mark, so texts shown in them
// have every "&" doubled.
std::u16string DoubleAmpersands(std::u16string_view text);

class TSearchEngine {
public:
    explicit TSearchEngine(TCustomMemoSource& source);
    TSearchEngine(const TSearchEngine&) = delete;
    TSearchEngine& operator=(const TSearchEngine&) = delete;

    bool SearchOnce();
    bool Replace();

private:
    // A place in the searched rows: 1-based character position and row.
    struct TPlace {
        int Position;
        int Row;
    };
    struct THit {
        TPlace Place;
        int Length;
    };

    // The searched rows: the document's lines or the selected parts of
    // them, tabs expanded.
    void SetUpRows();
    int RowCount() const { return FRowCount; }
    std::u16string_view Row(int row);
    int RowLeft(int row) const; // the document column where a row begins

    TPlace StartPlace(bool& fromCaret);
    void PrepareMatcher();
    bool IsLinePattern() const;
    bool Scan(TPlace start, THit& hit);
    bool ScanForward(TPlace start, THit& hit);
    bool ScanBackward(TPlace start, THit& hit);
    bool FindInRow(std::u16string_view row, int& position, bool forward, int& length);
    bool IsWordChar(char16_t c) const { return !FSource.IsDelimiter(c); }
    void StepOverEmptyMatch(TPlace start, THit& hit);
    void TakeHit(const THit& hit, bool hadSelection);
    void Report(const TException& error, bool raiseUnhandled);

    std::optional<TConfirmAnswer> ReplaceOne();
    bool ReplaceAll();
    void ReplaceFound();
    void OpenRunUpdate();
    void CloseRunUpdates();

    TCustomMemoSource& FSource;
    TSearchOptions& FOptions;
    std::optional<TSearchMatcher> FMatcher;
    bool FInSelection = false;
    TRect FSelection{};
    int FRowCount = 0;
    std::u16string FRowBuffer;
    int FFoundLength = 0;
    int FRunUpdates = 0; // updates held open across a replace-all run
};

} // namespace tessorin
