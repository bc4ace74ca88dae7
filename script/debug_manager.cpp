#include "script/debug_manager.h"

#include "platform/app_title.h"
#include "platform/system_error.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

constexpr DWORD kReadOnlyDocument = 1; // TEXT_DOC_ATTR_READONLY

} // namespace

TDebugManager& TDebugManager::Instance() {
    static TDebugManager manager;
    return manager;
}

bool TDebugManager::Ensure() {
    std::lock_guard lock(FLock);
    if (FManager)
        return true;
    TComPtr<IProcessDebugManager32> manager;
    if (FAILED(CoCreateInstance(CLSID_ProcessDebugManager, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IProcessDebugManager32, manager.PutVoid())))
        return false;
    TComPtr<IDebugApplication32> application;
    if (FAILED(manager->CreateApplication(application.Put())))
        return false;
    application->SetName(ToWide(ExecutableFileName()).c_str());
    if (FAILED(manager->AddApplication(application.Get(), &FCookie)))
        return false;
    FManager = manager;
    FApplication = application;
    return true;
}

HRESULT TDebugManager::GetApplication(IDebugApplication32** application) {
    std::lock_guard lock(FLock);
    if (!application)
        return E_POINTER;
    *application = nullptr;
    if (!FApplication)
        return E_FAIL;
    *application = TComPtr<IDebugApplication32>(FApplication).Detach();
    return S_OK;
}

TComPtr<IDebugDocumentHelper32> TDebugManager::CreateDocument(const std::u16string& scriptName,
                                                              const std::u16string& text,
                                                              IActiveScript* engine,
                                                              DWORD& cookie) {
    std::lock_guard lock(FLock);
    TComPtr<IDebugDocumentHelper32> document;
    if (!FManager)
        return document;
    auto name = ToWide(scriptName);
    auto wideText = ToWide(text);
    OleCheck(FManager->CreateDebugDocumentHelper(nullptr, document.Put()));
    OleCheck(document->SetDocumentAttr(kReadOnlyDocument));
    OleCheck(document->AddUnicodeText(wideText.c_str()));
    OleCheck(document->DefineScriptBlock(0, static_cast<ULONG>(wideText.size()), engine, FALSE,
                                         &cookie));
    OleCheck(document->Init(FApplication.Get(), name.c_str(), name.c_str(), kReadOnlyDocument));
    OleCheck(document->Attach(nullptr));
    return document;
}

void TDebugManager::Shutdown() {
    std::lock_guard lock(FLock);
    if (FManager && FApplication)
        FManager->RemoveApplication(FCookie);
    FManager.Reset();
    if (FApplication)
        FApplication->Close();
    FApplication.Reset();
}

} // namespace tessorin
