#include "text/reg_expr.h"

#include <algorithm>

namespace tessorin {

TRegExpr::TRegExpr(std::u16string_view pattern, bool caseSensitive)
    : FPattern(pattern), FCaseSensitive(caseSensitive),
      FNodes(CompileRegExpr(pattern, caseSensitive)) {}

bool TRegExpr::IsLinePattern() const {
    return FPattern == u"^" || FPattern == u"$" || FPattern == u"^$";
}

bool TRegExpr::Match(std::u16string_view line, int& position, bool forward, int& length) {
    length = 0;
    const int size = static_cast<int>(line.size());
    // Only the pure line patterns find an empty line; the caller keeps its position.
    if (size == 0) {
        if (IsLinePattern())
            return true;
        position = 0;
        return false;
    }
    position = std::min(position, size);
    // No candidate start lies after the last character, so "$" alone is answered here.
    if (FPattern == u"$" && (forward || position == size)) {
        position = size + 1;
        return true;
    }
    std::u16string_view text = line;
    if (!FCaseSensitive) {
        FUpper.assign(line);
        std::transform(FUpper.begin(), FUpper.end(), FUpper.begin(), RegExprUpper);
        text = FUpper;
    }
    const int step = forward ? 1 : -1;
    for (int p = forward ? std::max(position, 1) : position; p >= 1 && p <= size; p += step) {
        const int end = FWalker.Run(FNodes, text, p - 1);
        if (end >= 0) {
            position = p;
            length = end - (p - 1);
            return true;
        }
    }
    position = 0;
    return false;
}

} // namespace tessorin
