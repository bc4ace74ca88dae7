#pragma once
// The simulator's settings, chosen at registration: where it logs, and the
// script folder it reports to the tool.
#include <string>

namespace karvelsim {

std::u16string LogFilePath();
std::u16string ScriptFolder();
void SaveSettings(const std::u16string& logFile, const std::u16string& scriptFolder);
void DeleteSettings();

} // namespace karvelsim
