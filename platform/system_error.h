#pragma once
// System status codes as exceptions with the platform's own message text.
#include <windows.h>

#include <string>

#include "core/exception.h"

namespace tessorin {

class EOleSysError : public TException {
public:
    EOleSysError(std::u16string message, HRESULT code)
        : TException(std::move(message)), FErrorCode(code) {}
    HRESULT ErrorCode() const { return FErrorCode; }
    const char16_t* ClassName() const override { return u"EOleSysError"; }

private:
    HRESULT FErrorCode;
};

// The system's text for a status code, without trailing blanks and dots;
// empty when the system has none.
std::u16string SysErrorMessage(HRESULT code);

// Throws EOleSysError for a failure code.
void OleCheck(HRESULT code);

} // namespace tessorin
