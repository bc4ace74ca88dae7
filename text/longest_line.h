#pragma once
// The widest line of the document by display width (tabs expanded) and the
// first line of that width. Nothing is measured until someone asks; from
// then on every change of the line store keeps the answer, and only a
// narrowed or removed widest line costs a pass over all lines. Inside a
// block (a block insertion or deletion) that pass waits for the block's end.
namespace tessorin {

class TInternalStrings;
class TTabRack;

class TLongestLine {
public:
    TLongestLine(const TInternalStrings& lines, const TTabRack& tabs)
        : FLines(lines), FTabs(tabs) {}

    int Width(); // 0 for an empty document
    int Index(); // -1 for an empty document

    // The line store reports each change once it is made.
    void LineChanged(int line);
    void LineInserted(int line);
    void LineDeleted(int line);
    void AllChanged();

    // While one lives, a lost widest line is looked for at its end only.
    class TBlock {
    public:
        explicit TBlock(TLongestLine& longest) : FLongest(longest) { ++longest.FBlock; }
        ~TBlock() { FLongest.EndBlock(); }
        TBlock(const TBlock&) = delete;
        TBlock& operator=(const TBlock&) = delete;

    private:
        TLongestLine& FLongest;
    };

private:
    bool Current() const { return FTracking && !FStale; }
    int Measure(int line) const;
    void Consider(int line, int width);
    void Lost();
    void Recompute();
    void EndBlock();

    const TInternalStrings& FLines;
    const TTabRack& FTabs;
    bool FTracking = false;
    bool FStale = false;
    int FBlock = 0;
    int FWidth = 0;
    int FIndex = -1;
};

} // namespace tessorin
