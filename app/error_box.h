#pragma once
// The application's standard boxes, captioned with the application title.
#include <exception>
#include <string>

namespace tessorin {

// An error icon and one OK button; "." is appended to a message whose last
// character comes after "." in code order.
void ShowErrorBox(const std::u16string& message);
void ShowException(const std::exception& error);
// A plain message with one OK button.
void ShowMessage(const std::u16string& message);

std::u16string ErrorBoxText(const std::u16string& message);

} // namespace tessorin
