#pragma once
// The scripter: holds the script text and its named host objects, builds a
// run (one engine that executed the top-level code and stays alive), calls
// script routines by name in it, checks syntax in a throw-away engine and
// reports script errors.
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/component.h"
#include "platform/com_ptr.h"
#include "platform/text_file.h"

namespace tessorin {

class TScriptRunner;
class TRunnerClass;
class TDCScripter;

// (Sender, ExcepInfo, CharNo, LineNo, Handled) with one-based numbers.
using TScriptErrorHandler = std::function<void(TDCScripter* sender, const EXCEPINFO& info,
                                               int charNo, int lineNo, bool& handled)>;
using TGetUserVarIDProc = std::function<void(const std::u16string& varName, int& varId)>;
using TGetUserVarProc =
    std::function<void(const std::u16string& varName, int varId, VARIANT& value)>;
using TSetUserVarProc =
    std::function<void(const std::u16string& varName, int varId, const VARIANT& value)>;

struct TNamedObject {
    std::u16string Name;
    bool GlobalMembers;
    TComPtr<IDispatch> Obj;
};

class TDCScripter : public TComponent {
public:
    explicit TDCScripter(TComponent* owner = nullptr);
    ~TDCScripter() override;

    const std::vector<std::u16string>& Script() const { return FScript; }
    // Always marks the run stale, even for equal text.
    void SetScript(const std::vector<std::u16string>& lines);
    const std::u16string& ScriptFile() const { return FScriptFile; }
    void SetScriptFile(const std::u16string& fileName);
    const std::u16string& Language() const { return FLanguage; }
    void SetLanguage(const std::u16string& language) { FLanguage = language; }
    const std::u16string& ScriptName() const { return FScriptName; }
    void SetScriptName(const std::u16string& name) { FScriptName = name; }
    bool UseExceptions() const { return FUseExceptions; }
    void SetUseExceptions(bool value) { FUseExceptions = value; }

    TScriptErrorHandler OnError;
    TGetUserVarIDProc OnGetUserVarID;
    TGetUserVarProc OnGetUserVar;
    TSetUserVarProc OnSetUserVar;

    // A process-wide error report for scripters without OnError (zero-based).
    static TScriptErrorHandler ErrorHook;

    void AddObject(const std::u16string& name, bool globalMembers, IDispatch* object);
    void RemoveObject(const std::u16string& name);

    void Run(VARIANT& result);
    void RunRoutine(const std::u16string& name, VARIANT& result);
    // args in dispatch order: pass [Z, Y, X] to call R(X, Y, Z).
    void RunRoutineArgs(const std::u16string& name, std::vector<VARIANT>& args, VARIANT& result);
    // One-based line and character of the first error; true when the text
    // compiled and its top-level code ran without error.
    bool CheckSyntax(int& line, int& character, bool flag = false);
    const std::u16string& SyntaxErrorText() const { return FSyntaxErrorText; }
    void Reset();

    bool Aborted() const { return FAborted; }
    bool HasEngine() const { return FRunner != nullptr; }

    // User variables: names the script uses that nothing else defines.
    // The dispatch id of a user variable, or DISPID_UNKNOWN.
    DISPID UserVarDispID(const std::u16string& varName);
    HRESULT GetUserVar(DISPID id, VARIANT& value);
    HRESULT SetUserVar(DISPID id, const VARIANT& value);

    // The runner's error callback; receives zero-based numbers.
    virtual void HandleScriptError(TScriptRunner* sender, const EXCEPINFO& info, int charNo,
                                   int lineNo, bool& handled);

private:
    struct TUserVar {
        std::u16string Name;
        int Id;
    };

    void AddNamedObjects(TScriptRunner& runner) const;
    std::u16string ScriptText() const { return JoinLines(FScript, u"\r\n"); }
    void CallCore(const std::u16string& name, VARIANT* args, int argCount, VARIANT& result);
    bool BuildRun();
    const TRunnerClass* FindRunnerClass();
    void ReportMissingRunner(const std::u16string& text);
    std::u16string ErrorText(const EXCEPINFO& info, int charNo, int lineNo) const;
    bool ShowErrorBox(const std::u16string& text);
    void RaisePendingError();
    const TUserVar* UserVar(DISPID id) const;

    std::vector<std::u16string> FScript;
    std::u16string FScriptFile;
    std::u16string FLanguage;
    std::u16string FScriptName;
    bool FUseExceptions = false;

    std::vector<TNamedObject> FObjects;
    // Shared, so that a call in progress keeps its engine alive when a nested
    // message loop resets or rebuilds the run underneath it.
    std::shared_ptr<TScriptRunner> FRunner;
    std::u16string FSyntaxErrorText;
    std::vector<TUserVar> FUserVars;
    std::optional<std::u16string> FPendingError;
    std::recursive_mutex FBuildLock;

    bool FScriptChanged = false;
    bool FAborted = false;
    bool FErrorBoxShown = false;
};

} // namespace tessorin
