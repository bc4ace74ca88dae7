#include "text/tab_rack.h"

#include "core/exception.h"

namespace tessorin {
namespace {

std::vector<int> ParseStops(std::u16string_view text) {
    std::vector<int> stops;
    size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        size_t comma = text.find(u',', start);
        if (comma == std::u16string_view::npos)
            comma = text.size();
        long long value = 0;
        bool digits = false;
        for (size_t i = start; i < comma; ++i) {
            char16_t c = text[i];
            if (c == u' ')
                continue;
            if (c < u'0' || c > u'9' || value > 1000000)
                throw TException(u"Invalid Tab Rack");
            value = value * 10 + (c - u'0');
            digits = true;
        }
        if (!digits || value <= 0 || (!stops.empty() && value <= stops.back()))
            throw TException(u"Invalid Tab Rack");
        stops.push_back(static_cast<int>(value));
        start = comma + 1;
    }
    return stops;
}

} // namespace

TTabRack::TTabRack() {
    Assign(u"9,17");
}

void TTabRack::Assign(std::u16string_view stops) {
    FStops = ParseStops(stops);
    FText = std::u16string(stops);
}

int TTabRack::Stop(int k) const {
    const int count = static_cast<int>(FStops.size());
    if (k < count)
        return FStops[k];
    if (count == 0)
        return 8 * (k + 1);
    const int step = count == 1 ? FStops[0] : FStops[count - 1] - FStops[count - 2];
    return FStops[count - 1] + step * (k - count + 1);
}

int TTabRack::NextStop(int column) const {
    const int count = static_cast<int>(FStops.size());
    if (count == 0)
        return (column / 8 + 1) * 8;
    for (int stop : FStops)
        if (stop > column)
            return stop;
    const int last = FStops[count - 1];
    const int step = Stop(count) - last;
    return last + ((column - last) / step + 1) * step;
}

int TTabRack::StopsAtOrBelow(int column, int* lastStop) const {
    int k = 0;
    *lastStop = 0;
    while (Stop(k) <= column)
        *lastStop = Stop(k++);
    return k;
}

int TTabRack::DisplayLength(std::u16string_view text) const {
    return IndexToColumn(text, static_cast<int>(text.size()));
}

std::u16string TTabRack::Expand(std::u16string_view text) const {
    if (text.find(u'\t') == std::u16string_view::npos)
        return std::u16string(text);
    std::u16string result;
    for (char16_t c : text) {
        if (c == u'\t')
            result.append(NextStop(static_cast<int>(result.size())) - result.size(), u' ');
        else
            result.push_back(c);
    }
    return result;
}

int TTabRack::IndexToColumn(std::u16string_view text, int index) const {
    int column = 0;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < index; ++i)
        column = (i < n && text[i] == u'\t') ? NextStop(column) : column + 1;
    return column;
}

int TTabRack::ColumnToIndex(std::u16string_view text, int column) const {
    int col = 0;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const int next = text[i] == u'\t' ? NextStop(col) : col + 1;
        if (column < next)
            return i;
        col = next;
    }
    return n + (column - col);
}

int TTabRack::TabStartInside(std::u16string_view text, int column) const {
    int col = 0;
    for (char16_t c : text) {
        if (col >= column)
            return -1;
        const int next = c == u'\t' ? NextStop(col) : col + 1;
        if (column < next)
            return col;
        col = next;
    }
    return -1;
}

} // namespace tessorin
