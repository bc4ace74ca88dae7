#pragma once
// A host object for scripts under test: every call of a method by name is
// recorded as "Name(arg, arg)"; "Answer" returns 42.
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>
#include <vector>

namespace tessorin::testing {

class THostObject final : public IDispatch {
public:
    std::vector<std::u16string> Calls;
    // Run inside a call of "HostReenter", as a nested message loop would.
    std::function<void()> OnReenter;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&FRefCount); }
    STDMETHODIMP_(ULONG) Release() override { return InterlockedDecrement(&FRefCount); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override;

    LONG RefCount() const { return FRefCount; }

private:
    std::vector<std::u16string> FNames;
    LONG FRefCount = 1; // owned by the test, never freed through COM
};

} // namespace tessorin::testing
