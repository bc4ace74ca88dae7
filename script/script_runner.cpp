#include "script/script_runner.h"

#include "platform/win_text.h"
#include "script/engine_error.h"

namespace tessorin {

TScriptRunner::TScriptRunner(std::u16string scriptName) : FScriptName(std::move(scriptName)) {}

void TScriptRunner::HandleError(const EXCEPINFO& info, int charNo, int lineNo, bool& handled) {
    FHasError = true;
    FLastErrorLine = lineNo;
    FLastErrorColumn = charNo;
    FLastErrorText = FromBstr(info.bstrDescription);
    if (OnRunnerError)
        OnRunnerError(this, info, charNo, lineNo, handled);
}

void TScriptRunner::CallRoutine(const std::u16string& name, int argCount, VARIANT& result,
                                VARIANT* args) {
    VariantClear(&result);
    auto dispatch = GetScriptDispatch();
    if (!dispatch)
        return;
    auto wideName = ToWide(name);
    LPOLESTR names[] = {wideName.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id)) || id == DISPID_UNKNOWN)
        return;
    DISPPARAMS params{args, nullptr, static_cast<UINT>(argCount), 0};
    EXCEPINFO ignored{};
    // Errors inside the routine reach the host through the site first, so the
    // status and this record add nothing.
    dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &ignored, nullptr);
    ClearExcepInfo(ignored);
}

} // namespace tessorin
