#pragma once
// The optional script debugger: one process debug manager and one debug
// application, made on first use. Without an installed debugger every
// attempt fails quietly and is tried again next time.
#include <windows.h>
#include <activdbg.h>

#include <mutex>
#include <string>

#include "platform/com_ptr.h"

namespace tessorin {

class TDebugManager {
public:
    static TDebugManager& Instance();

    // True when a debugger is available after this call.
    bool Ensure();
    HRESULT GetApplication(IDebugApplication32** application);
    // A document helper holding the script text as one read-only block of
    // `engine`, or null without a debugger. Failures raise an exception.
    TComPtr<IDebugDocumentHelper32> CreateDocument(const std::u16string& scriptName,
                                                   const std::u16string& text,
                                                   IActiveScript* engine, DWORD& cookie);
    // Before COM goes away: remove the application and drop everything.
    void Shutdown();

private:
    std::recursive_mutex FLock;
    TComPtr<IProcessDebugManager32> FManager;
    TComPtr<IDebugApplication32> FApplication;
    DWORD FCookie = 0;
};

} // namespace tessorin
