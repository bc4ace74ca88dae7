#pragma once
// Text to lines for insertion: CR LF, CR and LF all break a line, and text
// that ends with a break gets an empty last line, so that the caret ends at
// the start of the following line.
#include <string>
#include <string_view>
#include <vector>

namespace tessorin {

std::vector<std::u16string> SplitAtLineBreaks(std::u16string_view text);

} // namespace tessorin
