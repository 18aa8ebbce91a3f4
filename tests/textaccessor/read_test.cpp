// Reading: splitting lines in the four modes, converting fields, comment lines
// and line numbers, and lines the reader must refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ta_fixture.h"

namespace {

// Three string items of 8 bytes each, the shape of the splitter cases.
#pragma pack(push, 1)
struct Rec3 {
    char a[9], b[9], c[9];
};
#pragma pack(pop)
const StTAFORMAT kFormat3[] = {
    {"A", 3, 0, 0, 9, TA_STRING, 0},
    {"B", 2, 0, 9, 9, TA_STRING, 0},
    {"C", 2, 0, 18, 9, TA_STRING, 0},
};

struct Split {
    long result;
    std::string a, b, c;
};

Split ReadOne(const std::string& line, _Delimiter mode, _Quote quote = QUOTE_NONE, int spaceFlag = 0, long count = 3)
{
    Rec3 rec;
    memset(&rec, '#', sizeof rec);  // shows fields that were never stored
    rec.a[8] = rec.b[8] = rec.c[8] = '\0';
    std::stringstream in(line + "\r\n");
    ClTextAccessor ta("T3", kFormat3, count, &rec);
    ta.Attach(&in);
    ta.SetMode(mode, quote);
    ta.SetSpaceFlag(spaceFlag);
    Split s{ta.Read(), rec.a, rec.b, rec.c};
    return s;
}

void ExpectSplits(const char* mode, _Delimiter d, _Quote q, int spaceFlag,
                  std::initializer_list<std::pair<std::string, Split>> cases)
{
    for (const auto& [line, want] : cases) {
        Split got = ReadOne(line, d, q, spaceFlag);
        EXPECT_EQ(got.result, want.result) << mode << " [" << line << "]";
        if (want.result == 0 && got.result == 0) {
            EXPECT_EQ(got.a, want.a) << mode << " [" << line << "]";
            EXPECT_EQ(got.b, want.b) << mode << " [" << line << "]";
            EXPECT_EQ(got.c, want.c) << mode << " [" << line << "]";
        }
    }
}

TEST(TextAccessorRead, CommaSplitter)
{
    ExpectSplits("comma", DELIM_COMMA, QUOTE_NONE, 0, {
        {"a,,c", {0, "a", "", "c"}},
        {"a,b,", {0, "a", "b", ""}},
        {",,", {0, "", "", ""}},
        {"a,b", {2}},
        {"a,b,c,d", {2}},
        {" a , b ,c  ", {0, "a", "b", "c"}},
        {"ab cd,e,f", {2}},                      // a blank ends an unquoted field
        {"\"a,b\",'c',d", {0, "a,b", "c", "d"}},  // either quote, closed by the same one
        {"\"a,'b\",c,d", {0, "a,'b", "c", "d"}},
        {"\"a\"\"b\",c,d", {2}},                 // a doubled quote is no escape
        {"\"ab,c,d", {2}},                       // unclosed
        {"a\"b,c,d", {2}},                       // quote inside an unquoted field
        {"\"\",b,c", {0, "", "b", "c"}},
    });
    ExpectSplits("comma double", DELIM_COMMA, QUOTE_DOUBLE, 0, {
        {"'a',b,c", {2}},
        {"\"a,b\"  ,c,d", {0, "a,b", "c", "d"}},
    });
    ExpectSplits("comma space flag", DELIM_COMMA, QUOTE_NONE, 1, {
        {"ab cd,e,f", {0, "ab cd", "e", "f"}},
        {"ab  ,e,f  ", {0, "ab", "e", "f  "}},  // blanks at the very end stay
    });
}

TEST(TextAccessorRead, TabSpaceAndFixedSplitters)
{
    ExpectSplits("tab", DELIM_TAB, QUOTE_NONE, 0, {
        {"a\t\tc", {0, "a", "", "c"}},
        {"a\tb\t", {0, "a", "b", ""}},
        {"a b\tc\td", {2}},  // after a space only spaces may come before the tab
        {" a \t b\tc,d", {0, "a", "b", "c,d"}},
        {"'x y'\tb\tc", {0, "x y", "b", "c"}},
    });
    ExpectSplits("space", DELIM_SPACE, QUOTE_NONE, 0, {
        {"a   b c", {0, "a", "b", "c"}},
        {"\ta \"b c\"'d'", {0, "a", "b c", "d"}},
        {"a b", {2}},
        {"a b c d", {2}},
        {"a b\"c\" d", {2}},
    });
    ExpectSplits("fixed", DELIM_FIXED, QUOTE_NONE, 0, {
        {"abc12 3", {0, "abc", "12", " 3"}},
        {"abc12 ", {2}},
        {"abc12 34", {2}},
        {"a c   x", {0, "a c", "  ", " x"}},
    });

    // An empty line is one empty field in space mode.
    Split empty = ReadOne("", DELIM_SPACE, QUOTE_NONE, 0, 1);
    EXPECT_EQ(empty.result, 0);
    EXPECT_EQ(empty.a, "");
}

TEST(TextAccessorRead, FieldConversion)
{
    // Numbers go through the 8-byte item (AMOUNT) and the 4-byte item (COUNT).
    struct Case {
        const char* amount;
        long result;
        int64_t value;  // expected tagCY when result is 0
    } cases[] = {
        {" 12.5 ", 0, 125000},
        {"-0.00005", 0, 0},
        {"12a", 0, 120000},
        {"1,234", 0, 12340000},
        {"￥1,234.5", 0, 12345000},
        {"-1234.5678", 0, -12345678},
        {"+7", 0, 70000},
        {"1.2.3", 2, 0},
        {"12 3", 2, 0},
        {"1-2", 2, 0},
        {"", 0, 999},      // blank: the field keeps its value
        {"   ", 0, 999},
        {"922337203685477.5807", 0, INT64_MAX},
        {"-922337203685477.58079", 0, -INT64_MAX},
        {"922337203685477.5808", 2, 0},  // would not fit a tagCY
        {"99999999999999999999999", 2, 0},
    };
    for (const Case& c : cases) {
        TestAccessor t(DELIM_COMMA, QUOTE_DOUBLE);
        t.rec.cyAmount = 999;
        t.stream << "x,1,\"" << c.amount << "\",2,3\r\n";
        EXPECT_EQ(t.ta.Read(), c.result) << c.amount;
        if (c.result == 0) {
            EXPECT_EQ(int64_t{t.rec.cyAmount}, int64_t{c.value}) << c.amount;
        }
    }

    struct Small {
        const char* line;
        int32_t count;
        uint16_t code;
        int8_t flag;
    } smalls[] = {
        {"x,12.9,0,65535,-128", 12, 65535, -128},
        {"x,-12.9,0,65536,300", -12, 0, 44},  // cut to the field's width
        {"x,0,0,-1,0", 0, 65535, 0},           // a negative unsigned keeps its bits
    };
    for (const Small& s : smalls) {
        TestAccessor t;
        t.stream << s.line << "\r\n";
        ASSERT_EQ(t.ta.Read(), 0) << s.line;
        EXPECT_EQ(+t.rec.lCount, +s.count) << s.line;
        EXPECT_EQ(+t.rec.wCode, +s.code) << s.line;
        EXPECT_EQ(+t.rec.cFlag, +s.flag) << s.line;
    }
}

TEST(TextAccessorRead, StringRoomAndRequiredItems)
{
    TestAccessor t;
    t.stream << "12345678,1,0,0,0\r\n123456789,1,0,0,0\r\n,1,0,0,0\r\n";
    EXPECT_EQ(t.ta.Read(), 0);
    EXPECT_STREQ(t.rec.szName, "12345678");
    EXPECT_EQ(t.ta.Read(), 2);  // 9 bytes do not fit a 9-byte field with its NUL
    EXPECT_EQ(t.ta.Read(), 0);
    EXPECT_STREQ(t.rec.szName, "");

    StTAFORMAT required[5];
    memcpy(required, kTestFormat, sizeof required);
    required[0].required = 1;
    required[1].required = 1;
    TestRec rec = MakeRec("keep", 0, 0, 0, 0);
    std::stringstream in(",1,0,0,0\r\n\"\",1,0,0,0\r\nx,,0,0,0\r\n");
    ClTextAccessor ta("REQ", required, 5, &rec);
    ta.Attach(&in);
    ta.SetMode(DELIM_COMMA, QUOTE_NONE);
    EXPECT_EQ(ta.Read(), 2);  // empty unquoted field
    EXPECT_EQ(ta.Read(), 0);  // a quoted empty field is a value
    EXPECT_EQ(ta.Read(), 2);
}

TEST(TextAccessorRead, CommentsAndLineNumbers)
{
    {
        TestAccessor t;
        t.ta.SetCommentMark(";");
        t.stream << ";x\r\n;y\r\nab,1,2,3,4\r\n";
        EXPECT_EQ(t.ta.Read(), 0);
        EXPECT_STREQ(t.rec.szName, "ab");
        EXPECT_EQ(t.ta.GetPhysicalLineNo(), 3);
        EXPECT_EQ(t.ta.GetLogicalLineNo(), 1);
        EXPECT_EQ(t.ta.Read(), 1);
    }
    {
        TestAccessor t;
        t.ta.SetCommentMark(";");
        t.ta.SetCommentSkip(0);
        t.stream << ";x\r\nab,1,2,3,4\r\n";
        EXPECT_EQ(t.ta.Read(), 3);
        EXPECT_EQ(t.ta.GetPhysicalLineNo(), 1);
        EXPECT_EQ(t.ta.GetLogicalLineNo(), 0);
        char line[TA_LINE_BUFFER];
        t.ta.GetReadLine(line);
        EXPECT_STREQ(line, ";x");
        EXPECT_EQ(t.ta.Read(), 0);
        EXPECT_EQ(t.ta.GetLogicalLineNo(), 1);
    }
    {
        TestAccessor t;
        t.ta.SetCommentMark("//");
        t.stream << " //x,1,2,3,4\r\n/x,1,2,3,4\r\n";  // the mark must stand at the very start
        EXPECT_EQ(t.ta.Read(), 0);
        EXPECT_EQ(t.ta.Read(), 0);
        EXPECT_EQ(t.ta.GetLogicalLineNo(), 2);
    }
    {
        TestAccessor t;  // no mark: both numbers count every line
        t.stream << "a,1,2,3,4\r\nbad\r\n";
        EXPECT_EQ(t.ta.Read(), 0);
        EXPECT_EQ(t.ta.Read(), 2);
        EXPECT_EQ(t.ta.GetPhysicalLineNo(), 2);
        EXPECT_EQ(t.ta.GetLogicalLineNo(), 2);
    }
}

TEST(TextAccessorRead, LineEnds)
{
    TestAccessor t;
    // CR LF and LF end lines; a CR elsewhere is data; the last line has no end.
    t.stream << "a\rb,1,2,3,4\r\nc,1,2,3,4\nd,1,2,3,4";
    ASSERT_EQ(t.ta.Read(), 0);
    EXPECT_STREQ(t.rec.szName, "a\rb");
    ASSERT_EQ(t.ta.Read(), 0);
    EXPECT_STREQ(t.rec.szName, "c");
    ASSERT_EQ(t.ta.Read(), 0);  // delivered, not lost
    EXPECT_STREQ(t.rec.szName, "d");
    EXPECT_EQ(t.ta.Read(), 1);
    EXPECT_EQ(t.ta.Read(), 1);
    EXPECT_EQ(t.ta.GetPhysicalLineNo(), 3);

    TestAccessor empty;
    EXPECT_EQ(empty.ta.Read(), 1);
    EXPECT_EQ(empty.ta.GetPhysicalLineNo(), 0);
}

TEST(TextAccessorRead, OverlongLinesAndTooManyFieldsAreRefused)
{
    StTAFORMAT wide[] = {{"S", 1023, 0, 0, 1024, TA_STRING, 0}};
    std::vector<char> rec(1024);
    std::string longest(1023, 'x');
    std::stringstream in(longest + "\r\n" + std::string(1024, 'y') + "\r\n" + std::string(5000, 'z') + "\nok\r\n");
    ClTextAccessor ta("WIDE", wide, 1, rec.data());
    ta.Attach(&in);
    ta.SetMode(DELIM_COMMA, QUOTE_NONE);
    EXPECT_EQ(ta.Read(), 0);
    EXPECT_EQ(std::string(rec.data()), longest);
    EXPECT_EQ(ta.Read(), 2);  // refused whole, never split into two records
    EXPECT_EQ(ta.Read(), 2);
    EXPECT_EQ(ta.Read(), 0);
    EXPECT_STREQ(rec.data(), "ok");
    EXPECT_EQ(ta.GetPhysicalLineNo(), 4);
    EXPECT_EQ(ta.Read(), 1);

    // 101 fields: more than a line can hold, in every delimited mode.
    std::vector<StTAFORMAT> many(101, StTAFORMAT{"N", 1, 0, 0, 1, TA_UNSIGNED, 0});
    std::string commas, tabs, spaces;
    for (int i = 0; i < 101; ++i) {
        commas += i ? ",1" : "1";
        tabs += i ? "\t1" : "1";
        spaces += i ? " 1" : "1";
    }
    struct Case {
        _Delimiter mode;
        const std::string& line;
    } cases[] = {{DELIM_COMMA, commas}, {DELIM_TAB, tabs}, {DELIM_SPACE, spaces}, {DELIM_FIXED, spaces}};
    for (const Case& c : cases) {
        for (long count : {3L, 101L}) {
            char small[8] = {};
            std::stringstream lines(c.line + "\r\n");
            ClTextAccessor reader("MANY", many.data(), count, small);
            reader.Attach(&lines);
            reader.SetMode(c.mode, QUOTE_NONE);
            EXPECT_EQ(reader.Read(), 2) << c.mode << " " << count;
        }
    }

    // No stream.
    TestRec r{};
    ClTextAccessor detached("TEST", kTestFormat, 5, &r);
    EXPECT_EQ(detached.Read(), -1);
}

TEST(TextAccessorRead, WhatIsWrittenReadsBack)
{
    for (_Delimiter d : {DELIM_COMMA, DELIM_TAB, DELIM_SPACE, DELIM_FIXED}) {
        TestAccessor t(d, d == DELIM_FIXED ? QUOTE_NONE : QUOTE_DOUBLE);
        TestRec written[] = {MakeRec("表示 x", -12345, -12345600, 65535, -12), MakeRec("a", 0, 5000000, 0, 127)};
        for (TestRec& w : written) {
            t.rec = w;
            ASSERT_EQ(t.ta.Write(), 0);
        }
        for (TestRec& w : written) {
            memset(&t.rec, 0, sizeof t.rec);
            ASSERT_EQ(t.ta.Read(), 0) << d;
            if (d == DELIM_FIXED) {  // fixed-width strings keep their fill
                EXPECT_EQ(std::string(t.rec.szName).substr(0, strlen(w.szName)), w.szName);
            } else {
                EXPECT_STREQ(t.rec.szName, w.szName) << d;
            }
            EXPECT_EQ(+t.rec.lCount, +w.lCount) << d;
            EXPECT_EQ(int64_t{t.rec.cyAmount}, int64_t{w.cyAmount}) << d;
            EXPECT_EQ(+t.rec.wCode, +w.wCode) << d;
            EXPECT_EQ(+t.rec.cFlag, +w.cFlag) << d;
        }
        EXPECT_EQ(t.ta.Read(), 1);
    }
}

TEST(TextAccessorRead, OrderAndRotationSelectTheFields)
{
    StTAORDER order[] = {{4}, {0}};
    TestAccessor t;
    t.ta.SetOrder(order, 2);
    t.ta.SetSelectFlag(0);
    t.stream << "-7,zz\r\n";
    ASSERT_EQ(t.ta.Read(), 0);
    EXPECT_EQ(+t.rec.cFlag, -7);
    EXPECT_STREQ(t.rec.szName, "zz");

    // After a rotation the table's items move; the fields follow the working copy.
    TestAccessor r;
    ASSERT_EQ(r.ta.RotateFormat(0, 1, 2), 0);  // COUNT, NAME, AMOUNT, CODE, FLAG
    r.stream << "5,ab,1,2,3\r\n";
    ASSERT_EQ(r.ta.Read(), 0);
    EXPECT_EQ(+r.rec.lCount, 5);
    EXPECT_STREQ(r.rec.szName, "ab");
}

}  // namespace
