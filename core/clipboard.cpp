#include "core/clipboard.h"

namespace tessorin {
namespace {

TClipboard* installed = nullptr;

} // namespace

TClipboard* Clipboard() {
    return installed;
}

void SetClipboard(TClipboard* clipboard) {
    installed = clipboard;
}

} // namespace tessorin
