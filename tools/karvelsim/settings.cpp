#include "settings.h"

#include <windows.h>

#include "platform/app_title.h"
#include "platform/registry.h"
#include "platform/win_text.h"

using namespace tessorin;

namespace karvelsim {
namespace {

const char16_t* const kSettingsKey = u"Software\\KarvelSim";

std::u16string TempFolder() {
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    return FromWide(path);
}

std::u16string ExecutableFolder() {
    auto path = ExecutablePath();
    return path.substr(0, path.find_last_of(u"\\/"));
}

} // namespace

std::u16string LogFilePath() {
    auto value = RegReadString(HKEY_CURRENT_USER, kSettingsKey, u"LogFile");
    return value && !value->empty() ? *value : TempFolder() + u"karvelsim.log";
}

std::u16string ScriptFolder() {
    auto value = RegReadString(HKEY_CURRENT_USER, kSettingsKey, u"ScriptFolder");
    return value && !value->empty() ? *value : ExecutableFolder();
}

void SaveSettings(const std::u16string& logFile, const std::u16string& scriptFolder) {
    RegWriteString(HKEY_CURRENT_USER, kSettingsKey, u"LogFile", logFile);
    RegWriteString(HKEY_CURRENT_USER, kSettingsKey, u"ScriptFolder", scriptFolder);
}

void DeleteSettings() {
    RegDeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
}

} // namespace karvelsim
