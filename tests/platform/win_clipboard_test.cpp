// The real clipboard behind the memo source's copy and paste.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win_clipboard.h"
#include "text/memo_source.h"

namespace tessorin {
namespace {

HWND NewWindow() {
    return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                           nullptr);
}

std::u16string TextOf(TMemoSource& m) {
    return m.Lines().Text();
}

class Win32Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_NE(otherWindow, nullptr);
        SetClipboard(&clipboard);
    }
    void TearDown() override {
        SetClipboard(nullptr);
        DestroyWindow(mainWindow);
        DestroyWindow(otherWindow);
    }

    HWND mainWindow = NewWindow();
    HWND otherWindow = NewWindow(); // stands for another program's window
    TWin32Clipboard clipboard{mainWindow};
    TMemoSource source, target;
};

TEST_F(Win32Clipboard, TextCopiedInOneSourcePastesInAnother) {
    source.Lines().SetText(u"first line\r\nsecond line\r\n");
    source.SetSelection(stStreamSel, 6, 0, 6, 1);
    source.CopyToClipboard();
    EXPECT_EQ(clipboard.ReadText(), u"line\r\nsecond");
    EXPECT_TRUE(clipboard.OwnedByApplication());

    target.Lines().SetText(u"<>\r\n");
    target.SetCaret(1, 0);
    target.PasteFromClipboard();
    EXPECT_EQ(TextOf(target), u"<line\r\nsecond>\r\n");
}

TEST_F(Win32Clipboard, ColumnBlocksPasteAsColumnsOnlyWhileThisWindowOwnsThem) {
    source.Lines().SetText(u"ab\r\ncd\r\n");
    source.SetSelection(stBlockSel, 0, 0, 1, 1);
    source.CopyToClipboard();
    target.Lines().SetText(u"xyz\r\nuvw\r\n");
    target.SetCaret(1, 0);
    target.PasteFromClipboard();
    EXPECT_EQ(TextOf(target), u"xabyz\r\nucdvw\r\n");

    // The same text, written by another program's window.
    TWin32Clipboard(otherWindow).WriteText(clipboard.ReadText());
    EXPECT_FALSE(clipboard.OwnedByApplication());
    target.Lines().SetText(u"xyz\r\nuvw\r\n");
    target.SetCaret(1, 0);
    target.PasteFromClipboard();
    EXPECT_EQ(TextOf(target), u"xab\r\ncdyz\r\nuvw\r\n");
}

TEST_F(Win32Clipboard, EmptyingLeavesNothingToPaste) {
    clipboard.WriteText(u"something");
    clipboard.Empty();
    EXPECT_EQ(clipboard.ReadText(), u"");
    target.Lines().SetText(u"kept\r\n");
    target.PasteFromClipboard();
    EXPECT_EQ(TextOf(target), u"kept\r\n");
}

} // namespace
} // namespace tessorin
