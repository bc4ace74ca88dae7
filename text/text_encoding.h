#pragma once
// File bytes to text and back. A UTF-8 or UTF-16 byte-order mark decides the
// encoding and is written again on save; anything else is ANSI.
#include <string>
#include <string_view>

namespace tessorin {

enum class TTextEncoding { teAnsi, teUtf8, teUtf16LE, teUtf16BE };

struct TDecodedText {
    TTextEncoding Encoding = TTextEncoding::teAnsi;
    std::u16string Text;
};

TDecodedText DecodeText(std::string_view bytes);
// The bytes of `text`, led by the encoding's byte-order mark.
std::string EncodeText(std::u16string_view text, TTextEncoding encoding);
// `preferred`, unless it is ANSI and the code page lacks some of the text's
// characters: then UTF-16 LE, which script hosts read too, so that saving
// never turns characters into "?".
TTextEncoding EncodingThatKeeps(std::u16string_view text, TTextEncoding preferred);

} // namespace tessorin
