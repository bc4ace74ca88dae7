#pragma once
// Colour data written as text, one hex digit per byte ("c" for a URL).
#include <string>

namespace tessorin::testing {

inline std::string Hex(const std::string& colors) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (unsigned char b : colors)
        s.push_back(b < 16 ? digits[b] : '?');
    return s;
}

inline std::u16string U(const char* s) {
    return std::u16string(s, s + std::char_traits<char>::length(s));
}

} // namespace tessorin::testing
