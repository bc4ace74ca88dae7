#pragma once
// New GUIDs for the portable core. The platform may install the system's
// generator; the built-in one makes random (version 4) GUIDs.
#include <array>
#include <cstdint>
#include <string>

namespace tessorin {

struct TGuid {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};
};

class TGuidSource {
public:
    virtual ~TGuidSource() = default;
    virtual TGuid NewGuid() const = 0;
};

// The source in force; never null. Passing null restores the built-in one.
const TGuidSource& GuidSource();
void SetGuidSource(const TGuidSource* source);

TGuid NewGuid();
// The registry form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, upper-case hex.
std::u16string GuidToString(const TGuid& guid);

} // namespace tessorin
