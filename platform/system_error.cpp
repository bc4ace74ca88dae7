#include "platform/system_error.h"

#include <cstdio>

#include "platform/win_text.h"

namespace tessorin {
namespace {

// Codes a user meets when a server is missing, for systems without their text.
const char16_t* KnownMessage(HRESULT code) {
    switch (code) {
    case REGDB_E_CLASSNOTREG:
        return u"Class not registered";
    case CO_E_SERVER_EXEC_FAILURE:
        return u"Server execution failed";
    case E_NOINTERFACE:
        return u"No such interface supported";
    case RPC_E_DISCONNECTED:
        return u"The object invoked has disconnected from its clients";
    }
    return nullptr;
}

} // namespace

std::u16string SysErrorMessage(HRESULT code) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() <= L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty())
        if (auto* known = KnownMessage(code))
            return known;
    return FromWide(text);
}

void OleCheck(HRESULT code) {
    if (SUCCEEDED(code))
        return;
    auto message = SysErrorMessage(code);
    if (message.empty()) {
        char text[40];
        std::snprintf(text, sizeof text, "Error 0x%08lX", static_cast<unsigned long>(code));
        message = FromUtf8(text);
    }
    throw EOleSysError(message, code);
}

} // namespace tessorin
