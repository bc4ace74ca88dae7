#include "text/bookmarks.h"

#include <algorithm>
#include <tuple>

namespace tessorin {

const TBookmark* TMemoBookMarkList::Find(int number) const {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [number](const TBookmark& b) { return b.Number == number; });
    return it == FItems.end() ? nullptr : &*it;
}

void TMemoBookMarkList::Set(int number, int column, int line) {
    Remove(number);
    FItems.push_back({column, line, number});
    Sort();
}

int TMemoBookMarkList::Remove(int number) {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [number](const TBookmark& b) { return b.Number == number; });
    if (it == FItems.end())
        return -1;
    const int line = it->LinePos;
    FItems.erase(it);
    return line;
}

int TMemoBookMarkList::FirstOnLine(int line) const {
    auto it = std::find_if(FItems.begin(), FItems.end(),
                           [line](const TBookmark& b) { return b.LinePos == line; });
    return it == FItems.end() ? 0 : it->Number;
}

std::vector<TBookmark> TMemoBookMarkList::InRange(int line, int fromColumn, int toColumn) const {
    std::vector<TBookmark> found;
    for (const TBookmark& b : FItems)
        if (b.LinePos == line && b.CharPos >= fromColumn && b.CharPos <= toColumn)
            found.push_back(b);
    return found;
}

void TMemoBookMarkList::Inserted(int column, int line, int width) {
    for (TBookmark& b : FItems)
        if (b.LinePos == line && b.CharPos >= column)
            b.CharPos += width;
}

void TMemoBookMarkList::Deleted(int column, int line, int width) {
    // Bookmarks inside the deleted span stay put: an edit never drops one.
    for (TBookmark& b : FItems)
        if (b.LinePos == line && b.CharPos > column + width - 1)
            b.CharPos -= width;
    Sort();
}

void TMemoBookMarkList::Split(int column, int line) {
    for (TBookmark& b : FItems) {
        if (b.LinePos > line) {
            ++b.LinePos;
        } else if (b.LinePos == line && b.CharPos >= column) {
            b.LinePos = line + 1;
            b.CharPos -= column;
        }
    }
    Sort();
}

void TMemoBookMarkList::Joined(int line, int width) {
    for (TBookmark& b : FItems) {
        if (b.LinePos == line + 1)
            b.CharPos += width;
        if (b.LinePos > line)
            --b.LinePos;
    }
    Sort();
}

void TMemoBookMarkList::Sort() {
    std::sort(FItems.begin(), FItems.end(), [](const TBookmark& a, const TBookmark& b) {
        return std::tie(a.LinePos, a.CharPos, a.Number) < std::tie(b.LinePos, b.CharPos, b.Number);
    });
}

} // namespace tessorin
