#include "app/error_box.h"

#include <windows.h>

#include "core/exception.h"
#include "platform/app_title.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

void Box(const std::u16string& text, UINT type) {
    auto caption = ToWide(ApplicationTitle());
    MessageBoxW(GetActiveWindow(), ToWide(text).c_str(), caption.c_str(), type | MB_OK);
}

} // namespace

std::u16string ErrorBoxText(const std::u16string& message) {
    if (!message.empty() && message.back() > u'.')
        return message + u".";
    return message;
}

void ShowErrorBox(const std::u16string& message) {
    Box(ErrorBoxText(message), MB_ICONERROR);
}

void ShowException(const std::exception& error) {
    if (auto* own = dynamic_cast<const TException*>(&error))
        ShowErrorBox(own->Message());
    else
        ShowErrorBox(FromUtf8(error.what()));
}

void ShowMessage(const std::u16string& message) {
    Box(message, 0);
}

} // namespace tessorin
