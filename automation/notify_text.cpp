#include "automation/notify_text.h"

namespace tessorin {

std::u16string NotifyText(const std::u16string& current, std::u16string value) {
    if (value.empty())
        return u"0";
    if (value != current)
        return value;
    if (value.back() == u' ')
        value.pop_back();
    else
        value.push_back(u' ');
    return value;
}

} // namespace tessorin
