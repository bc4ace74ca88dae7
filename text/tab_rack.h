#pragma once
// Tab stops and the mapping between display columns and character indices.
#include <string>
#include <string_view>
#include <vector>

namespace tessorin {

class TTabRack {
public:
    TTabRack();

    // Parses a comma-separated list; throws "Invalid Tab Rack" and keeps the
    // previous stops when a value is not positive or not increasing.
    void Assign(std::u16string_view stops);
    const std::u16string& Text() const { return FText; }

    int Stop(int k) const;
    int NextStop(int column) const; // first stop greater than column
    int StopsAtOrBelow(int column, int* lastStop) const;

    int DisplayLength(std::u16string_view text) const;
    std::u16string Expand(std::u16string_view text) const;
    int IndexToColumn(std::u16string_view text, int index) const;
    // Index of the character covering column; past the end the missing
    // columns count as characters.
    int ColumnToIndex(std::u16string_view text, int column) const;
    // The first column of the tab whose expansion strictly contains column,
    // or -1 when column stands on a character boundary.
    int TabStartInside(std::u16string_view text, int column) const;

private:
    std::vector<int> FStops;
    std::u16string FText;
};

} // namespace tessorin
