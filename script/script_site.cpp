#include "script/script_site.h"

#include "platform/win_text.h"
#include "script/debug_manager.h"
#include "script/engine_error.h"
#include "script/script_runner.h"

namespace tessorin {
namespace {

HWND hostWindow = nullptr;

} // namespace

void SetScriptHostWindow(HWND window) {
    hostWindow = window;
}

HWND ScriptHostWindow() {
    return hostWindow;
}

TActiveScriptSite::TActiveScriptSite(std::u16string scriptName, TScriptRunner* runner)
    : FScriptName(std::move(scriptName)), FRunner(runner) {}

TActiveScriptSite::~TActiveScriptSite() {
    if (FDebugDocument)
        FDebugDocument->Detach();
}

void TActiveScriptSite::AddItem(const std::u16string& name, IUnknown* object) {
    FItemTable.emplace(name, object);
}

void TActiveScriptSite::RemoveItem(const std::u16string& name) {
    FItemTable.erase(name);
}

IUnknown* TActiveScriptSite::FindItem(const std::u16string& name) const {
    auto found = FItemTable.find(name);
    return found == FItemTable.end() ? nullptr : found->second;
}

void TActiveScriptSite::SetDebugDocument(IDebugDocumentHelper32* document) {
    FDebugDocument = document;
}

STDMETHODIMP TActiveScriptSite::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IActiveScriptSite)
        *object = static_cast<IActiveScriptSite*>(this);
    else if (iid == IID_IActiveScriptSiteWindow)
        *object = static_cast<IActiveScriptSiteWindow*>(this);
    else if (iid == IID_IActiveScriptSiteDebug32)
        *object = static_cast<IActiveScriptSiteDebug32*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TActiveScriptSite::AddRef() {
    return InterlockedIncrement(&FRefCount);
}

STDMETHODIMP_(ULONG) TActiveScriptSite::Release() {
    return InterlockedDecrement(&FRefCount);
}

STDMETHODIMP TActiveScriptSite::GetLCID(LCID*) {
    return E_NOTIMPL;
}

STDMETHODIMP TActiveScriptSite::GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** unknown,
                                            ITypeInfo** typeInfo) {
    if (unknown)
        *unknown = nullptr;
    if (typeInfo)
        *typeInfo = nullptr;
    if (!name)
        return E_NOTIMPL;
    auto itemName = FromWide(name);
    if (returnMask == SCRIPTINFO_IUNKNOWN)
        return AnswerItem(itemName, unknown);
    if (returnMask == SCRIPTINFO_ITYPEINFO)
        return AnswerTypeInfo(itemName, typeInfo);
    return S_OK;
}

HRESULT TActiveScriptSite::AnswerItem(const std::u16string& name, IUnknown** unknown) {
    if (!unknown)
        return E_POINTER;
    if (auto* object = FindItem(name)) {
        object->AddRef();
        *unknown = object;
    }
    return S_OK;
}

HRESULT TActiveScriptSite::AnswerTypeInfo(const std::u16string& name, ITypeInfo** typeInfo) {
    auto* object = FindItem(name);
    if (!object || !typeInfo)
        return S_OK;
    TComPtr<IDispatch> dispatch;
    if (SUCCEEDED(object->QueryInterface(IID_IDispatch, dispatch.PutVoid())))
        dispatch->GetTypeInfo(0, 0, typeInfo);
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::GetDocVersionString(BSTR* version) {
    if (!version)
        return E_POINTER;
    *version = SysAllocString(L"12345");
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::OnScriptTerminate(const VARIANT*, const EXCEPINFO*) {
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::OnStateChange(SCRIPTSTATE) {
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::OnScriptError(IActiveScriptError* error) {
    if (!error)
        return S_OK;
    TComPtr<IActiveScriptError> hold(error);
    // Engines that never ask for the debug site still report here, so a
    // suppressed engine must be silenced here as well.
    if (FErrorsSuppressed)
        return E_FAIL;
    TEngineError report(error);
    bool handled = false;
    if (FOnError)
        FOnError(this, report.Info(), report.CharNo(), report.LineNo(), handled);
    return handled ? S_OK : E_FAIL;
}

STDMETHODIMP TActiveScriptSite::OnEnterScript() {
    if (FRunner && FRunner->OnEnterScript)
        FRunner->OnEnterScript();
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::OnLeaveScript() {
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = hostWindow;
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::EnableModeless(BOOL) {
    return S_OK;
}

STDMETHODIMP TActiveScriptSite::GetDocumentContextFromPosition(DWORD sourceContext,
                                                               ULONG charOffset, ULONG numChars,
                                                               IDebugDocumentContext** context) {
    if (!FDebugDocument)
        return E_FAIL;
    ULONG blockStart = 0;
    HRESULT hr = FDebugDocument->GetScriptBlockInfo(sourceContext, nullptr, &blockStart, nullptr);
    if (FAILED(hr))
        return hr;
    return FDebugDocument->CreateDebugDocumentContext(blockStart + charOffset, numChars, context);
}

STDMETHODIMP TActiveScriptSite::GetApplication(IDebugApplication32** application) {
    return TDebugManager::Instance().GetApplication(application);
}

STDMETHODIMP TActiveScriptSite::GetRootApplicationNode(IDebugApplicationNode** node) {
    if (!FDebugDocument)
        return E_FAIL;
    return FDebugDocument->GetDebugApplicationNode(node);
}

STDMETHODIMP TActiveScriptSite::OnScriptErrorDebug(IActiveScriptErrorDebug*, BOOL* enterDebugger,
                                                   BOOL* callOnScriptErrorWhenContinuing) {
    if (!FErrorsSuppressed)
        return E_FAIL;
    if (enterDebugger)
        *enterDebugger = FALSE;
    if (callOnScriptErrorWhenContinuing)
        *callOnScriptErrorWhenContinuing = FALSE;
    return S_OK;
}

} // namespace tessorin
