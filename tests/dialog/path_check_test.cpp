// The path functions behind the execute checks: the character test, the
// folder reduction, the drive test (with a CD-ROM drive and a letter without
// root defined in the test's Wine prefix), and the creation of missing folder
// levels with the removal of exactly the levels a failed attempt made.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "dialog/DriveCheck.h"
#include "dialog/PathText.h"
#include "tests/dialog/TestFolder.h"
#include "tests/dialog/WineDrives.h"

namespace {

TEST(PathCheckTest, InvalidCharacters)
{
    struct Case {
        const char* path;
        int result;
    };
    const Case cases[] = {
        {"C:\\out\\a.csv", 1},
        {"C:\\out\\a,b.csv", 0},
        {"C:\\out\\a;b.csv", 0},
        {"C:\\out\\a/b.csv", 0},
        {"C:\\out\\a:b.csv", 0},  // a second colon
        {"C:\\out\\a*.csv", 0},
        {"C:\\out\\a?.csv", 0},
        {"C:\\out\\a\".csv", 0},
        {"C:\\out\\a>.csv", 0},
        {"C:\\out\\a<.csv", 0},
        {"C:\\out\\a|.csv", 0},
        {"C:*.csv", 0},                 // right after the drive colon
        {"C:\\out\\\\a.csv", 0},        // doubled backslash
        {"C:\\\\out\\a.csv", 0},        // doubled right after the colon
        {"1:\\a.csv", 1},               // a question for the drive test
        {"   ", 1},                     // blanks are text like any other
        {"C:\\表\\a.csv", 1},           // 表 = 95 5C: no doubled backslash
        {"C:\\ポ\\a.csv", 1},           // ポ = 83 7C: no vertical bar
        {"\\\\server\\share\\a.csv", 1},
        {"\\\\server\\share\\a;b.csv", 0},
        {"\\\\server\\\\share\\a.csv", 0},
        {"\\\\server\\share\\dir\\\\a.csv", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, HasNoInvalidChars(c.path)) << c.path;
}

TEST(PathCheckTest, ReduceToFolder)
{
    struct Case {
        const char* path;
        int result;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\out\\a.csv", 1, "C:\\out\\"},
        {"C:\\out\\", 1, "C:\\out\\"},
        {"C:\\表\\a.csv", 1, "C:\\表\\"},
        {"C:\\表", 1, "C:\\"},  // 表 is a name, not a name and a separator
        {"\\\\server\\share\\a.csv", 1, "\\\\server\\share\\"},
        {"C:x.csv", 1, "C:\\"},
        {"a.csv", 0, "a.csv"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        char buffer[GK_PATH_SIZE] = {};
        std::strcpy(buffer, c.path);
        EXPECT_EQ(c.result, ReduceToFolder(buffer)) << c.path;
        EXPECT_STREQ(c.folder, buffer) << c.path;
    }
}

class DriveTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        cdromReady = DefineWineDrive('R', DRIVE_CDROM, "/tmp");
        noRootReady = DefineWineDrive('Q', DRIVE_NO_ROOT_DIR);
        share = DefineWineShare("gkserver", "gkshare");
    }
    static bool cdromReady;
    static bool noRootReady;
    static std::string share;
};
bool DriveTest::cdromReady = false;
bool DriveTest::noRootReady = false;
std::string DriveTest::share;

TEST_F(DriveTest, DriveLetters)
{
    ASSERT_TRUE(cdromReady);
    ASSERT_TRUE(noRootReady);
    ASSERT_EQ("\\\\gkserver\\gkshare", share);
    struct Case {
        std::string path;
        int result;
    };
    const Case cases[] = {
        {"C:\\out\\a.csv", 1},
        {"c:\\out\\a.csv", 1},
        {"Z:\\tmp\\a.csv", 1},
        {"R:\\a.csv", 0},         // CD-ROM
        {"Q:\\a.csv", 0},         // no root directory
        {"Q:\\out\\a.csv", 0},
        {"1:\\a.csv", 0},
        {"表:\\a.csv", 0},        // begins with a double-byte character
        {"C:\\out\\\\a.csv", 0},  // doubled backslash
        {"cout.csv", 1},          // relative: tested on drive C
        {"quit.csv", 0},          // relative: tested on drive Q
        {"\\\\server\\share", 0}, // no backslash after the share name
        {"\\\\nosuchserver\\share\\a.csv", 0},
        {share + "\\a.csv", 1},  // tested on \\gkserver\gkshare
        {share + "\\dir\\sub\\a.csv", 1},
        {"\\\\gkserver\\noshare\\a.csv", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, CheckDrive(c.path.c_str())) << c.path;

    EXPECT_EQ(1, CheckDriveLetter('C', 6));
    EXPECT_EQ(0, CheckDriveLetter('R', 0));  // refused whatever the access
    EXPECT_EQ(0, CheckDriveLetter(static_cast<signed char>(0x95), 6));
    EXPECT_EQ(0, CheckDriveLetter('@', 6));
}

class FolderLevelsTest : public ::testing::Test {
protected:
    TestFolder root;
};

TEST_F(FolderLevelsTest, CreatesOnlyTheMissingLevels)
{
    const std::string a = root / "a\\";
    ASSERT_TRUE(CreateDirectoryA(a.c_str(), nullptr));
    WriteFileBytes(a + "keep.txt", "kept");

    EXPECT_EQ(1, CreateFolderLevels((a + "b\\表\\c\\").c_str()));
    EXPECT_TRUE(FolderExists(a + "b\\表\\c"));
    EXPECT_EQ("kept", ReadFileBytes(a + "keep.txt"));
    EXPECT_EQ(1, IsExistingFolder((a + "b\\表\\c\\x.csv").c_str()));
    EXPECT_EQ(0, IsExistingFolder((a + "b\\none\\x.csv").c_str()));

    // Existing levels, and a folder that is only its root, need nothing.
    EXPECT_EQ(1, CreateFolderLevels(a.c_str()));
    EXPECT_EQ(1, CreateFolderLevels("C:\\"));
    EXPECT_EQ(0, CreateFolderLevels("relative\\dir\\"));
}

// A control character passes the character test but no file system takes
// it: the level c\x01 fails after b was made, and only b is removed again.
TEST_F(FolderLevelsTest, FailedCreationRemovesExactlyTheLevelsItMade)
{
    const std::string a = root / "a\\";
    ASSERT_TRUE(CreateDirectoryA(a.c_str(), nullptr));
    const std::string failing = a + "b\\表\\c\x01\\d\\";
    ASSERT_EQ(1, HasNoInvalidChars(failing.c_str()));

    EXPECT_EQ(0, CreateFolderLevels(failing.c_str()));
    EXPECT_FALSE(FolderExists(a + "b"));
    EXPECT_TRUE(FolderExists(a));
}

TEST_F(FolderLevelsTest, RemovalStopsAtTheStopFolder)
{
    const std::string a = root / "a\\";
    ASSERT_EQ(1, CreateFolderLevels((a + "b\\c\\").c_str()));

    // Nothing is removed for folders that do not share a beginning.
    EXPECT_EQ(0, RemoveCreatedFolders((a + "b\\c\\d\\").c_str(), "D:\\a\\"));
    EXPECT_EQ(0, RemoveCreatedFolders((a + "b\\c\\d\\").c_str(), (root / "x\\").c_str()));
    EXPECT_TRUE(FolderExists(a + "b\\c"));

    // The stop folder matches without regard to case.
    std::string upper = a;
    for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(1, RemoveCreatedFolders((a + "b\\c\\d\\").c_str(), upper.c_str()));
    EXPECT_FALSE(FolderExists(a + "b"));
    EXPECT_TRUE(FolderExists(a));
}

}  // namespace
