// The build and the test environment agree on Shift-JIS: narrow literals are
// compiled to code page 932 bytes, and under Wine the ANSI code page is 932.
#include <gtest/gtest.h>

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

TEST(Encoding, NarrowLiteralsAreShiftJis)
{
    const char text[] = "表示";
    ASSERT_EQ(strlen(text), 4u);
    EXPECT_EQ(memcmp(text, "\x95\x5C\x8E\xA6", 4), 0);
}

#ifdef _WIN32
TEST(Encoding, AnsiCodePageIs932)
{
    EXPECT_EQ(GetACP(), 932u) << "run under LANG=ja_JP.UTF-8 with the locale generated";
}
#endif
