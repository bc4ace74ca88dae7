#include "host_object.h"

#include "platform/win_text.h"

namespace tessorin::testing {

STDMETHODIMP THostObject::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP THostObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP THostObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

// Every name is a method of this object: the engine asks a global-members
// object for names it cannot resolve, so only names starting "Host" answer.
STDMETHODIMP THostObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    for (UINT i = 0; i < count; ++i) {
        auto name = FromWide(names[i]);
        if (name.rfind(u"Host", 0) != 0) {
            ids[i] = DISPID_UNKNOWN;
            return DISP_E_UNKNOWNNAME;
        }
        FNames.push_back(name);
        ids[i] = static_cast<DISPID>(FNames.size());
    }
    return S_OK;
}

STDMETHODIMP THostObject::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO*, UINT*) {
    if (id < 1 || static_cast<size_t>(id) > FNames.size())
        return DISP_E_MEMBERNOTFOUND;
    auto call = FNames[id - 1] + u"(";
    for (UINT i = params->cArgs; i-- > 0;) {
        VARIANT text;
        VariantInit(&text);
        VariantChangeType(&text, &params->rgvarg[i], 0, VT_BSTR);
        call += FromBstr(text.bstrVal);
        VariantClear(&text);
        if (i)
            call += u", ";
    }
    Calls.push_back(call + u")");
    if (FNames[id - 1] == u"HostReenter" && OnReenter)
        OnReenter();
    if (result && FNames[id - 1] == u"HostAnswer") {
        result->vt = VT_I4;
        result->lVal = 42;
    }
    return S_OK;
}

} // namespace tessorin::testing
