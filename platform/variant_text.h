#pragma once
// VARIANT values as text, the way automation callers expect them converted.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace tessorin {

// Empty and Null give the empty string; references are followed. Raises
// EOleSysError when the value has no text form.
std::u16string VariantText(const VARIANT& value);

// A new string VARIANT; the caller owns it.
VARIANT TextVariant(std::u16string_view text);

} // namespace tessorin
