// The core's message boxes as the user meets them: read and answered by
// their buttons from another thread while the box is modal.
#include <windows.h>

#include <thread>

#include <gtest/gtest.h>

#include "platform/win_messages.h"

namespace tessorin {
namespace {

struct TBoxSeen {
    std::wstring Text;    // every child's text, one per line
    std::wstring Pressed; // caption of the button to press
    HWND Button = nullptr;
};

HWND FindBox(DWORD thread) {
    HWND box = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) -> BOOL {
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            if (std::wstring(className) != L"#32770" || !IsWindowVisible(window))
                return TRUE;
            *reinterpret_cast<HWND*>(data) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box;
}

// Waits for the box on `thread`, notes its texts and presses one button.
std::thread Answer(DWORD thread, TBoxSeen& seen) {
    return std::thread([thread, &seen] {
        HWND box = nullptr;
        for (int i = 0; i < 200 && !box; ++i) {
            Sleep(50);
            box = FindBox(thread);
        }
        if (!box)
            return;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM data) -> BOOL {
                auto& seen = *reinterpret_cast<TBoxSeen*>(data);
                wchar_t text[512] = {};
                GetWindowTextW(child, text, 512);
                seen.Text += std::wstring(text) + L"\n";
                if (seen.Pressed == text)
                    seen.Button = child;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&seen));
        if (seen.Button)
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(seen.Button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(seen.Button));
    });
}

TEST(Win32Messages, EachButtonOfTheReplaceQuestionGivesItsAnswer) {
    const struct {
        const wchar_t* button;
        TConfirmAnswer answer;
    } cases[] = {
        {L"&Yes", TConfirmAnswer::caYes},
        {L"&No", TConfirmAnswer::caNo},
        {L"Cancel", TConfirmAnswer::caCancel},
        {L"&All", TConfirmAnswer::caAll},
    };
    TWin32Messages messages(nullptr);
    for (const auto& c : cases) {
        TBoxSeen seen{{}, c.button};
        std::thread answer = Answer(GetCurrentThreadId(), seen);
        const TConfirmAnswer given = messages.ConfirmWithAll(u"Replace this occurence of 'a&&b'?");
        answer.join();
        EXPECT_EQ(given, c.answer) << c.button;
        // The text reaches the label as given; the label draws "&&" as "&".
        EXPECT_NE(seen.Text.find(L"'a&&b'"), std::wstring::npos) << seen.Text;
        EXPECT_NE(seen.Text.find(L"&All"), std::wstring::npos) << seen.Text;
    }
}

TEST(Win32Messages, ClosingTheQuestionIsCancel) {
    TWin32Messages messages(nullptr);
    const DWORD thread = GetCurrentThreadId();
    std::thread closer([thread] {
        HWND box = nullptr;
        for (int i = 0; i < 200 && !box; ++i) {
            Sleep(50);
            box = FindBox(thread);
        }
        PostMessageW(box, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(messages.ConfirmWithAll(u"Replace this occurence of 'x'?"), TConfirmAnswer::caCancel);
    closer.join();
}

TEST(Win32Messages, InformationWaitsForItsOkButton) {
    TWin32Messages messages(nullptr);
    TBoxSeen seen{{}, L"OK"};
    std::thread answer = Answer(GetCurrentThreadId(), seen);
    messages.ShowInformation(u"Search string 'LOADNC' not found");
    answer.join();
    EXPECT_NE(seen.Text.find(L"Search string 'LOADNC' not found\n"), std::wstring::npos)
        << seen.Text;
}

} // namespace
} // namespace tessorin
