#pragma once
// The Active Scripting runner: one engine, chosen by the runner class, for
// the runner's whole life.
#include <memory>

#include "script/runner_classes.h"
#include "script/script_run.h"
#include "script/script_runner.h"

namespace tessorin {

class TAxScriptRunner final : public TScriptRunner {
public:
    TAxScriptRunner(const TRunnerClass& runnerClass, std::u16string scriptName);
    ~TAxScriptRunner() override;

    IDispatch* GetScriptDispatch() override;
    void Stop() override;
    bool Execute(const std::u16string& text) override;
    void AddItem(const std::u16string& name, bool globalMembers, IDispatch* object) override;
    void ReleaseItem(const std::u16string& name) override;
    void SuppressErrors(bool suppressed) override;

    TActiveScriptSite* Site() const { return FRun.Site(); }

protected:
    void AbandonEngine() override;

private:
    void AttachDebugDocument(const std::u16string& text, DWORD& cookie);

    TScriptRun FRun;
    TComPtr<IDispatch> FScriptDispatch;
};

// Creates the runner of a registered class; raises when its engine cannot start.
std::unique_ptr<TScriptRunner> CreateScriptRunner(const TRunnerClass& runnerClass,
                                                  const std::u16string& scriptName);

} // namespace tessorin
