#include "core/guid.h"

#include <random>

namespace tessorin {
namespace {

class TRandomGuidSource final : public TGuidSource {
public:
    TGuid NewGuid() const override {
        std::random_device device;
        std::uniform_int_distribution<unsigned> byte(0, 255);
        std::array<std::uint8_t, 16> b{};
        for (auto& x : b)
            x = static_cast<std::uint8_t>(byte(device));
        b[6] = (b[6] & 0x0F) | 0x40; // version 4
        b[8] = (b[8] & 0x3F) | 0x80; // RFC 4122 variant
        TGuid g;
        g.Data1 = (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
        g.Data2 = static_cast<std::uint16_t>((b[4] << 8) | b[5]);
        g.Data3 = static_cast<std::uint16_t>((b[6] << 8) | b[7]);
        for (int i = 0; i < 8; ++i)
            g.Data4[i] = b[8 + i];
        return g;
    }
};

const TRandomGuidSource builtInSource;
const TGuidSource* currentSource = &builtInSource;

void AppendHex(std::u16string& out, std::uint32_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out.push_back(u"0123456789ABCDEF"[(value >> shift) & 0xF]);
}

} // namespace

const TGuidSource& GuidSource() {
    return *currentSource;
}

void SetGuidSource(const TGuidSource* source) {
    currentSource = source ? source : &builtInSource;
}

TGuid NewGuid() {
    return currentSource->NewGuid();
}

std::u16string GuidToString(const TGuid& guid) {
    std::u16string s = u"{";
    AppendHex(s, guid.Data1, 8);
    s += u'-';
    AppendHex(s, guid.Data2, 4);
    s += u'-';
    AppendHex(s, guid.Data3, 4);
    s += u'-';
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            s += u'-';
        AppendHex(s, guid.Data4[i], 2);
    }
    return s + u'}';
}

} // namespace tessorin
