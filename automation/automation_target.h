#pragma once
// What the automation object acts on: the one main window and its scripter.
// The object keeps no state of its own.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace tessorin {

class TAutomationTarget {
public:
    // Loads the file into the editor, shows its name, and runs the script.
    virtual void RunScriptFile(const std::u16string& fileName) = 0;
    // Karvel's script folder, fetched now and remembered.
    virtual std::u16string FetchScriptFolder() = 0;
    virtual std::u16string ScriptFolder() const = 0;
    virtual void SetScriptFolder(const std::u16string& folder) = 0;
    // True exactly when the window is neither minimised nor maximised.
    virtual bool IsWindowNormal() const = 0;
    virtual void SetWindowNormal(bool normal) = 0;
    virtual void RequestClose() = 0;
    // Calls a routine of the script, building the engine first if needed;
    // `args` come last argument first. Script errors are shown, not raised.
    virtual void CallScriptRoutine(const std::u16string& name, std::vector<VARIANT>& args,
                                   VARIANT& result) = 0;
    virtual void NotifyValue(const std::u16string& value) = 0;

protected:
    ~TAutomationTarget() = default;
};

// The target of every automation object; null until the main window exists.
void SetAutomationTarget(TAutomationTarget* target);
TAutomationTarget* AutomationTarget();

} // namespace tessorin
