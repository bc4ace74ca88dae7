#pragma once
// The document behind the editor: lines with per-line data, caret and
// selection, options, the change protocol that tells every attached view
// what changed, the editing commands and undo.
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/exception.h"
#include "text/bookmarks.h"
#include "text/code_templates.h"
#include "text/internal_strings.h"
#include "text/line_parser.h"
#include "text/memo_types.h"
#include "text/positions.h"
#include "text/source_strings.h"
#include "text/tab_rack.h"
#include "text/text_encoding.h"
#include "text/undo_list.h"

namespace tessorin {

class TCustomMemoSource;

using TMemoNotifyEvent =
    std::function<void(TCustomMemoSource& sender, int firstLine, int lastLine)>;
using TGetSelectionTypeEvent = std::function<void(TCustomMemoSource& sender, TSelectionType&)>;
// View hooks: a view may change a caret move or the column a new line gets.
using TCaretMoveHook = std::function<void(int& deltaLines, int& deltaChars)>;
using TIndentHook = std::function<void(int& column)>;
// Sees every search message first; a handler that sets handled stops it.
using TSearchExceptionEvent =
    std::function<void(TCustomMemoSource& sender, const TException& error, bool& handled)>;
// The view's hook before a search; true before a replace.
using TBeforeSearchHook = std::function<void(bool replacing)>;
// Lets a handler change the lines about to be pasted.
using TStringsEvent =
    std::function<void(TCustomMemoSource& sender, std::vector<std::u16string>& strings)>;
using TGetBackpNameEvent = std::function<void(
    TCustomMemoSource& sender, const std::u16string& fileName, std::u16string& backFileName)>;

class TCustomMemoSource : public TComponent {
public:
    explicit TCustomMemoSource(TComponent* owner = nullptr);
    ~TCustomMemoSource() override;

    // --- Properties -------------------------------------------------------
    TExternalStrings& Lines() { return FExternal; }
    const TExternalStrings& Lines() const { return FExternal; }
    void SetLines(const TSourceStrings& lines) { FExternal.Assign(lines); }
    TSelectionStrings& SelectionStrings() { return FSelectionStrings; }

    TStringsOptions Options() const { return FOptions; }
    void SetOptions(TStringsOptions value);
    bool HasOption(TStringsOption o) const { return FOptions.Contains(o); }
    const std::u16string& TabStops() const { return FTabs.Text(); }
    void SetTabStops(const std::u16string& value);
    const TTabRack& TabRack() const { return FTabs; }
    int SpacesInTab() const { return FSpacesInTab; }
    void SetSpacesInTab(int value);
    const std::u16string& Delimeters() const { return FDelimeters; }
    void SetDelimeters(const std::u16string& value) { FDelimeters = value; }
    int BlockIndent() const { return FBlockIndent; }
    void SetBlockIndent(int value) { FBlockIndent = value < 0 ? 0 : value; }
    TBlockOption BlockOption() const { return FBlockOption; }
    void SetBlockOption(TBlockOption value);
    TOutFormatType OutFormat() const { return FOutFormat; }
    void SetOutFormat(TOutFormatType value) { FOutFormat = value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool AllowUndo() const { return FAllowUndo; }
    void SetAllowUndo(bool value);
    int UndoLimit() const { return FUndoLimit; }
    void SetUndoLimit(int value);
    bool UseGlobalOptions() const { return FUseGlobalOptions; }
    void SetUseGlobalOptions(bool value);
    bool KeepTrailingBlanks() const { return FKeepTrailingBlanks; }
    void SetKeepTrailingBlanks(bool value) { FKeepTrailingBlanks = value; }
    const std::u16string& ObjectName() const { return FObjectName; }
    void SetObjectName(const std::u16string& value);
    bool Modified() const { return FModified; }
    void SetModified(bool value, bool notify = true);

    TGetSelectionTypeEvent OnGetSelectionType;
    TCaretMoveHook OnCaretMove;
    TIndentHook OnIndent;

    // Insert/overwrite mode is one value for the whole process.
    static bool InsertMode();
    void ToggleInsertMode();

    // --- Lines ------------------------------------------------------------
    int LineCount() const { return FLines.Count(); }
    TStringItem* LineItem(int i) const { return FLines.Item(i); }
    const std::u16string& LineText(int i) const { return FLines.Raw(i); }
    int LineDisplayLength(int i) const { return FTabs.DisplayLength(LineText(i)); }
    bool IsLineReadOnly(int i) const;
    bool IsEditBlocked() const;
    bool SetLineFlag(int line, std::uint8_t flag, bool on);
    std::u16string ConvertTabs(std::u16string text) const;
    // The greatest display width of a line and the first line that wide
    // (-1 when there are no lines). Kept up to date from the first request on.
    int LongestLineWidth() { return FLines.Longest().Width(); }
    int LongestLineIndex() { return FLines.Longest().Index(); }

    // --- Collapsible regions ----------------------------------------------
    TRegionState GetRegionState(int line) const;
    void SetRegionState(int line, TRegionState state);
    bool IsLineHidden(int line) const;
    const std::vector<int>& HiddenLines() const { return FHiddenLines; }

    // --- Change protocol --------------------------------------------------
    void BeginUpdate(std::uint8_t code);
    void BeginSafeUpdate(std::uint8_t code);
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    TMemoStates UpdateStates() const { return FStates; }
    int FirstChangedLine() const { return FFirstChanged; }
    int LastChangedLine() const { return FLastChanged; }
    // Marks lines first..last (INT_MAX: to the end) as edited.
    void MarkChanged(int first, int last);
    // Widens the repaint range without counting as an edit.
    void WidenChanged(int first, int last);
    // The last search hit; every update empties it unless the update sets it.
    TRect FoundRect() const { return FFoundRect; }
    void SetFoundRect(const TRect& rect) { FFoundRect = rect; }
    // Lines from here on still wait for colouring.
    int FirstUnparsedLine() const { return FFirstUnparsed; }
    // Colours lines first..last that need it, carrying the lexical state
    // from line to line.
    void ColorLines(int first, int last);
    // Lines before this one got a new end state in this update's colouring:
    // views repaint through it.
    int ColorsChangedThrough() const { return FColorsChangedThrough; }
    // The line's colour bytes, one per stored character, coloured first when
    // due; nullptr outside the document.
    const std::string* GetLineColorData(int line);
    // The same bytes spread over the line's display columns.
    std::string GetDisplayColorData(int line);
    // The syntax parser component, none by default; its destruction
    // detaches it.
    TLineParser* SyntaxParser() const { return FSyntaxParser; }
    void SetSyntaxParser(TLineParser* parser);
    bool HighlightUrls() const { return FHighlightUrls; }
    void SetHighlightUrls(bool value);
    // Every line waits for colouring again; without a parser its colours go.
    void InvalidateColoring();
    // The colour byte inserted characters get while a parser is attached;
    // -1 (unset) lets them take the style at the caret.
    int TypedTextStyle() const { return FTypedStyle; }
    void SetTypedTextStyle(int style) { FTypedStyle = style < 0 ? -1 : style; }
    void AttachView(TMemoNotifyEvent notify, TComponent* view, bool refresh);
    void DetachView(TComponent* view);
    int ViewCount() const { return static_cast<int>(FViews.size()); }

    // --- Positions and selection ------------------------------------------
    const TPosition& Caret() const { return FPositions[TPositionCollection::Caret]; }
    int CaretChar() const { return Caret().CharPos; }
    int CaretLine() const { return Caret().LinePos; }
    void SetCaret(int column, int line);
    void SetCaretChar(int column) { SetCaret(column, CaretLine()); }
    void SetCaretLine(int line) { SetCaret(CaretChar(), line); }
    const TPositionCollection& Positions() const { return FPositions; }
    // A place carried along by edits until released.
    TPosition* AddTempPosition(int column, int line);
    void RemoveTempPosition(TPosition* position) { FPositions.Remove(position); }

    TSelectionType SelectionType() const { return FSelType; }
    void SetSelectionType(TSelectionType type);
    void SetSelection(TSelectionType type, int left, int top, int right, int bottom);
    TRect GetSelectionRect() const;
    bool HasSelection() const { return FSelType != stNotSelected && !SelectionEmpty(); }
    bool IsInSelection(int column, int line) const;
    void ClearSelection();

    // --- Primitives -------------------------------------------------------
    void MoveCaret(int deltaLines, int deltaChars);
    void SplitLine();
    void JoinLines();
    bool InsertText(const std::u16string& text, const std::string* colors = nullptr);
    void DeleteChars(int count);

    // --- Caret and selection commands ---------------------------------------
    void CaretUp() { MoveCaret(-1, 0); }
    void CaretDown() { MoveCaret(1, 0); }
    void CaretLeft();
    void CaretRight();
    void CaretDocStart() { SetCaret(0, 0); }
    void CaretDocEnd();
    void CaretLineStart() { MoveCaret(0, -CaretChar()); }
    void CaretLineEnd();
    void CaretWordLeft();
    void CaretWordRight();
    void CaretToBlockBegin();
    void CaretToBlockEnd();

    void SelectLeft() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretLeft); }
    void SelectRight() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretRight); }
    void SelectUp() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretUp); }
    void SelectDown() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretDown); }
    void SelectLineStart() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretLineStart); }
    void SelectLineEnd() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretLineEnd); }
    void SelectDocStart() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretDocStart); }
    void SelectDocEnd() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretDocEnd); }
    void SelectWordLeft() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretWordLeft); }
    void SelectWordRight() { ExtendSelection(stStreamSel, &TCustomMemoSource::CaretWordRight); }
    void BlockSelectLeft() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretLeft); }
    void BlockSelectRight() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretRight); }
    void BlockSelectUp() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretUp); }
    void BlockSelectDown() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretDown); }
    void BlockSelectLineStart() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretLineStart); }
    void BlockSelectLineEnd() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretLineEnd); }
    void BlockSelectDocStart() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretDocStart); }
    void BlockSelectDocEnd() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretDocEnd); }
    void BlockSelectWordLeft() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretWordLeft); }
    void BlockSelectWordRight() { ExtendSelection(stBlockSel, &TCustomMemoSource::CaretWordRight); }
    void BeginStreamSelection() { ExtendSelection(stStreamSel, nullptr); }
    void BeginBlockSelection() { ExtendSelection(stBlockSel, nullptr); }
    void MarkBlockBegin();
    void MarkBlockEnd();
    void SelectLine();
    void SelectWord(TWordSelectionType type = wsWordOnly);
    void SelectAll();

    // --- Words and brackets ---------------------------------------------
    bool IsDelimiter(char16_t c) const;
    // The word at (column, line) as character indices [start, end); false
    // when there is none.
    bool WordAt(int line, int column, TWordSelectionType type, int& start, int& end) const;
    void MatchBracket();
    void MatchBracketForward();
    void MatchBracketBackward();

    // --- Editing commands -------------------------------------------------
    void TypeChar(char16_t c);
    void Backspace();
    void DeleteChar();
    void DeleteLine();
    void DeleteToLineStart();
    void DeleteToLineEnd();
    void DeleteSelection();
    void NewLine();
    void TabKey();
    void BackTab();
    void IndentBlock() { IndentLines(std::u16string(FBlockIndent, u' '), ucIndentBlock); }
    void UnindentBlock() { UnindentLines(FBlockIndent); }

    // --- Bookmarks, line styles and code templates ------------------------
    // Numbers 1 to 10; others do nothing.
    void ToggleBookmark(int number);
    void SetBookmark(int number);
    void ClearBookmark(int number);
    void GotoBookmark(int number);
    // The bookmark's (column, line); (-1, -1) when it is not set.
    bool GetBookmark(int number, TPoint& position) const;
    const TMemoBookMarkList& Bookmarks() const { return FBookmarks; }
    int BookmarkOnLine(int line) const { return FBookmarks.FirstOnLine(line); }
    // The number of a bookmark on the line within the columns, 0 when none.
    int BookmarkInRange(int line, int fromColumn, int toColumn) const;
    std::vector<TBookmark> BookmarksInRange(int line, int fromColumn, int toColumn) const {
        return FBookmarks.InRange(line, fromColumn, toColumn);
    }

    std::uint8_t GetLineStyle(int line) const;
    void SetLineStyle(int line, std::uint8_t style);
    // Paints the line in the style until the next outermost update begins.
    virtual void HighlightLine(int line, std::uint8_t style);

    TMemoCodeTemplates& CodeTemplates() { return FCodeTemplates; }
    const TMemoCodeTemplates& CodeTemplates() const { return FCodeTemplates; }
    void SetCodeTemplates(const TMemoCodeTemplates& value) { FCodeTemplates = value; }
    const std::u16string& TemplatesType() const { return FTemplatesType; }
    // An unregistered name is ignored; a set with templates replaces the
    // collection's contents.
    void SetTemplatesType(const std::u16string& value);

    // --- Block, clipboard and file operations -----------------------------
    void UpperCaseBlock();
    void LowerCaseBlock();
    void ToggleCaseBlock();
    void CapitalizeBlock();
    void QuoteBlock();
    void UpperCaseWord();
    void LowerCaseWord();
    void CapitalizeWord();
    void DeleteWordRight();
    void DeleteWord();
    void DeleteWordLeft();
    void MoveBlock() { MoveOrCopyBlock(true); }
    void CopyBlock() { MoveOrCopyBlock(false); }
    void DuplicateBlock();
    // Inserts lines at the caret as a stream or column block and selects
    // them; `colors`, when given, holds one colour string per line.
    void InsertBlock(const std::vector<std::u16string>& lines, bool column,
                     const std::vector<std::string>* colors = nullptr);
    void InsertTextBlock(const std::u16string& text);
    void InsertGuid();
    void ClearDocument();

    virtual void CopyToClipboard();
    virtual void CutToClipboard();
    virtual void PasteFromClipboard();
    // Whether the last copy in this process was of a column block.
    static bool ClipboardHoldsColumn();
    TStringsEvent OnPasteFromClipboard;

    void LoadFromFile(const std::u16string& fileName);
    void SaveToFile(const std::u16string& fileName);
    // The byte-order mark found on load, written again on save.
    TTextEncoding FileEncoding() const { return FFileEncoding; }
    void SetFileEncoding(TTextEncoding value) { FFileEncoding = value; }
    TGetBackpNameEvent OnGetBackupName;

    // --- Search and replace (options in TSearchOptions::Global()) ----------
    // Each answers whether a match was found (a replace: whether to go on).
    virtual bool Find();
    virtual bool Replace();
    virtual bool FindNext();
    void ToggleSearchCase();
    void ToggleSearchRegExpr();
    // Before a find or replace dialog: the word at the caret and the scope.
    void PrepareSearchOptions();
    int ReplacementCount() const { return FReplacements; }
    TSearchExceptionEvent OnSearchException;
    TBeforeSearchHook OnBeforeSearch;

    // --- Undo -------------------------------------------------------------
    void Undo();
    void Redo();
    bool CanUndo() const { return !FUndo.Empty(); }
    bool CanRedo() const { return !FRedo.Empty(); }
    void BeginUndoBlock();
    void EndUndoBlock();
    void ClearUndo();
    const TUndoList& UndoList() const { return FUndo; }
    const TUndoList& RedoList() const { return FRedo; }

    // Called once the component's properties have been set up.
    void Loaded();

protected:
    // Descendants that store more per line return their own item class.
    virtual std::unique_ptr<TStringItem> CreateStringItem() const;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TExternalStrings;
    friend class TSelectionStrings;
    friend class TMemoSourceOptions;
    friend class TSearchEngine;

    struct TView {
        TComponent* View;
        TMemoNotifyEvent Notify;
    };

    TPosition& CaretPos() { return FPositions[TPositionCollection::Caret]; }
    TPosition& BlockBegin() { return FPositions[TPositionCollection::BlockBegin]; }
    TPosition& BlockEnd() { return FPositions[TPositionCollection::BlockEnd]; }
    const TPosition& BlockBegin() const { return FPositions[TPositionCollection::BlockBegin]; }
    const TPosition& BlockEnd() const { return FPositions[TPositionCollection::BlockEnd]; }
    TPosition::TAdjustEvent CornerAdjuster();
    void AddState(TMemoState s) { FStates.Include(s); }

    // Back to (0, 0) with nothing selected or hidden, after the text is replaced.
    void ResetPositions();

    // Update bracket helpers.
    void FinishSelection();
    void RepaintSelectionChange();
    void NotifyViews();
    void RestoreSafePlaces();

    // Selection helpers.
    bool SelectionEmpty() const;
    TSelectionType FilterSelectionType(TSelectionType type) const;
    void DropSelection() { FSelType = stNotSelected; }
    bool OverwritesSelection() const;
    bool CaretOnSelectionCorner() const;
    void ExtendSelection(TSelectionType type, void (TCustomMemoSource::*move)());
    void OrderSelection();

    // Primitive helpers.
    int LineEndColumn(int line) const; // without trailing blanks unless kept
    int LineIndent(int line) const;
    void ApplyCaretMove(int deltaLines, int deltaChars);
    void InsertFiller(int column, int count);
    void AddLinesToCaret();
    void DeleteTrailingBlanksBefore(int column);
    void MergeLineAttributes(TStringItem& from, TStringItem& to);
    void DropIfSingleEmptyLine();
    void ExpandCollapsedAt(int line);
    void ExpandRegionAbove(int line);
    void ShiftHiddenLines(int fromLine, int delta);
    void MarkRegionBody(int line);

    // Colour helpers.
    void ColorWithParser(int first, int last);
    void ColorWithoutParser(int first, int last);
    void MarkUrls(int line, TStringItem& item);
    bool RecolorLine(int line); // true when its end state changed
    void RecolorEditedLine();
    static int ColorByteAt(const std::string& colors, int index); // -1 past the end
    static int StyleAt(const std::string& colors, int index);
    int StyleAtCaret() const;
    bool KeepColors(TStringItem& item) const;
    std::string InsertColors(const TStringItem& item, int index, int length,
                             const std::string* colors) const;

    // Command helpers.
    void CaretTo(int column, int line);
    bool CaretInsideTab(int& tabStart, int& tabEnd) const;
    int BackUnindentTarget() const;
    void BackUnindent(int target);
    int NewLineIndent(const std::u16string& expanded, int column) const;
    void InsertIndent(int indent, const std::u16string& previousRaw);
    int SmartTabTarget(int column, int line) const;
    void IndentLines(const std::u16string& prefix, std::uint8_t code);
    void UnindentLines(int width);
    int SelectedLineCount() const;
    bool FindBracket(bool forward, char16_t open, char16_t close, TPoint& found) const;
    void MatchBracketIn(bool forward);

    // Bookmark and line-style helpers.
    void RepaintLine(int line);
    void EndHighlight();

    // Block helpers.
    struct TBlockText {
        std::vector<std::u16string> Lines;
        std::vector<std::string> Colors; // empty without a parser
        TSelectionType Type = stNotSelected;
    };
    using TLineFunction = std::function<std::u16string(const std::u16string&)>;
    TBlockText SelectedBlock() const;
    bool SelectionEditable() const;
    void TransformBlock(std::uint8_t code, const TLineFunction& function);
    void TransformWord(std::uint8_t code, void (TCustomMemoSource::*blockCommand)());
    void PlaceCaret(int column, int line); // exactly there, whatever the options
    // Inserts lines[i] at the caret; answers the column where it ends.
    int InsertLine(const std::vector<std::u16string>& lines, const std::vector<std::string>* colors,
                   int i);
    void InsertColumnLines(const std::vector<std::u16string>& lines,
                           const std::vector<std::string>* colors);
    void InsertStreamLines(const std::vector<std::u16string>& lines,
                           const std::vector<std::string>* colors);
    void InsertBlockText(const TBlockText& block);
    void DeleteSpan(TPoint from, TPoint to);
    void MoveOrCopyBlock(bool move);
    std::u16string FileText() const;

    // Undo helpers.
    TUndoRecord* NewRecord(TUndoKind kind);
    void TrimUndo();
    void RunUndoStep(TUndoList& from, bool fromUndoList);
    void Replay(const TUndoRecord& record);
    bool ComputedModified() const;
    bool StopAfter(const TUndoList& from, const TUndoRecord& record) const;

    TTabRack FTabs;
    TInternalStrings FLines;
    TExternalStrings FExternal{*this};
    TSelectionStrings FSelectionStrings{*this};
    TPositionCollection FPositions;
    std::vector<TView> FViews;
    std::vector<int> FHiddenLines;

    TStringsOptions FOptions = DefaultStringsOptions;
    int FSpacesInTab = 8;
    std::u16string FDelimeters;
    int FBlockIndent = 1;
    TBlockOption FBlockOption = bkBoth;
    TOutFormatType FOutFormat = ofWindows;
    bool FReadOnly = false;
    bool FUseGlobalOptions = false;
    bool FKeepTrailingBlanks = false;
    std::u16string FObjectName;
    TSelectionType FSelType = stNotSelected;
    TLineParser* FSyntaxParser = nullptr;
    int FTypedStyle = -1;
    bool FHighlightUrls = false;
    int FColorsChangedThrough = 0;
    bool FRecordColorChanges = false; // URL marks count as undoable edits

    // Update bracket state.
    int FUpdateCount = 0;
    std::uint8_t FUpdateCode = 0;
    TMemoStates FStates;
    int FFirstChanged = INT_MAX;
    int FLastChanged = -INT_MAX;
    int FSavedLineCount = 0;
    TRect FFoundRect{};
    TRect FSavedFoundRect{};
    int FFirstUnparsed = 0;
    bool FSavedModified = false;
    TSelectionType FSavedSelType = stNotSelected;
    TPosition FSavedCaret;
    std::vector<TPosition*> FSafePlaces; // selection corners and caret, while safe
    TSelectionType FSafeSelType = stNotSelected;
    bool FLoading = false;
    bool FExplicitPosition = false;
    int FKeepSelection = 0;
    int FReplacements = 0;

    // Bookmarks, the temporary highlight, templates and the file's encoding.
    TMemoBookMarkList FBookmarks;
    bool FGotoBookmark = false;
    int FHighlightedLine = 0; // line + 1, 0 for none
    std::uint8_t FHighlightedStyle = 0;
    TMemoCodeTemplates FCodeTemplates;
    std::u16string FTemplatesType = u"None";
    TTextEncoding FFileEncoding = TTextEncoding::teAnsi;

    // Undo state.
    TUndoList FUndo;
    TUndoList FRedo;
    TUndoList* FRecordTarget = &FUndo;
    bool FReplaying = false;
    bool FAllowUndo = true;
    int FUndoLimit = 0;
    int FUndoBlock = 0;
    bool FNextRecordFirst = false;
    int FSavePoint = -1;
    bool FSavePointLost = false;
    bool FModified = false;
};

class TMemoSource final : public TCustomMemoSource {
public:
    using TCustomMemoSource::TCustomMemoSource;
};

} // namespace tessorin

namespace tessorin {

// Brackets a change so that EndUpdate runs even when the change throws.
class TMemoUpdate {
public:
    TMemoUpdate(TCustomMemoSource& source, std::uint8_t code) : FSource(source) {
        source.BeginUpdate(code);
    }
    ~TMemoUpdate() noexcept(false) { FSource.EndUpdate(); }
    TMemoUpdate(const TMemoUpdate&) = delete;
    TMemoUpdate& operator=(const TMemoUpdate&) = delete;

private:
    TCustomMemoSource& FSource;
};

} // namespace tessorin
