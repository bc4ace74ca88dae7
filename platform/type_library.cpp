#include "platform/type_library.h"

#include "platform/app_title.h"
#include "platform/registry.h"
#include "platform/system_error.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

std::u16string LocaleZeroKey(const TLIBATTR& attributes) {
    return u"TypeLib\\" + GuidToString(attributes.guid) + u"\\" +
           FromUtf8(std::to_string(attributes.wMajorVerNum) + "." +
                    std::to_string(attributes.wMinorVerNum)) +
           u"\\0";
}

} // namespace

TComPtr<ITypeLib> LoadOwnTypeLibrary() {
    TComPtr<ITypeLib> library;
    OleCheck(LoadTypeLibEx(ToWide(ExecutablePath()).c_str(), REGKIND_NONE, library.Put()));
    return library;
}

void RegisterOwnTypeLibrary() {
    auto library = LoadOwnTypeLibrary();
    auto path = ToWide(ExecutablePath());
    OleCheck(RegisterTypeLib(library.Get(), path.data(), nullptr));
    TLIBATTR* attributes = nullptr;
    OleCheck(library->GetLibAttr(&attributes));
    auto key = LocaleZeroKey(*attributes);
    library->ReleaseTLibAttr(attributes);
    RegWriteString(HKEY_CLASSES_ROOT, key + u"\\win64", u"", ExecutablePath());
}

void UnregisterOwnTypeLibrary() {
    auto library = LoadOwnTypeLibrary();
    TLIBATTR* attributes = nullptr;
    OleCheck(library->GetLibAttr(&attributes));
    auto attr = *attributes;
    library->ReleaseTLibAttr(attributes);
    RegDeleteKeyTree(HKEY_CLASSES_ROOT, LocaleZeroKey(attr));
    UnRegisterTypeLib(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid, attr.syskind);
}

} // namespace tessorin
