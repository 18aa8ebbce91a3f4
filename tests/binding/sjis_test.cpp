// Shift-JIS conversion: exact forms only, on both platforms alike.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "binding/SjisText.h"

namespace {

TEST(SjisTextTest, ConvertsExactFormsAndRefusesLookAlikes)
{
    struct Case {
        const char* name;
        std::string utf8;
        bool converts;
        std::string sjis;
    } cases[] = {
        {"ASCII", "A-1 \\~", true, "A-1 \\~"},
        {"trail byte 0x5C", u8"表ソ能", true, "\x95\x5C\x83\x5C\x94\x5C"},
        {"full-width tilde", u8"\uFF5E", true, "\x81\x60"},
        {"half-width katakana", u8"\uFF71", true, "\xB1"},
        {"circled digit of row 13", u8"\u2460", true, "\x87\x40"},
        {"wave dash (a look-alike only)", u8"\u301C", false, ""},
        {"minus sign (a look-alike only)", u8"\u2212", false, ""},
        {"yen sign (a look-alike of the backslash byte)", u8"\u00A5", false, ""},
        {"no Shift-JIS form", u8"\U0001F600", false, ""},
        {"broken UTF-8", "\xE8\xA1", false, ""},
        {"overlong form of a slash", "\xE0\x80\xAF", false, ""},
        {"surrogate half", "\xED\xA0\x80", false, ""},
        // Characters met before give the same answers again, also amid ASCII.
        {"known characters amid ASCII", u8"A表-ソ1\uFF71", true, "A\x95\x5C-\x83\x5C" "1\xB1"},
        {"a refused character after known ones", u8"表ソ\u301C", false, ""},
        {"the refused character again", u8"X\u301C", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        EXPECT_EQ(Utf8ToSjis(c.utf8, &out), c.converts);
        if (c.converts) {
            EXPECT_EQ(out, c.sjis);
            std::string back;
            EXPECT_TRUE(SjisToUtf8(out, &back));
            EXPECT_EQ(back, c.utf8);
        }
    }
}

TEST(SjisTextTest, FieldsTakeTheTextAndItsNulOrNothing)
{
    char field[6];
    std::memset(field, '#', sizeof field);
    EXPECT_TRUE(FillSjisField(field, 6, u8"表示X"));  // 5 bytes and the NUL
    EXPECT_EQ(std::string(field, 6), std::string("\x95\x5C\x8E\xA6X\0", 6));

    std::memset(field, '#', sizeof field);
    EXPECT_FALSE(FillSjisField(field, 6, u8"表示XY"));  // one byte too many
    EXPECT_FALSE(FillSjisField(field, 6, u8"\u301C"));
    EXPECT_EQ(std::string(field, 6), std::string(6, '#')) << "a refused text leaves the field alone";

    EXPECT_EQ(SjisLength(u8"表示X"), 5);
    EXPECT_EQ(SjisLength(u8"\u301C"), -1);
}

}  // namespace
