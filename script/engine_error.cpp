#include "script/engine_error.h"

#include <cstdio>

#include "core/case_mapping.h"
#include "platform/system_error.h"
#include "platform/win_text.h"
#include "script/runtime_error_text.h"

namespace tessorin {

TEngineError::TEngineError(IActiveScriptError* error) {
    error->GetExceptionInfo(&FInfo);
    if (FInfo.pfnDeferredFillIn) {
        FInfo.pfnDeferredFillIn(&FInfo);
        FInfo.pfnDeferredFillIn = nullptr;
    }
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    if (SUCCEEDED(error->GetSourcePosition(&context, &line, &column))) {
        FLine = static_cast<int>(line);
        FChar = static_cast<int>(column);
    }
    if (SysStringLen(FInfo.bstrDescription) == 0) {
        SysFreeString(FInfo.bstrDescription);
        FInfo.bstrDescription = ToBstr(DescribeEngineError(FInfo));
    }
}

TEngineError::~TEngineError() {
    ClearExcepInfo(FInfo);
}

std::u16string DescribeEngineError(const EXCEPINFO& info) {
    auto source = UpperCase(FromBstr(info.bstrSource));
    if (source.find(u"COMPILATION") != std::u16string::npos)
        return u"Syntax error";
    HRESULT code =
        info.scode ? info.scode : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info.wCode);
    if (auto* known = RuntimeErrorText(code))
        return known;
    auto text = SysErrorMessage(code);
    if (!text.empty())
        return text;
    char fallback[48];
    std::snprintf(fallback, sizeof fallback, "Script error 0x%08lX",
                  static_cast<unsigned long>(code));
    return FromUtf8(fallback);
}

void ClearExcepInfo(EXCEPINFO& info) {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
}

} // namespace tessorin
