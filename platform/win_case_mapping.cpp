#include "platform/win_case_mapping.h"

#include <windows.h>

#include "core/case_mapping.h"
#include "platform/win_text.h"

namespace tessorin {
namespace {

class TWin32CaseMapping final : public TCaseMapping {
public:
    std::u16string ToUpper(std::u16string_view text) const override {
        auto wide = ToWide(text);
        CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
        return FromWide(wide);
    }
    std::u16string ToLower(std::u16string_view text) const override {
        auto wide = ToWide(text);
        CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
        return FromWide(wide);
    }
};

} // namespace

void InstallWin32CaseMapping() {
    static const TWin32CaseMapping mapping;
    SetCaseMapping(&mapping);
}

} // namespace tessorin
