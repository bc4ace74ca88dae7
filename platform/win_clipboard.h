#pragma once
// The system clipboard for the portable core, owned through one window.
#include <windows.h>

#include "core/clipboard.h"

namespace tessorin {

class TWin32Clipboard final : public TClipboard {
public:
    // `owner` becomes the clipboard owner on every write; a column block is
    // pasted as one only while it still owns the clipboard.
    explicit TWin32Clipboard(HWND owner) : FOwner(owner) {}
    std::u16string ReadText() const override;
    void WriteText(const std::u16string& text) override;
    bool OwnedByApplication() const override;
    void Empty() override;

private:
    HWND FOwner;
};

} // namespace tessorin
