#include "script/script_runner.h"

#include "platform/win_text.h"
#include "script/engine_error.h"
#include "script/script_stack.h"

namespace tessorin {

TScriptRunner::TScriptRunner(std::u16string scriptName) : FScriptName(std::move(scriptName)) {}

void TScriptRunner::HandleError(const EXCEPINFO& info, int charNo, int lineNo, bool& handled) {
    FLastErrorLine = lineNo;
    FLastErrorColumn = charNo;
    FLastErrorText = FromBstr(info.bstrDescription);
    if (OnRunnerError)
        OnRunnerError(this, info, charNo, lineNo, handled);
}

void TScriptRunner::CallRoutine(const std::u16string& name, int argCount, VARIANT& result,
                                VARIANT* args) {
    VariantClear(&result);
    auto* dispatch = GetScriptDispatch();
    if (!dispatch)
        return;
    // The engine only reads the name; UTF-16 needs no conversion.
    LPOLESTR names[] = {const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(name.c_str()))};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id)) || id == DISPID_UNKNOWN)
        return;
    DISPPARAMS params{args, nullptr, static_cast<UINT>(argCount), 0};
    EXCEPINFO ignored{};
    // Errors inside the routine reach the host through the site first, so the
    // status and this record add nothing.
    RunEngineCall([&] {
        dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &ignored, nullptr);
    });
    ClearExcepInfo(ignored);
}

bool TScriptRunner::RunEngineCall(TFunctionRef<void()> call) {
    if (RunOnScriptStack(call))
        return true;
    AbandonEngine();
    EXCEPINFO info{};
    info.bstrSource = SysAllocString(L"Microsoft VBScript runtime error");
    info.bstrDescription = SysAllocString(L"Out of stack space");
    info.scode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 28); // out of stack space
    bool handled = false;
    HandleError(info, -1, -1, handled);
    ClearExcepInfo(info);
    return false;
}

} // namespace tessorin
