// Saving onto file systems that refuse: the old file must survive and the
// error must say what failed. Needs mount (root) or plain permissions.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/exception.h"
#include "memo_fixture.h"
#include "temp_folder.h"

namespace tessorin {
namespace {

using testing::FilesIn;
using testing::Load;
using testing::ReadBytes;
using testing::TTempFolder;
using testing::WriteBytes;

bool Run(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

// A small tmpfs over a folder of its own, unmounted at the end.
class TSmallFileSystem {
public:
    explicit TSmallFileSystem(const std::filesystem::path& at) : FAt(at) {
        FMounted = geteuid() == 0 && Run("mount -t tmpfs -o size=64k tmpfs '" + at.string() + "'");
    }
    ~TSmallFileSystem() {
        if (FMounted)
            Run("umount '" + FAt.string() + "'");
    }
    bool Mounted() const { return FMounted; }
    bool MakeReadOnly() { return Run("mount -o remount,ro '" + FAt.string() + "'"); }

private:
    std::filesystem::path FAt;
    bool FMounted = false;
};

std::u16string SaveError(TMemoSource& m, const std::u16string& file) {
    try {
        m.SaveToFile(file);
    } catch (const TException& e) {
        return e.Message();
    }
    return u"(saved)";
}

void SetBackups(TMemoSource& m, bool on) {
    TStringsOptions o = m.Options();
    o.Set(soCreateBackups, on);
    m.SetOptions(o);
}

TEST(FileFaults, AFolderWithoutWritePermission) {
    TTempFolder temp;
    const std::filesystem::path folder = temp.Path() / "locked";
    std::filesystem::create_directories(folder);
    const std::u16string file = (folder / "script.vbs").u16string();
    TSmallFileSystem fs(folder);
    WriteBytes(file, "original\r\n");
    if (fs.Mounted()) {
        ASSERT_TRUE(fs.MakeReadOnly());
    } else {
        if (geteuid() == 0)
            GTEST_SKIP() << "running as root without mount: permissions do not stop root";
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    }
    for (bool backups : {false, true}) {
        TMemoSource m;
        Load(m, {"replacement"});
        SetBackups(m, backups);
        EXPECT_EQ(SaveError(m, file), u"Can't create temporary filename") << backups;
        EXPECT_EQ(ReadBytes(file), "original\r\n") << backups;
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"script.vbs"}) << backups;
    }
    if (!fs.Mounted())
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}

TEST(FileFaults, AFullFileSystem) {
    TTempFolder temp;
    const std::filesystem::path folder = temp.Path() / "small";
    std::filesystem::create_directories(folder);
    TSmallFileSystem fs(folder);
    if (!fs.Mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const std::u16string file = (folder / "script.vbs").u16string();
    WriteBytes(file, "original\r\n");
    std::u16string big;
    for (int i = 0; i < 4000; ++i)
        big += u"a line of some forty characters, more or less\r\n";
    for (bool backups : {false, true}) {
        TMemoSource m;
        m.Lines().SetText(big);
        SetBackups(m, backups);
        EXPECT_EQ(SaveError(m, file), u"Can't write file " + file) << backups;
        EXPECT_EQ(ReadBytes(file), "original\r\n") << backups;
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"script.vbs"}) << backups;
    }
    TMemoSource small;
    Load(small, {"fits"});
    small.SaveToFile(file); // space freed by the failed attempts is usable again
    EXPECT_EQ(ReadBytes(file), "fits\r\n");
}

TEST(FileFaults, ReplacingKeepsTheFilesPermissions) {
    TTempFolder temp;
    const std::u16string file = temp.File("script.vbs");
    WriteBytes(file, "old\r\n");
    const auto perms = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                       std::filesystem::perms::group_read;
    std::filesystem::permissions(file, perms);
    TMemoSource m;
    Load(m, {"new"});
    m.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_EQ(std::filesystem::status(file).permissions(), perms);
}

} // namespace
} // namespace tessorin
