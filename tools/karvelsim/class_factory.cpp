#include "class_factory.h"

#include "karvel_object.h"

namespace karvelsim {
namespace {

LONG liveObjects = 0;
bool quitWithLastObject = false;

class TClassFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Static lifetime: the factory lives as long as the process.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* karvel = new TKarvelObject();
        HRESULT hr = karvel->QueryInterface(iid, object);
        karvel->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        lock ? ServerLock() : ServerUnlock();
        return S_OK;
    }
};

TClassFactory factory;

} // namespace

void ServerLock() {
    InterlockedIncrement(&liveObjects);
}

void ServerUnlock() {
    if (InterlockedDecrement(&liveObjects) == 0 && quitWithLastObject)
        PostQuitMessage(0);
}

DWORD RegisterClassObject(bool embedded) {
    quitWithLastObject = embedded;
    DWORD cookie = 0;
    CoRegisterClassObject(CLSID_Karvelx, &factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                          &cookie);
    return cookie;
}

void RevokeClassObject(DWORD cookie) {
    CoRevokeClassObject(cookie);
}

} // namespace karvelsim
