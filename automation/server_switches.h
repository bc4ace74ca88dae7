#pragma once
// The start-up switches of the automation server: "-" or "/" and the switch
// word, any letter case, at any position among the parameters.
#include <string>
#include <vector>

namespace tessorin {

enum class TServerStart { ssNormal, ssAutomation, ssRegister, ssUnregister };

TServerStart ServerStartOf(const std::vector<std::u16string>& parameters);

} // namespace tessorin
