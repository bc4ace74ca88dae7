#pragma once
// Letter case for the portable core. The platform installs its own mapping
// (the system's upper-case table); until then ASCII and Latin-1 are folded.
#include <string>
#include <string_view>

namespace tessorin {

class TCaseMapping {
public:
    virtual ~TCaseMapping() = default;
    virtual std::u16string ToUpper(std::u16string_view text) const = 0;
    virtual std::u16string ToLower(std::u16string_view text) const = 0;
};

// The mapping in force; never null. Passing null restores the built-in one.
const TCaseMapping& CaseMapping();
void SetCaseMapping(const TCaseMapping* mapping);

std::u16string UpperCase(std::u16string_view text);
std::u16string LowerCase(std::u16string_view text);
bool SameText(std::u16string_view a, std::u16string_view b);
int CompareText(std::u16string_view a, std::u16string_view b);

} // namespace tessorin
