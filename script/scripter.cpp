#include "script/scripter.h"

#include <cstdio>

#include "core/case_mapping.h"
#include "core/exception.h"
#include "platform/app_title.h"
#include "platform/text_file.h"
#include "platform/win_text.h"
#include "script/ax_runner.h"
#include "script/runner_classes.h"
#include "script/script_site.h"

namespace tessorin {
namespace {

std::u16string FormatPosition(int lineNo, int charNo) {
    char text[64];
    std::snprintf(text, sizeof text, " at Line:%d, Char:%d. ", lineNo, charNo);
    return FromUtf8(text);
}

std::u16string ReplacePlaceholder(std::u16string pattern, const std::u16string& value) {
    auto at = pattern.find(u"%s");
    return at == std::u16string::npos ? pattern : pattern.replace(at, 2, value);
}

} // namespace

TScriptErrorHandler TDCScripter::ErrorHook;

TDCScripter::TDCScripter(TComponent* owner) : TComponent(owner) {
    RegisterScriptRunners();
}

TDCScripter::~TDCScripter() {
    Reset();
}

void TDCScripter::SetScript(const std::vector<std::u16string>& lines) {
    FScript = lines;
    FScriptChanged = true;
}

void TDCScripter::SetScriptFile(const std::u16string& fileName) {
    if (fileName == FScriptFile)
        return;
    FScriptFile = fileName;
    FScriptChanged = true;
}

void TDCScripter::AddObject(const std::u16string& name, bool globalMembers, IDispatch* object) {
    FObjects.push_back({name, globalMembers, object});
    if (FRunner)
        FRunner->AddItem(name, globalMembers, object);
}

void TDCScripter::RemoveObject(const std::u16string& name) {
    for (auto it = FObjects.begin(); it != FObjects.end(); ++it) {
        if (SameText(it->Name, name)) {
            if (FRunner)
                FRunner->ReleaseItem(it->Name);
            FObjects.erase(it);
            return;
        }
    }
}

void TDCScripter::Run(VARIANT& result) {
    CallCore(u"", nullptr, 0, result);
}

void TDCScripter::RunRoutine(const std::u16string& name, VARIANT& result) {
    CallCore(name, nullptr, 0, result);
}

void TDCScripter::RunRoutineArgs(const std::u16string& name, std::vector<VARIANT>& args,
                                 VARIANT& result) {
    CallCore(name, args.data(), static_cast<int>(args.size()), result);
}

void TDCScripter::CallCore(const std::u16string& name, VARIANT* args, int argCount,
                           VARIANT& result) {
    VariantClear(&result);
    if (FScriptChanged)
        Reset();
    FAborted = false;
    // Silence after an unhandled error lasts for the call it stopped: every
    // later call's errors are reported again.
    if (FRunner)
        FRunner->SuppressErrors(false);
    if (!FRunner && !BuildRun()) {
        FAborted = true;
        RaisePendingError();
        return;
    }
    if (FAborted || !FRunner) {
        RaisePendingError();
        return;
    }
    auto runner = FRunner; // the engine stays alive until this call returns
    runner->CallRoutine(name, argCount, result, args);
    RaisePendingError();
}

const TRunnerClass* TDCScripter::FindRunnerClass() {
    if (!FLanguage.empty()) {
        if (auto* found = FindRunnerByLanguage(FLanguage))
            return found;
        ReportMissingRunner(
            ReplacePlaceholder(u"No Script Runner registered for %s language", FLanguage));
        return nullptr;
    }
    if (FScriptFile.empty())
        throw TException(u"Scripting Language is not specified");
    if (auto* found = FindRunnerByFileName(FScriptFile))
        return found;
    ReportMissingRunner(ReplacePlaceholder(u"No Script Runner registered for %s file type",
                                           ScriptFileExtension(FScriptFile)));
    return nullptr;
}

// Reported through OnError without a position; a handler that sets Handled
// turns it into a silent abort, anything else raises it.
void TDCScripter::ReportMissingRunner(const std::u16string& text) {
    if (OnError) {
        EXCEPINFO info{};
        info.bstrDescription = ToBstr(text);
        bool handled = false;
        OnError(this, info, -1, -1, handled);
        SysFreeString(info.bstrDescription);
        if (handled)
            return;
    }
    throw TException(text);
}

void TDCScripter::AddNamedObjects(TScriptRunner& runner) const {
    for (auto& object : FObjects)
        runner.AddItem(object.Name, object.GlobalMembers, object.Obj.Get());
}

bool TDCScripter::BuildRun() {
    std::lock_guard lock(FBuildLock);
    if (!FScriptFile.empty())
        FScript = ReadTextFileLines(FScriptFile);
    auto* runnerClass = FindRunnerClass();
    if (!runnerClass)
        return false;

    std::shared_ptr<TScriptRunner> runner =
        CreateScriptRunner(*runnerClass, FScriptName.empty() ? FScriptFile : FScriptName);
    runner->OnRunnerError = [this](TScriptRunner* sender, const EXCEPINFO& info, int charNo,
                                   int lineNo, bool& handled) {
        HandleScriptError(sender, info, charNo, lineNo, handled);
    };
    // The object bridge adds its "vcl" and "@@@" items here, ahead of these.
    AddNamedObjects(*runner);

    // Current before its top-level code runs, so that calls arriving from a
    // nested message loop meanwhile use this engine instead of building again.
    FRunner = runner;
    FScriptChanged = false;
    if (!runner->Execute(ScriptText())) {
        if (FRunner == runner)
            FRunner.reset();
        return false;
    }
    return true;
}

void TDCScripter::Reset() {
    FUserVars.clear();
    FRunner.reset();
}

bool TDCScripter::CheckSyntax(int& line, int& character, bool) {
    line = 1;
    character = 1;
    FSyntaxErrorText.clear();
    try {
        auto* runnerClass = FindRunnerClass();
        if (!runnerClass)
            return false;
        auto runner = CreateScriptRunner(*runnerClass, u"");
        AddNamedObjects(*runner);
        bool compiled = runner->Execute(ScriptText());
        line = runner->LastErrorLine() + 1;
        character = runner->LastErrorColumn() + 1;
        FSyntaxErrorText = runner->LastErrorText();
        return compiled;
    } catch (const std::exception&) {
        return false;
    }
}

std::u16string TDCScripter::ErrorText(const EXCEPINFO& info, int charNo, int lineNo) const {
    std::u16string text;
    auto source = FromBstr(info.bstrSource);
    if (!source.empty())
        text += source + u"\r\n";
    text += FromBstr(info.bstrDescription);
    if (!FScriptFile.empty())
        text += u"\r\nFile : " + FScriptFile;
    text += u"\r\n" + FormatPosition(lineNo + 1, charNo + 1);
    return text;
}

bool TDCScripter::ShowErrorBox(const std::u16string& text) {
    auto message = ToWide(text + u"\r\n\r\nContinue execution?");
    auto caption = ToWide(ApplicationTitle());
    // Owned by the host window rather than task-modal without an owner: Wine
    // leaves every window of the thread disabled after such a box.
    HWND owner = ScriptHostWindow();
    UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
    return MessageBoxW(owner, message.c_str(), caption.c_str(),
                       MB_OKCANCEL | MB_ICONERROR | modality) == IDOK;
}

void TDCScripter::HandleScriptError(TScriptRunner* sender, const EXCEPINFO& info, int charNo,
                                    int lineNo, bool& handled) {
    if (OnError) {
        OnError(this, info, charNo + 1, lineNo + 1, handled);
    } else if (ErrorHook) {
        ErrorHook(this, info, charNo, lineNo, handled);
    } else if (FErrorBoxShown) {
        handled = true;
    } else if (FAborted) {
        handled = false;
    } else if (FUseExceptions) {
        // No exception may cross the engine's callback: raise it once the
        // engine has returned.
        FPendingError = ErrorText(info, charNo, lineNo);
        handled = false;
    } else {
        FErrorBoxShown = true;
        handled = ShowErrorBox(ErrorText(info, charNo, lineNo));
        FErrorBoxShown = false;
    }
    if (handled)
        return;
    FAborted = true;
    sender->SuppressErrors(true);
}

void TDCScripter::RaisePendingError() {
    if (!FPendingError)
        return;
    auto text = std::move(*FPendingError);
    FPendingError.reset();
    throw TException(text);
}

DISPID TDCScripter::UserVarDispID(const std::u16string& varName) {
    for (size_t i = 0; i < FUserVars.size(); ++i)
        if (SameText(FUserVars[i].Name, varName))
            return -static_cast<DISPID>(i) - 2;
    if (!OnGetUserVarID)
        return DISPID_UNKNOWN;
    int id = -1;
    OnGetUserVarID(varName, id);
    if (id == -1)
        return DISPID_UNKNOWN;
    FUserVars.push_back({varName, id});
    return -static_cast<DISPID>(FUserVars.size() - 1) - 2;
}

const TDCScripter::TUserVar* TDCScripter::UserVar(DISPID id) const {
    auto index = static_cast<size_t>(-(id + 2));
    return id <= -2 && index < FUserVars.size() ? &FUserVars[index] : nullptr;
}

HRESULT TDCScripter::GetUserVar(DISPID id, VARIANT& value) {
    auto* var = UserVar(id);
    if (!var || !OnGetUserVar)
        return DISP_E_MEMBERNOTFOUND;
    OnGetUserVar(var->Name, var->Id, value);
    return S_OK;
}

HRESULT TDCScripter::SetUserVar(DISPID id, const VARIANT& value) {
    auto* var = UserVar(id);
    if (!var || !OnSetUserVar)
        return DISP_E_MEMBERNOTFOUND;
    OnSetUserVar(var->Name, var->Id, value);
    return S_OK;
}

} // namespace tessorin
