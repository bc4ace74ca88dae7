#include "script/script_run.h"

#include "platform/system_error.h"
#include "script/debug_manager.h"
#include "script/script_runner.h"

namespace tessorin {

TScriptRun::TScriptRun(std::u16string scriptName, TScriptRunner* runner)
    : FScriptName(std::move(scriptName)), FRunner(runner) {}

TScriptRun::~TScriptRun() {
    Close();
}

void TScriptRun::Start(const CLSID& classId) {
    if (IsEqualCLSID(classId, FClassId))
        return;
    Close();
    FClassId = classId;

    TComPtr<IUnknown> object;
    OleCheck(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IUnknown, object.PutVoid()));
    FEngine = object.As<IActiveScript>(IID_IActiveScript);
    if (!FEngine)
        throw SScriptEngineRunException(u"Scripting engine can't be started");
    // An engine that cannot parse text cannot run a script: treat it as one
    // that failed to start.
    FParser = object.As<IActiveScriptParse>(IID_IActiveScriptParse);
    if (!FParser) {
        FEngine.Reset();
        throw SScriptEngineRunException(u"Scripting engine can't be started");
    }

    FSite = std::make_unique<TActiveScriptSite>(FScriptName, FRunner);
    TDebugManager::Instance().Ensure();
    if (SUCCEEDED(FEngine->SetScriptSite(FSite.get())))
        FParser->InitNew();
    FSite->SetEngine(FEngine.Get());
    FSite->SetErrorHandler(
        [runner = FRunner](TActiveScriptSite*, const EXCEPINFO& info, int charNo, int lineNo,
                           bool& handled) { runner->HandleError(info, charNo, lineNo, handled); });
}

void TScriptRun::Abandon() {
    FParser.Detach();
    FEngine.Detach();
    FSite.release();
    FClassId = GUID_NULL;
}

void TScriptRun::Close() {
    if (IsEqualCLSID(FClassId, GUID_NULL))
        return;
    if (FEngine)
        FEngine->Close();
    FParser.Reset();
    FEngine.Reset();
    FSite.reset();
    FClassId = GUID_NULL;
}

} // namespace tessorin
