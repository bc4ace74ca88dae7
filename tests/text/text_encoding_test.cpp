#include <gtest/gtest.h>

#include "text/text_encoding.h"

namespace tessorin {
namespace {

TEST(TextEncoding, ByteOrderMarksDecideAndComeBack) {
    struct Case {
        const char* name;
        std::string bytes;
        TTextEncoding encoding;
        std::u16string text;
    };
    const Case cases[] = {
        {"utf-8",
         "\xEF\xBB\xBF"
         "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         TTextEncoding::teUtf8, u"a\u00E9\u20AC\U0001F600"},
        {"utf-16 le",
         std::string("\xFF\xFE"
                     "a\0\xE9\0\xAC\x20",
                     8),
         TTextEncoding::teUtf16LE, u"a\u00E9\u20AC"},
        {"utf-16 be", std::string("\xFE\xFF\0a\0\xE9\x20\xAC", 8), TTextEncoding::teUtf16BE,
         u"a\u00E9\u20AC"},
        {"ansi", "caf\xE9 \x80 \x81", TTextEncoding::teAnsi, u"caf\u00E9 \u20AC \u0081"},
        {"ansi with nul", std::string("a\0b", 3), TTextEncoding::teAnsi,
         std::u16string(u"a\0b", 3)},
        {"utf-8 without mark is ansi", "\xC3\xA9", TTextEncoding::teAnsi, u"\u00C3\u00A9"},
        {"empty", "", TTextEncoding::teAnsi, u""},
        {"only a mark", "\xEF\xBB\xBF", TTextEncoding::teUtf8, u""},
    };
    for (const Case& c : cases) {
        const TDecodedText decoded = DecodeText(c.bytes);
        EXPECT_EQ(decoded.Encoding, c.encoding) << c.name;
        EXPECT_EQ(decoded.Text, c.text) << c.name;
        EXPECT_EQ(EncodeText(decoded.Text, decoded.Encoding), c.bytes) << c.name;
    }
}

TEST(TextEncoding, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                         "a\x80"
                         "b\xC3")
                  .Text,
              u"a\uFFFDb\uFFFD");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF\xC0\xAF").Text, u"\uFFFD\uFFFD"); // overlong
    EXPECT_EQ(DecodeText(std::string("\xFF\xFE"
                                     "a\0b",
                                     5))
                  .Text,
              u"a\uFFFD");
}

TEST(TextEncoding, LoneSurrogatesSurviveUtf8) {
    const std::u16string text = u"a\xD800z\xDC01";
    const std::string bytes = EncodeText(text, TTextEncoding::teUtf8);
    EXPECT_EQ(DecodeText(bytes).Text, text);
}

TEST(TextEncoding, AnsiHasNoPlaceForOtherCharacters) {
    EXPECT_EQ(EncodeText(u"\u00E9\u0416\U0001F600", TTextEncoding::teAnsi), "\xE9???");
}

} // namespace
} // namespace tessorin
