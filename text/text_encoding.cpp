#include "text/text_encoding.h"

#include "core/ansi_code_page.h"

namespace tessorin {
namespace {

constexpr std::string_view bomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view bomUtf16LE = "\xFF\xFE";
constexpr std::string_view bomUtf16BE = "\xFE\xFF";
constexpr char16_t replacement = 0xFFFD;

unsigned Byte(std::string_view s, size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// The length of the multi-byte sequence led by `lead`, 0 for a byte that
// leads none.
int SequenceLength(unsigned lead) {
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

// Decodes one sequence at i; false when it is malformed. Encoded lone
// surrogates are accepted, so that text the editor saved reads back whole.
bool DecodeSequence(std::string_view s, size_t i, int length, char32_t& cp) {
    if (i + length > s.size())
        return false;
    cp = Byte(s, i) & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        const unsigned b = Byte(s, i + k);
        if ((b & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    return cp >= minimum[length] && cp <= 0x10FFFF;
}

std::u16string DecodeUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        if (Byte(s, i) < 0x80) {
            out.push_back(static_cast<char16_t>(Byte(s, i++)));
            continue;
        }
        const int length = SequenceLength(Byte(s, i));
        char32_t cp = 0;
        if (length == 0 || !DecodeSequence(s, i, length, cp)) {
            out.push_back(replacement);
            ++i;
            continue;
        }
        AppendCodePoint(out, cp);
        i += length;
    }
    return out;
}

std::u16string DecodeUtf16(std::string_view s, bool bigEndian) {
    std::u16string out(s.size() / 2, u'\0');
    for (size_t k = 0; k < out.size(); ++k) {
        const unsigned a = Byte(s, 2 * k), b = Byte(s, 2 * k + 1);
        out[k] = static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    }
    if (s.size() % 2 != 0)
        out.push_back(replacement);
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    const int length = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    static constexpr unsigned lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out.push_back(static_cast<char>(lead[length] | (cp >> (6 * (length - 1)))));
    for (int k = length - 2; k >= 0; --k)
        out.push_back(static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F)));
}

std::string EncodeUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        const bool pair = cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        AppendUtf8(out, cp);
    }
    return out;
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
    std::string out(text.size() * 2, '\0');
    for (size_t k = 0; k < text.size(); ++k) {
        const char hi = static_cast<char>(text[k] >> 8), lo = static_cast<char>(text[k] & 0xFF);
        out[2 * k] = bigEndian ? hi : lo;
        out[2 * k + 1] = bigEndian ? lo : hi;
    }
    return out;
}

} // namespace

TDecodedText DecodeText(std::string_view bytes) {
    if (bytes.starts_with(bomUtf8))
        return {TTextEncoding::teUtf8, DecodeUtf8(bytes.substr(bomUtf8.size()))};
    if (bytes.starts_with(bomUtf16LE))
        return {TTextEncoding::teUtf16LE, DecodeUtf16(bytes.substr(2), false)};
    if (bytes.starts_with(bomUtf16BE))
        return {TTextEncoding::teUtf16BE, DecodeUtf16(bytes.substr(2), true)};
    return {TTextEncoding::teAnsi, AnsiCodePage().Decode(bytes)};
}

std::string EncodeText(std::u16string_view text, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::teUtf8:
        return std::string(bomUtf8) + EncodeUtf8(text);
    case TTextEncoding::teUtf16LE:
        return std::string(bomUtf16LE) + EncodeUtf16(text, false);
    case TTextEncoding::teUtf16BE:
        return std::string(bomUtf16BE) + EncodeUtf16(text, true);
    case TTextEncoding::teAnsi:
        break;
    }
    return AnsiCodePage().Encode(text);
}

TTextEncoding EncodingThatKeeps(std::u16string_view text, TTextEncoding preferred) {
    if (preferred != TTextEncoding::teAnsi)
        return preferred;
    const TAnsiCodePage& codePage = AnsiCodePage();
    return codePage.Decode(codePage.Encode(text)) == text ? preferred : TTextEncoding::teUtf16LE;
}

} // namespace tessorin
