#pragma once
// The simulated Karvel application object. Every call is recorded; the
// tool position is shared by all objects of the process.
#include "karvel_h.h"

#include <string>

#include "platform/dispatch_object.h"

namespace karvelsim {

class TKarvelObject final : public tessorin::TDispatchObject<IKarvelx> {
public:
    TKarvelObject();

    STDMETHODIMP LOADNC(VARIANT fileName) override;
    STDMETHODIMP MOVE(VARIANT x, VARIANT y, VARIANT z) override;
    STDMETHODIMP MESSAGE(VARIANT text) override;
    STDMETHODIMP GETPOS(VARIANT axis, VARIANT* value) override;
    STDMETHODIMP NOP() override;
#include "karvel_reserved.inc"
    STDMETHODIMP GetScriptFolder(LONG index, VARIANT* folder) override;
    STDMETHODIMP ScriptOpened() override;
    STDMETHODIMP ScriptClosed() override;

private:
    HRESULT Record(const std::u16string& line);
};

} // namespace karvelsim
