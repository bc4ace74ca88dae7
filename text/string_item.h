#pragma once
// The per-line record of the document.
#include <array>
#include <cstdint>
#include <string>

#include "text/memo_types.h"

namespace tessorin {

class TStringItem {
public:
    // Descendant memo sources may store more per line in a derived item.
    virtual ~TStringItem() = default;

    bool HasFlag(std::uint8_t flag) const { return (LineFlags & flag) != 0; }
    void SetFlag(std::uint8_t flag, bool on) {
        LineFlags = on ? (LineFlags | flag) : (LineFlags & ~flag);
    }

    std::u16string Text;
    std::u16string LineTag;
    void* LineObject = nullptr;
    std::string ColorData;
    std::int32_t EndState = 0;
    std::int32_t StartState = 0;
    std::uint16_t GutterImages = 0;
    std::uint8_t LineFlags = 0;
    std::uint8_t LineStyle = 0;
    std::array<std::int32_t, 3> LineData{};
};

} // namespace tessorin
