#pragma once
// Small value types shared by the text model: option and state sets, the
// selection kinds and the update codes that name every operation.
#include <cstdint>
#include <initializer_list>

namespace tessorin {

// A set over an enumeration whose values are bit numbers below 32.
template <typename E> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E e : items)
            FBits |= Bit(e);
    }
    static constexpr TSet FromBits(std::uint32_t bits) {
        TSet s;
        s.FBits = bits;
        return s;
    }
    constexpr std::uint32_t Bits() const { return FBits; }
    constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr void Include(E e) { FBits |= Bit(e); }
    constexpr void Exclude(E e) { FBits &= ~Bit(e); }
    constexpr void Set(E e, bool on) { on ? Include(e) : Exclude(e); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint32_t Bit(E e) { return 1u << static_cast<unsigned>(e); }
    std::uint32_t FBits = 0;
};

enum TStringsOption {
    soBackUnindents,
    soGroupUndo,
    soBeyondFileEnd,
    soForceCutCopy,
    soAutoIndent,
    soSmartTab,
    soFindTextAtCursor,
    soCreateBackups,
    soPersistentBlocks,
    soOverwriteBlocks,
    soLimitEOL,
    soUseTabCharacter,
    soCursorOnTabs,
    soOptimalFill,
    soSelectFoundText,
    soExcludeReadOnlyLines,
    soCursorAlwaysOnTabs,
    soUsePrevIndent,
    soRetainColumn,
};
using TStringsOptions = TSet<TStringsOption>;

inline constexpr TStringsOptions DefaultStringsOptions{
    soBackUnindents, soGroupUndo,        soForceCutCopy,   soAutoIndent,
    soSmartTab,      soFindTextAtCursor, soOverwriteBlocks};

enum TMemoState {
    msPositionChanged,
    msEdited,
    msUndo,
    msBlockChanged,
    msInsState,
    msCountChanged,
    msModifiedChanged,
    msFoundRectChanged,
    msObjNameChanged,
    msNeedInvalidate,
    msParserChanged,
    msReadOnlyChanged,
};
using TMemoStates = TSet<TMemoState>;

enum TSelectionType { stNotSelected, stStreamSel, stBlockSel };
enum TBlockOption { bkStreamSel, bkBlockSel, bkNone, bkBoth };
enum TOutFormatType { ofWindows, ofMac, ofUnix };
enum TWordSelectionType { wsWordOnly, wsWordWithSpace, wsUntilNextWord };

// Bits of TStringItem::LineFlags.
enum TLineFlag : std::uint8_t {
    lfParsed = 1 << 0,
    lfReadOnly = 1 << 1,
    lfRegionBody = 1 << 2,
    lfExpandedStart = 1 << 3,
    lfCollapsedStart = 1 << 4,
};
inline constexpr std::uint8_t lfRegionBits = lfRegionBody | lfExpandedStart | lfCollapsedStart;

enum class TRegionState { rsNone, rsExpanded, rsCollapsed };

// Update codes: stored in undo records, where they group one command's records.
enum TUpdateCode : std::uint8_t {
    ucCaretMove = 2,
    ucJoinLines = 3,
    ucSplitLine = 4,
    ucInsertText = 5,
    ucDeleteChars = 6,
    ucBackspace = 8,
    ucDeleteLine = 9,
    ucDeleteToLineStart = 10,
    ucSetBlockBegin = 11,
    ucSetBlockEnd = 12,
    ucSetSelectionType = 13,
    ucExtendSelection = 16,
    ucSelectAll = 18,
    ucSelectLine = 19,
    ucCut = 20,
    ucInsertBlock = 21,
    ucDeleteBlock = 22,
    ucMoveBlock = 23,
    ucUpperCase = 25,
    ucLowerCase = 26,
    ucToggleCase = 27,
    ucSelectWord = 30,
    ucSetSelection = 31,
    ucDeleteWordRight = 33,
    ucDeleteWordLeft = 34,
    ucLowerCaseWord = 35,
    ucUpperCaseWord = 36,
    ucLinesInsert = 39,
    ucNewLine = 40,
    ucInsertMode = 41,
    ucSetBookmark = 45,
    ucClearBookmark = 46,
    ucLoadFile = 48,
    ucSetModified = 49,
    ucAttachView = 50,
    ucTab = 52,
    ucReplace = 54,
    ucSearch = 55,
    ucObjectName = 56,
    ucParserChange = 57,
    ucClear = 58,
    ucLinesPut = 59,
    ucLinesText = 60,
    ucLoaded = 61,
    ucCapitalizeWord = 62,
    ucCapitalizeBlock = 64,
    ucIndentBlock = 65,
    ucUnindentBlock = 66,
    ucQuoteBlock = 67,
    ucLineStyle = 68,
    ucDuplicateBlock = 69,
    ucReadOnly = 70,
    ucLineFlags = 73,
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect&) const = default;
};

} // namespace tessorin
