#include "platform/local_server.h"

#include <objbase.h>

#include "platform/system_error.h"

namespace tessorin {
namespace {

LONG liveObjects = 0;
bool quitWithLastObject = false;
DWORD serverThread = 0;

class TServerClass final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Static lifetime: the class object lives as long as the process.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return Make(iid, object);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        lock ? ServerObjectCreated() : ServerObjectDestroyed();
        return S_OK;
    }

    TServerObjectMaker Make = nullptr;
};

TServerClass serverClass;

} // namespace

void ServerObjectCreated() {
    InterlockedIncrement(&liveObjects);
}

void ServerObjectDestroyed() {
    if (InterlockedDecrement(&liveObjects) == 0 && quitWithLastObject)
        PostThreadMessageW(serverThread, WM_QUIT, 0, 0);
}

LONG LiveServerObjects() {
    return liveObjects;
}

DWORD RegisterServerClass(const CLSID& clsid, TServerObjectMaker make, bool quitWithLast) {
    serverClass.Make = make;
    quitWithLastObject = quitWithLast;
    serverThread = GetCurrentThreadId();
    DWORD cookie = 0;
    OleCheck(CoRegisterClassObject(clsid, &serverClass, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                   &cookie));
    return cookie;
}

void RevokeServerClass(DWORD cookie) {
    if (cookie)
        CoRevokeClassObject(cookie);
}

} // namespace tessorin
