#pragma once
// The texts of the common run-time errors, for engines that report the
// status code alone (Wine's VBScript does for most of them).
namespace tessorin {

// Null when the code is not one of them. Knows the script control
// facility's error numbers and the dispatch codes that stand for them.
const char16_t* RuntimeErrorText(long statusCode);

} // namespace tessorin
