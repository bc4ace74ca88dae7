#pragma once
// The text that a Notify call gives the hidden edit: chosen so that every
// call changes the text, and so fires the edit's change event.
#include <string>

namespace tessorin {

// "0" for an empty value; a value equal to the current text gains a
// trailing space, or loses the one it ends with.
std::u16string NotifyText(const std::u16string& current, std::u16string value);

} // namespace tessorin
