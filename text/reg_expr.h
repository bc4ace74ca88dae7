#pragma once
// The pattern matcher behind regular-expression search. Its syntax is its
// own: braces group, "*" and "+" repeat the element or group before them,
// "." is any character, [..] and [^..] are classes, "^" and "$" are the
// line's start and end, "\" takes the next character literally; every other
// character, "(", ")", "?" and "|" included, stands for itself.
#include <string>
#include <string_view>

#include "text/reg_expr_nodes.h"
#include "text/reg_expr_walker.h"

namespace tessorin {

class TRegExpr {
public:
    // Compiles at once; an invalid pattern raises
    // "<pattern> is invalid mask at (<1-based position>)".
    TRegExpr(std::u16string_view pattern, bool caseSensitive);

    // Searches one line, trying one start after the other from the 1-based
    // position, forward up to the last character or backward down to the
    // first. On a match, position becomes the match's 1-based start and
    // length its character count (0 for an empty match); otherwise both
    // become 0.
    bool Match(std::u16string_view line, int& position, bool forward, int& length);

private:
    bool IsLinePattern() const;

    std::u16string FPattern;
    bool FCaseSensitive;
    TRegExprNodes FNodes;
    TRegExprWalker FWalker; // holds the resume points between searches
    std::u16string FUpper;  // the folded line, kept to spare an allocation per line
};

} // namespace tessorin
