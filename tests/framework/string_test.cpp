// CString searches must never take the second byte of a double-byte
// character for the ASCII character searched (表 is 0x95 0x5C in Shift-JIS).
#include <gtest/gtest.h>

#include "framework/String.h"

namespace {

struct SearchCase {
    const char* text;
    char ch;
    int first;
    int last;
};

TEST(CStringTest, FindAndReverseFindSkipTrailBytes)
{
    const SearchCase cases[] = {
        {"C:\\out\\a.csv", '\\', 2, 6},
        {"表", '\\', -1, -1},                 // 0x95 0x5C: one character
        {"C:\\表\\x", '\\', 2, 5},
        {"C:\\dir\\表", '\\', 2, 6},          // the final 0x5C is a trail byte
        {"ソ:ソ", ':', 2, 2},                  // ソ is 0x83 0x5C
        {"abc", '\\', -1, -1},
        {"", '\\', -1, -1},
    };
    for (const SearchCase& c : cases) {
        CString s(c.text);
        EXPECT_EQ(c.first, s.Find(c.ch)) << c.text;
        EXPECT_EQ(c.last, s.ReverseFind(c.ch)) << c.text;
    }
}

TEST(CStringTest, FindFromAStartPosition)
{
    CString s("a\\b\\c");
    EXPECT_EQ(1, s.Find('\\', 0));
    EXPECT_EQ(3, s.Find('\\', 2));
    EXPECT_EQ(-1, s.Find('\\', 4));
}

TEST(CStringTest, PartsClampToTheText)
{
    CString s("abcdef");
    EXPECT_STREQ("abc", s.Left(3));
    EXPECT_STREQ("abcdef", s.Left(99));
    EXPECT_STREQ("def", s.Mid(3));
    EXPECT_STREQ("", s.Mid(9));
    EXPECT_STREQ("cd", s.Mid(2, 2));
}

}  // namespace
