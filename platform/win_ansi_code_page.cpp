#include "platform/win_ansi_code_page.h"

#include <windows.h>

#include "core/ansi_code_page.h"

namespace tessorin {
namespace {

class TWin32AnsiCodePage final : public TAnsiCodePage {
public:
    std::u16string Decode(std::string_view bytes) const override {
        if (bytes.empty())
            return {};
        const int size = static_cast<int>(bytes.size());
        int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
        std::u16string text(length, u'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                            length);
        return text;
    }
    std::string Encode(std::u16string_view text) const override {
        if (text.empty())
            return {};
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int size = static_cast<int>(text.size());
        int length = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, "?", nullptr);
        std::string bytes(length, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide, size, bytes.data(), length, "?", nullptr);
        return bytes;
    }
};

} // namespace

void InstallWin32AnsiCodePage() {
    static const TWin32AnsiCodePage codePage;
    SetAnsiCodePage(&codePage);
}

} // namespace tessorin
