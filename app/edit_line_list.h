#pragma once
// The editor's lines over a standard multi-line edit.
#include <windows.h>

#include "app/line_list.h"

namespace tessorin {

class TEditLineList final : public TLineList {
public:
    explicit TEditLineList(HWND edit) : FEdit(edit) {}

    std::vector<std::u16string> Lines() const override;
    void SetLines(const std::vector<std::u16string>& lines) override;
    void LoadFromFile(const std::u16string& fileName) override;

private:
    HWND FEdit;
};

// Creates the edit in the style of the script editor.
HWND CreateScriptEdit(HWND parent, int id);

} // namespace tessorin
