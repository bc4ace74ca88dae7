#include "automation/server_switches.h"

#include "core/case_mapping.h"

namespace tessorin {
namespace {

bool HasSwitch(const std::vector<std::u16string>& parameters, const char16_t* word) {
    for (auto& parameter : parameters)
        if (parameter.size() > 1 && (parameter[0] == u'-' || parameter[0] == u'/') &&
            SameText(parameter.substr(1), word))
            return true;
    return false;
}

} // namespace

TServerStart ServerStartOf(const std::vector<std::u16string>& parameters) {
    if (HasSwitch(parameters, u"REGSERVER"))
        return TServerStart::ssRegister;
    if (HasSwitch(parameters, u"UNREGSERVER"))
        return TServerStart::ssUnregister;
    if (HasSwitch(parameters, u"AUTOMATION") || HasSwitch(parameters, u"EMBEDDING"))
        return TServerStart::ssAutomation;
    return TServerStart::ssNormal;
}

} // namespace tessorin
