// Path helpers of the dialog: the splits and the final-backslash rule on
// Shift-JIS texts whose double-byte characters may end in 0x5C (表, ソ).
#include <gtest/gtest.h>

#include <cstring>

#include "dialog/PathText.h"

namespace {

TEST(PathTextTest, SplitsAtTheLastRealSeparator)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* file;
        const char* drive;
        const char* afterDrive;
    };
    const Case cases[] = {
        {"C:\\out\\a.csv", "C:\\out\\", "a.csv", "C:", "\\out\\a.csv"},
        {"C:\\表", "C:\\", "表", "C:", "\\表"},
        {"C:\\ソフト\\表", "C:\\ソフト\\", "表", "C:", "\\ソフト\\表"},
        {"C:data.csv", "", "C:data.csv", "C:", "data.csv"},
        {"data.csv", "", "data.csv", "", "data.csv"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.folder, GetFolderPart(c.path)) << c.path;
        EXPECT_STREQ(c.file, GetFileNamePart(c.path)) << c.path;
        EXPECT_STREQ(c.drive, GetDrivePart(c.path)) << c.path;
        EXPECT_STREQ(c.afterDrive, GetAfterDrivePart(c.path)) << c.path;
    }
}

TEST(PathTextTest, AddTrailingBackslash)
{
    struct Case {
        const char* path;
        int result;
        const char* after;
    };
    const Case cases[] = {
        {"C:\\tmp", 1, "C:\\tmp\\"},
        {"C:\\tmp\\", 1, "C:\\tmp\\"},
        {"C:\\表", 1, "C:\\表\\"},   // final 0x5C is the second byte of 表
        {"C:\\表\\", 1, "C:\\表\\"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        char buffer[261] = {};
        std::strcpy(buffer, c.path);
        EXPECT_EQ(c.result, AddTrailingBackslash(buffer, 261)) << c.path;
        EXPECT_STREQ(c.after, buffer) << c.path;
    }
    // A text of capacity - 1 bytes cannot take the separator.
    char full[261];
    std::memset(full, 'a', 260);
    full[260] = '\0';
    EXPECT_EQ(0, AddTrailingBackslash(full, 261));
    EXPECT_EQ(260u, std::strlen(full));
    full[259] = '\\';
    EXPECT_EQ(1, AddTrailingBackslash(full, 261));
}

TEST(PathTextTest, DoubleBytePositions)
{
    const char* text = "a表b";  // a, 0x95 0x5C, b
    EXPECT_EQ(0, IsPartOfDoubleByteChar(text, 0));
    EXPECT_EQ(1, IsPartOfDoubleByteChar(text, 1));
    EXPECT_EQ(1, IsPartOfDoubleByteChar(text, 2));
    EXPECT_EQ(0, IsPartOfDoubleByteChar(text, 3));
}

}  // namespace
