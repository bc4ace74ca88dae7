#include <gtest/gtest.h>

#include "core/exception.h"
#include "memo_fixture.h"
#include "temp_folder.h"
#include "text/file_replace.h"

namespace tessorin {
namespace {

using testing::FilesIn;
using testing::L;
using testing::LinesOf;
using testing::Load;
using testing::ReadBytes;
using testing::TTempFolder;
using testing::WriteBytes;

std::u16string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const TException& e) {
        return e.Message();
    }
    return u"(no exception)";
}

TEST(Files, LineEndsRoundTrip) {
    struct Case {
        const char* name;
        std::string bytes;
        TOutFormatType format;
    };
    const Case cases[] = {
        {"CR LF", "one\r\ntwo\r\n\r\nfour\r\n", ofWindows},
        {"CR", "one\rtwo\r\rfour\r", ofMac},
        {"LF", "one\ntwo\n\nfour\n", ofUnix},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::u16string file = folder.File("script.vbs");
        WriteBytes(file, c.bytes);
        TMemoSource m;
        m.LoadFromFile(file);
        EXPECT_EQ(LinesOf(m), L({"one", "two", "", "four"})) << c.name;
        m.SetOutFormat(c.format);
        m.SaveToFile(file);
        EXPECT_EQ(ReadBytes(file), c.bytes) << c.name;
        EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"script.vbs"}) << c.name;
    }
}

TEST(Files, MixedLineEndsAndAMissingLastBreak) {
    TTempFolder folder;
    const std::u16string file = folder.File("mixed.vbs");
    WriteBytes(file, "a\rb\nc\r\n\n\rd");
    TMemoSource m;
    m.LoadFromFile(file);
    EXPECT_EQ(LinesOf(m), L({"a", "b", "c", "", "", "d"}));
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "a\r\nb\r\nc\r\n\r\n\r\nd\r\n");
    m.SetOutFormat(ofUnix);
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "a\nb\nc\n\n\nd\n");
}

TEST(Files, EncodingsAreKept) {
    const std::string utf16le("\xFF\xFE"
                              "x\0\xE9\0\r\0\n\0",
                              10);
    const std::string utf16be("\xFE\xFF\0x\0\xE9\0\r\0\n", 10);
    struct Case {
        const char* name;
        std::string bytes;
        std::u16string line;
        TTextEncoding encoding;
    };
    const Case cases[] = {
        {"utf-8",
         "\xEF\xBB\xBF"
         "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC\r\n",
         u"Gr\u00FC\u00DF \u20AC", TTextEncoding::teUtf8},
        {"utf-16 le", utf16le, u"x\u00E9", TTextEncoding::teUtf16LE},
        {"utf-16 be", utf16be, u"x\u00E9", TTextEncoding::teUtf16BE},
        {"ansi accents",
         "Cr\xE8me br\xFBl\xE9"
         "e \x80\r\n",
         u"Cr\u00E8me br\u00FBl\u00E9e \u20AC", TTextEncoding::teAnsi},
        {"nul byte", std::string("a\0b\r\n", 5), std::u16string(u"a\0b", 3), TTextEncoding::teAnsi},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        const std::u16string file = folder.File("enc.vbs");
        WriteBytes(file, c.bytes);
        TMemoSource m;
        m.LoadFromFile(file);
        EXPECT_EQ(m.FileEncoding(), c.encoding) << c.name;
        ASSERT_EQ(m.LineCount(), 1) << c.name;
        EXPECT_EQ(m.LineText(0), c.line) << c.name;
        m.SaveToFile(file);
        EXPECT_EQ(ReadBytes(file), c.bytes) << c.name;
    }
}

TEST(Files, CharactersBeyondTheAnsiCodePageAreNotLostOnSave) {
    TTempFolder folder;
    const std::u16string file = folder.File("greek.vbs");
    WriteBytes(file, "x = 1\r\n");
    TMemoSource m;
    m.LoadFromFile(file);
    ASSERT_EQ(m.FileEncoding(), TTextEncoding::teAnsi);
    m.Lines().SetText(u"MESSAGE \"\u03A9\"\r\n");
    m.SaveToFile(file);
    EXPECT_EQ(m.FileEncoding(), TTextEncoding::teUtf16LE);
    TMemoSource reloaded;
    reloaded.LoadFromFile(file);
    ASSERT_EQ(reloaded.LineCount(), 1);
    EXPECT_EQ(reloaded.LineText(0), u"MESSAGE \"\u03A9\"");
}

TEST(Files, ALongSingleLine) {
    TTempFolder folder;
    const std::u16string file = folder.File("long.vbs");
    std::string bytes(10 * 1024 * 1024, 'x');
    for (size_t i = 0; i < bytes.size(); i += 97)
        bytes[i] = static_cast<char>('a' + i % 26);
    bytes += "\r\n";
    WriteBytes(file, bytes);
    TMemoSource m;
    m.LoadFromFile(file);
    ASSERT_EQ(m.LineCount(), 1);
    EXPECT_EQ(m.LineText(0).size(), bytes.size() - 2);
    m.SaveToFile(file);
    EXPECT_TRUE(ReadBytes(file) == bytes);
}

TEST(Files, LoadingResetsTheDocument) {
    TTempFolder folder;
    const std::u16string file = folder.File("a.vbs");
    WriteBytes(file, "\tx   \r\ny\r\n");
    TMemoSource m;
    m.SetSpacesInTab(2);
    Load(m, {"old", "text", "here"});
    m.SetCaret(2, 2);
    m.SetBookmark(1);
    m.SetSelection(stStreamSel, 0, 0, 2, 1);
    m.TypeChar(u'q');
    m.LoadFromFile(file);
    EXPECT_EQ(LinesOf(m), L({"  x", "y"}));
    EXPECT_EQ(m.Caret(), TPosition(0, 0));
    EXPECT_EQ(m.SelectionType(), stNotSelected);
    EXPECT_EQ(m.Bookmarks().Count(), 0);
    EXPECT_FALSE(m.CanUndo());
    EXPECT_FALSE(m.Modified());
    m.TypeChar(u'z');
    m.Undo();
    EXPECT_FALSE(m.Modified()) << "loading sets the save point";
}

TEST(Files, AMissingFileLeavesTheDocument) {
    TTempFolder folder;
    TMemoSource m;
    Load(m, {"keep"});
    const std::u16string file = folder.File("none.vbs");
    EXPECT_EQ(MessageOf([&] { m.LoadFromFile(file); }), u"Can't open file " + file);
    EXPECT_EQ(LinesOf(m), L({"keep"}));
}

TEST(Files, ReadOnlyLinesAreLeftOutOnRequest) {
    TTempFolder folder;
    const std::u16string file = folder.File("ro.vbs");
    TMemoSource m;
    Load(m, {"a", "secret", "b"});
    m.SetLineFlag(1, lfReadOnly, true);
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "a\r\nsecret\r\nb\r\n");
    TStringsOptions o = m.Options();
    o.Include(soExcludeReadOnlyLines);
    m.SetOptions(o);
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "a\r\nb\r\n");
}

TEST(Files, TabsAreWrittenAsStored) {
    TTempFolder folder;
    const std::u16string file = folder.File("tabs.vbs");
    TMemoSource m;
    TStringsOptions o = m.Options();
    o.Include(soUseTabCharacter);
    m.SetOptions(o);
    m.Lines().SetText(u"\tif x");
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "\tif x\r\n");
}

TEST(BackupNames, PutATildeIntoTheExtension) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"script.vbs", u"script.~vb"},     {u"a.c", u"a.~c"},     {u"noext", u"noext.~"},
        {u"dir.d/noext", u"dir.d/noext.~"}, {u"x.html", u"x.~ht"}, {u"dir/s.v", u"dir/s.~v"},
    };
    for (auto [name, backup] : cases)
        EXPECT_EQ(BackupFileName(name), backup);
}

class Backups : public ::testing::Test {
protected:
    void SetUp() override {
        TStringsOptions o = m.Options();
        o.Include(soCreateBackups);
        m.SetOptions(o);
        WriteBytes(file, "previous\r\n");
        Load(m, {"new"});
    }

    TTempFolder folder;
    std::u16string file = folder.File("script.vbs");
    TMemoSource m;
};

TEST_F(Backups, ThePreviousFileBecomesTheBackup) {
    WriteBytes(folder.File("script.~vb"), "older backup");
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_EQ(ReadBytes(folder.File("script.~vb")), "previous\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"script.vbs", "script.~vb"}));
}

TEST_F(Backups, TheHandlerChoosesTheName) {
    std::u16string asked;
    m.OnGetBackupName = [&](TCustomMemoSource&, const std::u16string& name, std::u16string& b) {
        asked = name;
        b = folder.File("kept.bak");
    };
    m.SaveToFile(file);
    EXPECT_EQ(asked, file);
    EXPECT_EQ(ReadBytes(folder.File("kept.bak")), "previous\r\n");
}

TEST_F(Backups, ANewFileNeedsNoBackup) {
    const std::u16string fresh = folder.File("fresh.vbs");
    m.SaveToFile(fresh);
    EXPECT_EQ(ReadBytes(fresh), "new\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"fresh.vbs", "script.vbs"}));
}

TEST_F(Backups, ABackupThatCannotBeDeletedStopsTheSave) {
    // A folder in the backup's place cannot be deleted as a file.
    std::filesystem::create_directories(std::filesystem::path(folder.File("script.~vb")) / "sub");
    EXPECT_EQ(MessageOf([&] { m.SaveToFile(file); }),
              u"Can't delete file " + folder.File("script.~vb"));
    EXPECT_EQ(ReadBytes(file), "previous\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"script.vbs", "script.~vb"}));
}

TEST(Files, SavingIntoAMissingFolderNamesTheProblem) {
    TTempFolder folder;
    TMemoSource m;
    Load(m, {"x"});
    EXPECT_EQ(MessageOf([&] { m.SaveToFile(folder.File("no/such.vbs")); }),
              u"Can't create temporary filename");
}

TEST(Files, ReplacingAFolderFailsAndLeavesIt) {
    TTempFolder folder;
    const std::u16string target = folder.File("taken");
    std::filesystem::create_directories(std::filesystem::path(target) / "inside");
    TMemoSource m;
    Load(m, {"x"});
    EXPECT_EQ(MessageOf([&] { m.SaveToFile(target); }).substr(0, 16), u"Can't rename fil");
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(target) / "inside"));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"taken"}) << "no temporary left";
}

} // namespace
} // namespace tessorin
