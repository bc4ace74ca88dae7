#include "automation/karvel_client.h"

#include "platform/system_error.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

constexpr int kGetScriptFolderSlot = 176;
constexpr int kScriptClosedSlot = 178;

using TGetScriptFolder = HRESULT(STDMETHODCALLTYPE*)(IDispatch*, LONG, VARIANT*);
using TScriptClosed = HRESULT(STDMETHODCALLTYPE*)(IDispatch*);

template <class TFunction> TFunction Slot(IDispatch* object, int slot) {
    auto* table = *reinterpret_cast<void***>(object);
    return reinterpret_cast<TFunction>(table[slot]);
}

} // namespace

const CLSID CLSID_Karvelx = {
    0x0A761FD8, 0x6444, 0x4687, {0xA1, 0x7A, 0x66, 0x04, 0x86, 0xD9, 0x8A, 0x30}};
const IID IID_IKarvelx = {
    0x573E2F7A, 0x7BAD, 0x49AD, {0xA8, 0x4A, 0xC6, 0x69, 0xC0, 0xF2, 0xE3, 0x65}};

TComPtr<IDispatch> CreateKarvelObject() {
    TComPtr<IUnknown> unknown;
    OleCheck(CoCreateInstance(CLSID_Karvelx, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IUnknown, unknown.PutVoid()));
    TComPtr<IDispatch> karvel;
    OleCheck(unknown->QueryInterface(IID_IKarvelx, karvel.PutVoid()));
    return karvel;
}

std::u16string KarvelGetScriptFolder(IDispatch* karvel) {
    VARIANT folder;
    VariantInit(&folder);
    OleCheck(Slot<TGetScriptFolder>(karvel, kGetScriptFolderSlot)(karvel, -1, &folder));
    HRESULT hr = VariantChangeType(&folder, &folder, 0, VT_BSTR);
    std::u16string text = SUCCEEDED(hr) ? FromBstr(folder.bstrVal) : std::u16string();
    VariantClear(&folder);
    OleCheck(hr);
    return text;
}

void KarvelScriptClosed(IDispatch* karvel) noexcept {
    Slot<TScriptClosed>(karvel, kScriptClosedSlot)(karvel);
}

} // namespace tessorin
