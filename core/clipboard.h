#pragma once
// The system clipboard as the portable core sees it: plain text only. The
// platform installs the real one; without one, clipboard commands do nothing.
#include <string>

namespace tessorin {

class TClipboard {
public:
    virtual ~TClipboard() = default;
    // The clipboard's plain text; empty when it holds none.
    virtual std::u16string ReadText() const = 0;
    // Replaces the contents; the application becomes the owner.
    virtual void WriteText(const std::u16string& text) = 0;
    // Whether the contents were put there by this application's main window.
    virtual bool OwnedByApplication() const = 0;
    virtual void Empty() = 0;
};

// The clipboard in force, or null.
TClipboard* Clipboard();
void SetClipboard(TClipboard* clipboard);

} // namespace tessorin
