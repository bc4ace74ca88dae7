#pragma once
// The object the script engine calls back: named-item lookup, error reports,
// the window for engine dialogs, and the script debugger's questions.
#include <windows.h>
#include <activscp.h>
#include <activdbg.h>

#include <functional>
#include <map>
#include <string>

#include "core/case_mapping.h"
#include "platform/com_ptr.h"

namespace tessorin {

class TScriptRunner;
class TActiveScriptSite;

// (Sender, ExcepInfo, CharNo, LineNo, Handled), zero-based numbers.
using TSiteErrorHandler = std::function<void(TActiveScriptSite* sender, const EXCEPINFO& info,
                                             int charNo, int lineNo, bool& handled)>;

// The window that engine dialogs are owned by; set by the application.
void SetScriptHostWindow(HWND window);
HWND ScriptHostWindow();

class TActiveScriptSite final : public IActiveScriptSite,
                                public IActiveScriptSiteWindow,
                                public IActiveScriptSiteDebug32 {
public:
    TActiveScriptSite(std::u16string scriptName, TScriptRunner* runner);
    ~TActiveScriptSite();

    // The site keeps no reference: whoever registered an object keeps it alive.
    // A name already present keeps its first object.
    void AddItem(const std::u16string& name, IUnknown* object);
    void RemoveItem(const std::u16string& name);
    IUnknown* FindItem(const std::u16string& name) const;

    void SetEngine(IActiveScript* engine) { FEngine = engine; }
    void SetErrorHandler(TSiteErrorHandler handler) { FOnError = std::move(handler); }
    void SetDebugDocument(IDebugDocumentHelper32* document);

    void SetErrorsSuppressed(bool suppressed) { FErrorsSuppressed = suppressed; }

    // IUnknown: counted, never freed by the count; the owner deletes the site.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IActiveScriptSite
    STDMETHODIMP GetLCID(LCID* lcid) override;
    STDMETHODIMP GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** unknown,
                             ITypeInfo** typeInfo) override;
    STDMETHODIMP GetDocVersionString(BSTR* version) override;
    STDMETHODIMP OnScriptTerminate(const VARIANT* result, const EXCEPINFO* info) override;
    STDMETHODIMP OnStateChange(SCRIPTSTATE state) override;
    STDMETHODIMP OnScriptError(IActiveScriptError* error) override;
    STDMETHODIMP OnEnterScript() override;
    STDMETHODIMP OnLeaveScript() override;

    // IActiveScriptSiteWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IActiveScriptSiteDebug32
    STDMETHODIMP GetDocumentContextFromPosition(DWORD sourceContext, ULONG charOffset,
                                                ULONG numChars,
                                                IDebugDocumentContext** context) override;
    STDMETHODIMP GetApplication(IDebugApplication32** application) override;
    STDMETHODIMP GetRootApplicationNode(IDebugApplicationNode** node) override;
    STDMETHODIMP OnScriptErrorDebug(IActiveScriptErrorDebug* error, BOOL* enterDebugger,
                                    BOOL* callOnScriptErrorWhenContinuing) override;

private:
    HRESULT AnswerItem(const std::u16string& name, IUnknown** unknown);
    HRESULT AnswerTypeInfo(const std::u16string& name, ITypeInfo** typeInfo);

    struct TCaseLess {
        bool operator()(const std::u16string& a, const std::u16string& b) const {
            return CompareText(a, b) < 0;
        }
    };

    LONG FRefCount = 1;
    std::u16string FScriptName;
    TScriptRunner* FRunner;
    std::map<std::u16string, IUnknown*, TCaseLess> FItemTable;
    TSiteErrorHandler FOnError;
    TComPtr<IDebugDocumentHelper32> FDebugDocument;
    IActiveScript* FEngine = nullptr;
    bool FErrorsSuppressed = false;
};

} // namespace tessorin
