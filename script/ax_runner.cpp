#include "script/ax_runner.h"

#include "platform/system_error.h"
#include "platform/win_text.h"
#include "script/debug_manager.h"

namespace tessorin {
namespace {

CLSID ClassIdOf(const TRunnerClass& runnerClass) {
    CLSID id = GUID_NULL;
    auto text = ToWide(runnerClass.EngineClassID);
    OleCheck(CLSIDFromString(text.c_str(), &id));
    return id;
}

} // namespace

TAxScriptRunner::TAxScriptRunner(const TRunnerClass& runnerClass, std::u16string scriptName)
    : TScriptRunner(scriptName), FRun(scriptName, this) {
    FRun.Start(ClassIdOf(runnerClass));
}

TAxScriptRunner::~TAxScriptRunner() {
    Stop();
}

// The engine's global dispatch stays the same object while it lives, so it
// is asked for once.
IDispatch* TAxScriptRunner::GetScriptDispatch() {
    if (!FScriptDispatch)
        if (auto* engine = FRun.Engine())
            engine->GetScriptDispatch(nullptr, FScriptDispatch.Put());
    return FScriptDispatch.Get();
}

void TAxScriptRunner::Stop() {
    FScriptDispatch.Reset();
    FRun.Close();
}

void TAxScriptRunner::AbandonEngine() {
    FScriptDispatch.Detach();
    FRun.Abandon();
}

void TAxScriptRunner::AttachDebugDocument(const std::u16string& text, DWORD& cookie) {
    auto document =
        TDebugManager::Instance().CreateDocument(ScriptName(), text, FRun.Engine(), cookie);
    if (document)
        FRun.Site()->SetDebugDocument(document.Get());
}

bool TAxScriptRunner::Execute(const std::u16string& text) {
    auto* engine = FRun.Engine();
    if (!engine)
        return false;
    if (!text.empty()) {
        DWORD cookie = 0;
        AttachDebugDocument(text, cookie);
        auto wideText = ToWide(text);
        VARIANT ignored;
        VariantInit(&ignored);
        // The global item is named by a null name: Wine rejects an empty one.
        HRESULT hr =
            FRun.Parser()->ParseScriptText(wideText.c_str(), nullptr, nullptr, nullptr, cookie, 0,
                                           SCRIPTTEXT_HOSTMANAGESSOURCE, &ignored, nullptr);
        VariantClear(&ignored);
        if (hr != S_OK)
            return false;
    }
    // Connecting runs the top-level code.
    HRESULT state = E_FAIL;
    if (!RunEngineCall([&] { state = engine->SetScriptState(SCRIPTSTATE_CONNECTED); }))
        return false;
    return state == S_OK;
}

void TAxScriptRunner::AddItem(const std::u16string& name, bool globalMembers, IDispatch* object) {
    auto* site = FRun.Site();
    auto* engine = FRun.Engine();
    if (!site || !engine)
        return;
    bool wasPresent = site->FindItem(name) != nullptr;
    site->AddItem(name, object);
    DWORD flags = SCRIPTITEM_ISVISIBLE | (globalMembers ? SCRIPTITEM_GLOBALMEMBERS : 0);
    auto wideName = ToWide(name);
    if (engine->AddNamedItem(wideName.c_str(), flags) != S_OK && !wasPresent)
        site->RemoveItem(name);
}

// The engine cannot forget a named item, but the site must never hand it an
// object whose owner let it go.
void TAxScriptRunner::ReleaseItem(const std::u16string& name) {
    if (auto* site = FRun.Site())
        site->RemoveItem(name);
}

void TAxScriptRunner::SuppressErrors(bool suppressed) {
    if (auto* site = FRun.Site())
        site->SetErrorsSuppressed(suppressed);
}

std::unique_ptr<TScriptRunner> CreateScriptRunner(const TRunnerClass& runnerClass,
                                                  const std::u16string& scriptName) {
    return std::make_unique<TAxScriptRunner>(runnerClass, scriptName);
}

} // namespace tessorin
