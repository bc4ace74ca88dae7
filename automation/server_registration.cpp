#include "automation/server_registration.h"

#include <windows.h>

#include <string>

#include "platform/app_title.h"
#include "platform/registry.h"
#include "platform/type_library.h"
#include "platform/win_text.h"
#include "tessorin_h.h"

namespace tessorin {
namespace {

constexpr const char16_t* kProgId = u"tessorin.tessorinx";
constexpr const char16_t* kDescription = u"tessorinx Object";

std::u16string ClassKey() {
    return u"CLSID\\" + GuidToString(CLSID_tessorinx);
}

std::u16string ExecutableFolder() {
    auto path = ExecutablePath();
    return path.substr(0, path.find_last_of(u'\\'));
}

// COM splits LocalServer32 at blanks, so a path holding one is given in its
// short form.
std::u16string ServerCommand() {
    auto path = ExecutablePath();
    if (path.find(u' ') == std::u16string::npos)
        return path;
    wchar_t shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(ToWide(path).c_str(), shortPath, MAX_PATH);
    return length && length < MAX_PATH ? FromWide({shortPath, length}) : path;
}

} // namespace

void RegisterAutomationServer() {
    auto classKey = ClassKey();
    auto classId = GuidToString(CLSID_tessorinx);
    RegWriteString(HKEY_CLASSES_ROOT, classKey, u"", kDescription);
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\LocalServer32", u"", ServerCommand());
    RegWriteString(HKEY_CLASSES_ROOT, kProgId, u"", kDescription);
    RegWriteString(HKEY_CLASSES_ROOT, std::u16string(kProgId) + u"\\Clsid", u"", classId);
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\ProgID", u"", kProgId);
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\Version", u"", u"1.0");
    RegWriteString(HKEY_CLASSES_ROOT, classKey + u"\\TypeLib", u"", GuidToString(LIBID_tessorin));
    RegisterOwnTypeLibrary(ExecutableFolder());
}

void UnregisterAutomationServer() {
    RegDeleteKeyTree(HKEY_CLASSES_ROOT, kProgId);
    RegDeleteKeyTree(HKEY_CLASSES_ROOT, ClassKey());
    UnregisterOwnTypeLibrary();
}

} // namespace tessorin
