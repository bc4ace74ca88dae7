#pragma once
// Small helpers over the system registry; failures raise EOleSysError.
#include <windows.h>

#include <optional>
#include <string>

namespace tessorin {

void RegWriteString(HKEY root, const std::u16string& key, const std::u16string& name,
                    const std::u16string& value);
std::optional<std::u16string> RegReadString(HKEY root, const std::u16string& key,
                                            const std::u16string& name);
// Removes a key with everything below it; a missing key is no error.
void RegDeleteKeyTree(HKEY root, const std::u16string& key);

std::u16string GuidToString(const GUID& guid);

} // namespace tessorin
