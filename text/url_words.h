#pragma once
// Words of a line that look like URLs or e-mail addresses.
#include <string_view>

#include "core/function_ref.h"

namespace tessorin {

// Calls `found` with [start, end) of every URL-like word of the text.
void ForEachUrlWord(std::u16string_view text, TFunctionRef<void(int start, int end)> found);

} // namespace tessorin
