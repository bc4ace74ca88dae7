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

// The marshaling entries of the library's interfaces, which not every
// platform's unregistration removes.
void DeleteInterfaceKeys(ITypeLib* library) {
    for (UINT index = 0, count = library->GetTypeInfoCount(); index < count; ++index) {
        TComPtr<ITypeInfo> info;
        TYPEATTR* type = nullptr;
        if (FAILED(library->GetTypeInfo(index, info.Put())) || FAILED(info->GetTypeAttr(&type)))
            continue;
        if (type->typekind == TKIND_INTERFACE || type->typekind == TKIND_DISPATCH)
            RegDeleteKeyTree(HKEY_CLASSES_ROOT, u"Interface\\" + GuidToString(type->guid));
        info->ReleaseTypeAttr(type);
    }
}

} // namespace

TComPtr<ITypeLib> LoadOwnTypeLibrary() {
    TComPtr<ITypeLib> library;
    OleCheck(LoadTypeLibEx(ToWide(ExecutablePath()).c_str(), REGKIND_NONE, library.Put()));
    return library;
}

void RegisterOwnTypeLibrary(const std::u16string& helpFolder) {
    auto library = LoadOwnTypeLibrary();
    auto path = ToWide(ExecutablePath());
    auto help = ToWide(helpFolder);
    OleCheck(RegisterTypeLib(library.Get(), path.data(), help.empty() ? nullptr : help.data()));
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
    DeleteInterfaceKeys(library.Get());
    UnRegisterTypeLib(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid, attr.syskind);
}

} // namespace tessorin
