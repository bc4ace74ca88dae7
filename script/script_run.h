#pragma once
// The holder of one engine: the engine's interfaces, the site it calls back,
// and the engine's class identifier (all zero while there is none).
#include <windows.h>
#include <activscp.h>

#include <memory>
#include <string>

#include "core/exception.h"
#include "platform/com_ptr.h"
#include "script/script_site.h"

namespace tessorin {

// Raised when the object created for an engine is no script engine.
class SScriptEngineRunException : public TException {
public:
    using TException::TException;
    const char16_t* ClassName() const override { return u"SScriptEngineRunException"; }
};

class TScriptRunner;

class TScriptRun {
public:
    TScriptRun(std::u16string scriptName, TScriptRunner* runner);
    ~TScriptRun();
    TScriptRun(const TScriptRun&) = delete;
    TScriptRun& operator=(const TScriptRun&) = delete;

    // Creates the engine of classId and attaches a new site; raises an
    // exception when the engine cannot be created or is no script engine.
    void Start(const CLSID& classId);
    void Close();
    // Drops the engine and its site without a word to the engine, which is
    // stuck in a call that will never return; both are leaked on purpose.
    void Abandon();

    IActiveScript* Engine() const { return FEngine.Get(); }
    IActiveScriptParse* Parser() const { return FParser.Get(); }
    TActiveScriptSite* Site() const { return FSite.get(); }

private:
    std::u16string FScriptName;
    TScriptRunner* FRunner;
    CLSID FClassId = GUID_NULL;
    TComPtr<IActiveScript> FEngine;
    TComPtr<IActiveScriptParse> FParser;
    std::unique_ptr<TActiveScriptSite> FSite;
};

} // namespace tessorin
