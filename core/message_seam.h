#pragma once
// Message boxes as the portable core sees them. The platform installs its
// boxes; until then information is dropped and every question answers
// Cancel, so nothing is changed without consent.
#include <string>

namespace tessorin {

enum class TConfirmAnswer { caYes, caNo, caCancel, caAll };

class TMessageSeam {
public:
    virtual ~TMessageSeam() = default;
    // An information box with one OK button.
    virtual void ShowInformation(const std::u16string& text) = 0;
    // A confirmation with the buttons Yes, No, Cancel and All.
    virtual TConfirmAnswer ConfirmWithAll(const std::u16string& text) = 0;
};

// The seam in force; never null. Passing null restores the silent one.
TMessageSeam& Messages();
void SetMessages(TMessageSeam* messages);

} // namespace tessorin
