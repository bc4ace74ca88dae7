#pragma once
// The simulated Karvel application object. Every call is recorded; the
// tool position is shared by all objects of the process.
#include "karvel_h.h"

#include <string>

#include "platform/com_ptr.h"

namespace karvelsim {

class TKarvelObject final : public IKarvelx {
public:
    TKarvelObject();
    ~TKarvelObject();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* info, UINT* argError) override;

    STDMETHODIMP LOADNC(VARIANT fileName) override;
    STDMETHODIMP MOVE(VARIANT x, VARIANT y, VARIANT z) override;
    STDMETHODIMP MESSAGE(VARIANT text) override;
    STDMETHODIMP GETPOS(VARIANT axis, VARIANT* value) override;
    STDMETHODIMP NOP() override;
#include "karvel_reserved.inc"
    STDMETHODIMP GetScriptFolder(LONG index, VARIANT* folder) override;
    STDMETHODIMP ScriptOpened() override;
    STDMETHODIMP ScriptClosed() override;

private:
    HRESULT Record(const std::u16string& line);

    LONG FRefCount = 1;
    tessorin::TComPtr<ITypeInfo> FTypeInfo;
};

} // namespace karvelsim
