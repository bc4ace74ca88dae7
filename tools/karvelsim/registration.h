#pragma once
// The simulator registers itself only when asked (/regserver), never as part
// of the tool's own registration.
#include <string>

namespace karvelsim {

void RegisterServer(const std::u16string& logFile, const std::u16string& scriptFolder);
void UnregisterServer();

} // namespace karvelsim
