#include "automation/tessorinx.h"

#include <new>

#include "automation/automation_target.h"
#include "automation/script_file_name.h"
#include "platform/system_error.h"
#include "platform/variant_text.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

TAutomationTarget* target = nullptr;

TAutomationTarget& Target() {
    if (!target)
        throw TException(u"The main window is not ready");
    return *target;
}

// Hands the client the error as rich error information.
HRESULT Fail(HRESULT code, const std::u16string& message) {
    TComPtr<ICreateErrorInfo> info;
    if (SUCCEEDED(CreateErrorInfo(info.Put()))) {
        info->SetGUID(IID_Itessorinx);
        info->SetSource(const_cast<LPOLESTR>(L"tessorin.tessorinx"));
        info->SetDescription(const_cast<LPOLESTR>(ToWide(message).c_str()));
        info->SetHelpContext(0);
        SetErrorInfo(0, info.As<IErrorInfo>(IID_IErrorInfo).Get());
    }
    return code;
}

// Runs one operation; whatever it raises becomes the call's failure.
template <class TBody> HRESULT Guarded(TBody body) noexcept {
    try {
        body(Target());
        return S_OK;
    } catch (const EOleSysError& error) {
        return Fail(error.ErrorCode() < 0 ? error.ErrorCode() : E_UNEXPECTED, error.Message());
    } catch (const TException& error) {
        return Fail(E_UNEXPECTED, error.Message());
    } catch (const std::bad_alloc&) {
        return Fail(E_OUTOFMEMORY, u"Out of memory");
    } catch (const std::exception& error) {
        return Fail(E_UNEXPECTED, FromUtf8(error.what()));
    }
}

// The arguments of a routine call, owned: copies of the client's values,
// last argument first.
class TRoutineArgs {
public:
    explicit TRoutineArgs(std::initializer_list<const VARIANT*> lastFirst) {
        for (auto* value : lastFirst) {
            FValues.emplace_back();
            VariantInit(&FValues.back());
            OleCheck(VariantCopyInd(&FValues.back(), const_cast<VARIANT*>(value)));
        }
    }
    TRoutineArgs(const TRoutineArgs&) = delete;
    TRoutineArgs& operator=(const TRoutineArgs&) = delete;
    ~TRoutineArgs() {
        for (auto& value : FValues)
            VariantClear(&value);
    }
    std::vector<VARIANT>& Values() { return FValues; }

private:
    std::vector<VARIANT> FValues;
};

class TResult {
public:
    TResult() { VariantInit(&Value); }
    TResult(const TResult&) = delete;
    TResult& operator=(const TResult&) = delete;
    ~TResult() { VariantClear(&Value); }
    VARIANT Value;
};

void CallRoutine(TAutomationTarget& on, const std::u16string& name, TRoutineArgs args,
                 VARIANT& result) {
    on.CallScriptRoutine(name, args.Values(), result);
}

} // namespace

void SetAutomationTarget(TAutomationTarget* newTarget) {
    target = newTarget;
}

TAutomationTarget* AutomationTarget() {
    return target;
}

Ttessorinx::Ttessorinx() : TDispatchObject(IID_Itessorinx) {}

void* Ttessorinx::OtherInterface(REFIID iid) {
    return iid == IID_ISupportErrorInfo ? static_cast<ISupportErrorInfo*>(this) : nullptr;
}

STDMETHODIMP Ttessorinx::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == IID_Itessorinx ? S_OK : S_FALSE;
}

STDMETHODIMP Ttessorinx::RunScript(VARIANT fileName) {
    return Guarded([&](TAutomationTarget& on) {
        auto name = VariantText(fileName);
        if (name.empty())
            return;
        on.RunScriptFile(ScriptFileName(name, [&] { return on.FetchScriptFolder(); }));
    });
}

STDMETHODIMP Ttessorinx::get_ScriptPath(VARIANT* value) {
    if (!value)
        return E_POINTER;
    VariantInit(value);
    return Guarded([&](TAutomationTarget& on) { *value = TextVariant(on.ScriptFolder()); });
}

STDMETHODIMP Ttessorinx::put_ScriptPath(VARIANT value) {
    return Guarded([&](TAutomationTarget& on) { on.SetScriptFolder(VariantText(value)); });
}

STDMETHODIMP Ttessorinx::get_Visible(VARIANT_BOOL* value) {
    if (!value)
        return E_POINTER;
    *value = target && target->IsWindowNormal() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP Ttessorinx::put_Visible(VARIANT_BOOL value) {
    return Guarded([&](TAutomationTarget& on) { on.SetWindowNormal(value != VARIANT_FALSE); });
}

STDMETHODIMP Ttessorinx::ReleaseKarvel() {
    return Guarded([](TAutomationTarget& on) { on.RequestClose(); });
}

STDMETHODIMP Ttessorinx::Notify(VARIANT value) {
    return Guarded([&](TAutomationTarget& on) { on.NotifyValue(VariantText(value)); });
}

STDMETHODIMP Ttessorinx::PlotEvent(VARIANT line, VARIANT* result) {
    if (!result)
        return E_POINTER;
    VariantInit(result);
    return Guarded([&](TAutomationTarget& on) {
        TResult returned;
        CallRoutine(on, u"PlotEvent", TRoutineArgs{&line}, returned.Value);
        *result = TextVariant(VariantText(returned.Value));
    });
}

STDMETHODIMP Ttessorinx::CadClickEvent(VARIANT x, VARIANT y, VARIANT z) {
    return Guarded([&](TAutomationTarget& on) {
        TResult ignored;
        CallRoutine(on, u"CadClickEvent", TRoutineArgs{&z, &y, &x}, ignored.Value);
    });
}

STDMETHODIMP Ttessorinx::DisplayEvent() {
    return Guarded([](TAutomationTarget& on) {
        TResult ignored;
        CallRoutine(on, u"DisplayEvent", TRoutineArgs{}, ignored.Value);
    });
}

} // namespace tessorin
