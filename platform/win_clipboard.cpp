#include "platform/win_clipboard.h"

#include <algorithm>
#include <cstring>

#include "platform/system_error.h"

namespace tessorin {
namespace {

// Another program may hold the clipboard for a moment: wait a little for it.
bool OpenFor(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

class TOpenClipboard {
public:
    explicit TOpenClipboard(HWND owner) : FOpen(OpenFor(owner)) {}
    ~TOpenClipboard() {
        if (FOpen)
            CloseClipboard();
    }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;
    bool IsOpen() const { return FOpen; }

private:
    bool FOpen;
};

void RaiseLastError() {
    OleCheck(HRESULT_FROM_WIN32(GetLastError()));
}

HGLOBAL CopyToGlobal(const std::u16string& text) {
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        RaiseLastError();
    void* data = GlobalLock(memory);
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

} // namespace

std::u16string TWin32Clipboard::ReadText() const {
    TOpenClipboard clipboard(FOwner);
    if (!clipboard.IsOpen())
        return {};
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    if (!memory)
        return {};
    const auto* data = static_cast<const char16_t*>(GlobalLock(memory));
    if (!data)
        return {};
    // The block's size bounds the text: another program's text need not end
    // with a NUL.
    const size_t capacity = GlobalSize(memory) / sizeof(char16_t);
    std::u16string text(data, std::find(data, data + capacity, u'\0'));
    GlobalUnlock(memory);
    return text;
}

void TWin32Clipboard::WriteText(const std::u16string& text) {
    TOpenClipboard clipboard(FOwner);
    if (!clipboard.IsOpen() || !EmptyClipboard())
        RaiseLastError();
    HGLOBAL memory = CopyToGlobal(text);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        RaiseLastError();
    }
}

bool TWin32Clipboard::OwnedByApplication() const {
    return FOwner && GetClipboardOwner() == FOwner;
}

void TWin32Clipboard::Empty() {
    TOpenClipboard clipboard(FOwner);
    if (!clipboard.IsOpen() || !EmptyClipboard())
        RaiseLastError();
}

} // namespace tessorin
