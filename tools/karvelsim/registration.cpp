#include "registration.h"

#include <windows.h>

#include "karvel_h.h"
#include "platform/app_title.h"
#include "platform/registry.h"
#include "platform/type_library.h"
#include "settings.h"

using namespace tessorin;

namespace karvelsim {
namespace {

const char16_t* const kProgId = u"Karvel.Karvelx";

std::u16string ClassKey() {
    return u"CLSID\\" + GuidToString(CLSID_Karvelx);
}

} // namespace

void RegisterServer(const std::u16string& logFile, const std::u16string& scriptFolder) {
    auto classKey = ClassKey();
    RegWriteString(HKEY_CLASSES_ROOT, classKey, u"", u"Karvel application object");
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\LocalServer32", u"", ExecutablePath());
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\ProgID", u"", kProgId);
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\TypeLib", u"", GuidToString(LIBID_KarvelSim));
    RegWriteString(HKEY_CLASSES_ROOT, kProgId, u"", u"Karvel application object");
    RegWriteString(HKEY_CLASSES_ROOT, std::u16string(kProgId) + u"\\CLSID", u"",
                   GuidToString(CLSID_Karvelx));
    RegisterOwnTypeLibrary();
    SaveSettings(logFile, scriptFolder);
}

void UnregisterServer() {
    RegDeleteKeyTree(HKEY_CLASSES_ROOT, ClassKey());
    RegDeleteKeyTree(HKEY_CLASSES_ROOT, kProgId);
    UnregisterOwnTypeLibrary();
    DeleteSettings();
}

} // namespace karvelsim
