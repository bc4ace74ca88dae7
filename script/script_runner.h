#pragma once
// The runner layer between the scripter and one script engine: the scripter
// creates a runner per built run, hands it named objects and text, and calls
// routines by name through it.
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>

#include "core/function_ref.h"
#include "platform/com_ptr.h"

namespace tessorin {

class TScriptRunner;

// (Sender, ExcepInfo, CharNo, LineNo, Handled); runners pass zero-based numbers.
using TRunnerErrorHandler = std::function<void(TScriptRunner* sender, const EXCEPINFO& info,
                                               int charNo, int lineNo, bool& handled)>;

class TScriptRunner {
public:
    explicit TScriptRunner(std::u16string scriptName);
    virtual ~TScriptRunner() = default;
    TScriptRunner(const TScriptRunner&) = delete;
    TScriptRunner& operator=(const TScriptRunner&) = delete;

    // The engine's global dispatch, owned by the runner; null without an engine.
    virtual IDispatch* GetScriptDispatch() = 0;
    // Records the error and forwards it to OnRunnerError.
    virtual void HandleError(const EXCEPINFO& info, int charNo, int lineNo, bool& handled);
    virtual void Stop() = 0;
    // Parses and starts the text; false when the run could not be built.
    virtual bool Execute(const std::u16string& text) = 0;
    virtual void AddItem(const std::u16string& name, bool globalMembers, IDispatch* object) = 0;
    // Calls a routine; args are in dispatch order (last argument first). An
    // unknown name leaves result empty and reports nothing.
    virtual void CallRoutine(const std::u16string& name, int argCount, VARIANT& result,
                             VARIANT* args);
    // While set, the engine's further error reports are answered unhandled
    // without reaching OnRunnerError.
    virtual void SuppressErrors(bool suppressed) = 0;
    // The owner dropped the object of this name.
    virtual void ReleaseItem(const std::u16string& name) = 0;

    const std::u16string& ScriptName() const { return FScriptName; }
    int LastErrorLine() const { return FLastErrorLine; }
    int LastErrorColumn() const { return FLastErrorColumn; }
    const std::u16string& LastErrorText() const { return FLastErrorText; }

    TRunnerErrorHandler OnRunnerError;
    // Called each time the engine enters script code.
    std::function<void()> OnEnterScript;

protected:
    // Runs an engine call on the script stack. When the script overflows it,
    // the engine is given up (never called or closed again) and the error is
    // reported; answers false then.
    bool RunEngineCall(TFunctionRef<void()> call);
    // Forgets the engine without closing it: its state is beyond repair.
    virtual void AbandonEngine() = 0;

private:
    std::u16string FScriptName;
    int FLastErrorLine = 0;
    int FLastErrorColumn = 0;
    std::u16string FLastErrorText;
};

} // namespace tessorin
