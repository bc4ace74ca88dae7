#pragma once
// The automation object tessorinx that Karvel creates: every call acts on the
// main window and its scripter, and every failure goes back to the client as
// a failure status with rich error information, never as an exception.
#include <windows.h>
#include <oaidl.h>

#include "platform/dispatch_object.h"
#include "tessorin_h.h"

namespace tessorin {

class Ttessorinx final : public TDispatchObject<Itessorinx>, public ISupportErrorInfo {
public:
    Ttessorinx();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        return TDispatchObject::QueryInterface(iid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return TDispatchObject::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return TDispatchObject::Release(); }

    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    STDMETHODIMP RunScript(VARIANT fileName) override;
    STDMETHODIMP get_ScriptPath(VARIANT* value) override;
    STDMETHODIMP put_ScriptPath(VARIANT value) override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* value) override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) override;
    STDMETHODIMP ReleaseKarvel() override;
    STDMETHODIMP Notify(VARIANT value) override;
    STDMETHODIMP PlotEvent(VARIANT line, VARIANT* result) override;
    STDMETHODIMP CadClickEvent(VARIANT x, VARIANT y, VARIANT z) override;
    STDMETHODIMP DisplayEvent() override;

protected:
    void* OtherInterface(REFIID iid) override;
};

} // namespace tessorin
