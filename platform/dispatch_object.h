#pragma once
// A server object whose IDispatch side is driven by the type information of
// its dual interface in the executable's own type library. It counts as a
// live object of the local server for as long as it exists.
#include <windows.h>
#include <oaidl.h>

#include <new>

#include "platform/com_ptr.h"
#include "platform/local_server.h"
#include "platform/type_library.h"

namespace tessorin {

template <class TInterface> class TDispatchObject : public TInterface {
public:
    explicit TDispatchObject(const IID& iid) : FIid(iid) {
        ServerObjectCreated();
        if (auto library = LoadOwnTypeLibrary())
            library->GetTypeInfoOfGuid(iid, FTypeInfo.Put());
    }
    virtual ~TDispatchObject() { ServerObjectDestroyed(); }
    TDispatchObject(const TDispatchObject&) = delete;
    TDispatchObject& operator=(const TDispatchObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == FIid)
            *object = static_cast<TInterface*>(this);
        else
            *object = OtherInterface(iid);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&FRefCount); }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG count = InterlockedDecrement(&FRefCount);
        if (count == 0)
            delete this;
        return count;
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info)
            return E_POINTER;
        if (index != 0)
            return DISP_E_BADINDEX;
        *info = TComPtr<ITypeInfo>(FTypeInfo).Detach();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return DispGetIDsOfNames(FTypeInfo.Get(), names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* info, UINT* argError) override {
        return DispInvoke(static_cast<TInterface*>(this), FTypeInfo.Get(), id, flags, params,
                          result, info, argError);
    }

protected:
    // Further interfaces of the object, unreferenced; null when none.
    virtual void* OtherInterface(REFIID) { return nullptr; }

private:
    const IID& FIid;
    LONG FRefCount = 1;
    TComPtr<ITypeInfo> FTypeInfo;
};

// Makes a new TObject and answers its interface `iid`: the maker that
// RegisterServerClass wants. Nothing is thrown across the COM boundary.
template <class TObject> HRESULT MakeServerObject(REFIID iid, void** object) noexcept {
    try {
        auto* made = new TObject();
        HRESULT hr = made->QueryInterface(iid, object);
        made->Release();
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace tessorin
