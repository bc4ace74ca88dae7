#pragma once
// Numbered bookmarks that follow their text through edits, kept ordered by
// line, column and number. A number occurs at most once.
#include <vector>

namespace tessorin {

struct TBookmark {
    int CharPos = 0;
    int LinePos = 0;
    int Number = 0;
    bool operator==(const TBookmark&) const = default;
};

class TMemoBookMarkList {
public:
    static constexpr int MaxNumber = 10;
    static bool ValidNumber(int number) { return number >= 1 && number <= MaxNumber; }

    const std::vector<TBookmark>& Items() const { return FItems; }
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }

    // Null when the number is not set.
    const TBookmark* Find(int number) const;
    // Moves the number to (column, line).
    void Set(int number, int column, int line);
    // The line the number was on, -1 when it was not set.
    int Remove(int number);

    // The number of the first bookmark on the line, 0 when none.
    int FirstOnLine(int line) const;
    // Bookmarks on the line at columns from..to (inclusive).
    std::vector<TBookmark> InRange(int line, int fromColumn, int toColumn) const;

    // Edits at (column, line), `width` display columns wide.
    void Inserted(int column, int line, int width);
    void Deleted(int column, int line, int width);
    void Split(int column, int line);
    // Line + 1 was appended to line, whose length was `width`.
    void Joined(int line, int width);

private:
    void Sort();

    std::vector<TBookmark> FItems;
};

} // namespace tessorin
