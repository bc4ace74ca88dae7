#pragma once
// The core's message boxes as modal dialogs owned by the main window. Texts
// are labels: "&&" shows one ampersand, as the search messages expect.
#include <windows.h>

#include "core/message_seam.h"

namespace tessorin {

class TWin32Messages final : public TMessageSeam {
public:
    explicit TWin32Messages(HWND owner) : FOwner(owner) {}
    void ShowInformation(const std::u16string& text) override;
    // Yes, No, Cancel and All; Escape and the close box answer Cancel.
    TConfirmAnswer ConfirmWithAll(const std::u16string& text) override;

private:
    HWND FOwner;
};

} // namespace tessorin
