#include "text/line_breaks.h"

namespace tessorin {

std::vector<std::u16string> SplitAtLineBreaks(std::u16string_view text) {
    std::vector<std::u16string> lines;
    if (text.empty())
        return lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace tessorin
