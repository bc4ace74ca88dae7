#include "text/longest_line.h"

#include "text/internal_strings.h"

namespace tessorin {

int TLongestLine::Width() {
    if (!Current())
        Recompute();
    return FWidth;
}

int TLongestLine::Index() {
    if (!Current())
        Recompute();
    return FIndex;
}

void TLongestLine::LineChanged(int line) {
    if (!Current())
        return;
    const int width = Measure(line);
    if (line == FIndex && width < FWidth)
        Lost();
    else
        Consider(line, width);
}

void TLongestLine::LineInserted(int line) {
    if (!Current())
        return;
    if (FIndex >= line)
        ++FIndex;
    Consider(line, Measure(line));
}

void TLongestLine::LineDeleted(int line) {
    if (!Current())
        return;
    if (line == FIndex)
        Lost();
    else if (FIndex > line)
        --FIndex;
}

void TLongestLine::AllChanged() {
    if (FTracking)
        Lost();
}

int TLongestLine::Measure(int line) const {
    return FTabs.DisplayLength(FLines.Raw(line));
}

void TLongestLine::Consider(int line, int width) {
    // Of equally wide lines the first one counts, so the answer does not
    // depend on the order of the edits that led to it.
    if (FIndex < 0 || width > FWidth || (width == FWidth && line < FIndex)) {
        FIndex = line;
        FWidth = width;
    }
}

void TLongestLine::Lost() {
    FStale = true;
    if (FBlock == 0)
        Recompute();
}

void TLongestLine::Recompute() {
    FTracking = true;
    FStale = false;
    FWidth = 0;
    FIndex = -1;
    for (int i = 0; i < FLines.Count(); ++i)
        Consider(i, Measure(i));
}

void TLongestLine::EndBlock() {
    if (--FBlock == 0 && FStale)
        Recompute();
}

} // namespace tessorin
