#include "platform/app_title.h"

#include <windows.h>

#include "platform/win_text.h"

namespace tessorin {

std::u16string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return FromWide(path);
        }
        path.resize(path.size() * 2);
    }
}

std::u16string ExecutableFileName() {
    auto path = ExecutablePath();
    auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string ApplicationTitle() {
    auto name = ExecutableFileName();
    auto dot = name.rfind(u'.');
    return dot == std::u16string::npos ? name : name.substr(0, dot);
}

} // namespace tessorin
