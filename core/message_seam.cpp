#include "core/message_seam.h"

namespace tessorin {
namespace {

class TSilentMessages final : public TMessageSeam {
public:
    void ShowInformation(const std::u16string&) override {}
    TConfirmAnswer ConfirmWithAll(const std::u16string&) override {
        return TConfirmAnswer::caCancel;
    }
};

TSilentMessages silentMessages;
TMessageSeam* currentMessages = &silentMessages;

} // namespace

TMessageSeam& Messages() {
    return *currentMessages;
}

void SetMessages(TMessageSeam* messages) {
    currentMessages = messages ? messages : &silentMessages;
}

} // namespace tessorin
