// Replace: one match with its prompt, or every match as one change.
#include "text/search_engine.h"

namespace tessorin {
namespace {

// Keeps the selection, and forgets the style taken from a replaced match.
class TReplaceBracket {
public:
    explicit TReplaceBracket(TCustomMemoSource& source, int& keepSelection)
        : FSource(source), FKeepSelection(keepSelection) {
        ++FKeepSelection;
    }
    ~TReplaceBracket() {
        --FKeepSelection;
        if (FSource.SyntaxParser())
            FSource.SetTypedTextStyle(-1);
    }
    TReplaceBracket(const TReplaceBracket&) = delete;
    TReplaceBracket& operator=(const TReplaceBracket&) = delete;

private:
    TCustomMemoSource& FSource;
    int& FKeepSelection;
};

} // namespace

bool TSearchEngine::Replace() {
    if (FSource.ReadOnly())
        return false;
    FSource.FReplacements = 0;
    TReplaceBracket bracket(FSource, FSource.FKeepSelection);
    if (FSource.OnBeforeSearch)
        FSource.OnBeforeSearch(true);
    if (FOptions.ReplaceAll)
        return ReplaceAll();
    const std::optional<TConfirmAnswer> answer = ReplaceOne();
    FOptions.ShowNotFound = false;
    if (answer == TConfirmAnswer::caAll)
        ReplaceAll();
    return answer && answer != TConfirmAnswer::caCancel;
}

std::optional<TConfirmAnswer> TSearchEngine::ReplaceOne() {
    if (!SearchOnce())
        return std::nullopt;
    const TConfirmAnswer answer =
        FOptions.PromptOnReplace
            ? Messages().ConfirmWithAll(u"Replace this occurence of '" +
                                        DoubleAmpersands(FOptions.TextToFind) + u"'?")
            : TConfirmAnswer::caYes;
    if (answer == TConfirmAnswer::caCancel || answer == TConfirmAnswer::caNo)
        return answer;
    if (answer == TConfirmAnswer::caAll) {
        FOptions.PromptOnReplace = false;
        FOptions.ReplaceAll = true;
        OpenRunUpdate();
    }
    ReplaceFound();
    ++FSource.FReplacements;
    return answer;
}

void TSearchEngine::ReplaceFound() {
    const std::u16string& with = FOptions.ReplaceWith;
    FSource.FExplicitPosition = true;
    try {
        TMemoUpdate update(FSource, ucReplace);
        if (FOptions.Direction == sdBackward) {
            FSource.DeleteChars(FFoundLength);
            FSource.InsertText(with);
        } else {
            FSource.MoveCaret(0, -FFoundLength);
            if (FSource.SyntaxParser())
                FSource.SetTypedTextStyle(FSource.StyleAtCaret());
            FSource.DeleteChars(FFoundLength);
            if (!with.empty()) {
                FSource.InsertText(with);
                FSource.MoveCaret(0, static_cast<int>(with.size()));
            }
        }
    } catch (...) {
        FSource.FExplicitPosition = false;
        throw;
    }
    FSource.FExplicitPosition = false;
}

bool TSearchEngine::ReplaceAll() {
    if (!FOptions.PromptOnReplace)
        OpenRunUpdate();
    bool replaced = false;
    try {
        for (;;) {
            const std::optional<TConfirmAnswer> answer = ReplaceOne();
            FOptions.ShowNotFound = false;
            if (!answer || answer == TConfirmAnswer::caCancel)
                break;
            replaced = true;
        }
    } catch (...) {
        CloseRunUpdates();
        throw;
    }
    if (!FOptions.PromptOnReplace)
        FSource.SetFoundRect({});
    CloseRunUpdates();
    return replaced;
}

void TSearchEngine::OpenRunUpdate() {
    FSource.BeginUpdate(ucReplace);
    ++FRunUpdates;
}

void TSearchEngine::CloseRunUpdates() {
    for (; FRunUpdates > 0; --FRunUpdates)
        FSource.EndUpdate();
}

} // namespace tessorin
