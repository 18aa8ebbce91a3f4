// Writing: exact bytes of lines, modes, masks, orders, item names, limits.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

#include "binding/PelkMsgMgr.h"
#include "ta_fixture.h"

namespace {

// One 8-byte tagCY item alone, to check number formatting.
std::string WriteAmount(int64_t value, int32_t decimals, int32_t width, _Delimiter mode)
{
    StTAFORMAT format[] = {{"AMOUNT", width, decimals, 0, 8, TA_SIGNED, 0}};
    int64_t rec = value;
    std::stringstream out;
    ClTextAccessor ta("AMT", format, 1, &rec);
    ta.Attach(&out);
    ta.SetMode(mode, QUOTE_NONE);
    EXPECT_EQ(ta.Write(), 0);
    return out.str();
}

TEST(TextAccessorWrite, AmountsKeepSignAndDropExtraDecimals)
{
    struct Case {
        int64_t value;
        int32_t decimals, width;
        _Delimiter mode;
        const char* expected;
    } cases[] = {
        {-12345678, 2, 10, DELIM_COMMA, "-1234.56\r\n"},
        {-12345678, 2, 10, DELIM_FIXED, "  -1234.56\r\n"},
        {5, 2, 10, DELIM_COMMA, "0.00\r\n"},
        {-1, 2, 10, DELIM_COMMA, "-0.00\r\n"},
        {12340000, 2, 10, DELIM_COMMA, "1234.00\r\n"},
        {12349999, 0, 10, DELIM_COMMA, "1234\r\n"},
        {12349999, 0, 6, DELIM_FIXED, "  1234\r\n"},
        {12345678, 2, 6, DELIM_FIXED, "1234.56\r\n"},  // integer part wider than its 3 columns
        {1234567, 2, 6, DELIM_FIXED, "123.45\r\n"},
        {50000, 4, 8, DELIM_FIXED, "  5.0000\r\n"},
        {INT64_MIN, 4, 10, DELIM_COMMA, "-922337203685477.5808\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WriteAmount(c.value, c.decimals, c.width, c.mode), c.expected) << c.value;
}

TEST(TextAccessorWrite, DelimitedRecordAndQuotes)
{
    struct Case {
        _Delimiter mode;
        _Quote quote;
        const char* expected;
    } cases[] = {
        {DELIM_COMMA, QUOTE_NONE, "ab,-12,-1234.56,65535,-5\r\n"},
        {DELIM_COMMA, QUOTE_DOUBLE, "\"ab\",-12,-1234.56,65535,-5\r\n"},
        {DELIM_TAB, QUOTE_SINGLE, "'ab'\t-12\t-1234.56\t65535\t-5\r\n"},
        {DELIM_SPACE, QUOTE_NONE, "ab -12 -1234.56 65535 -5\r\n"},
        {DELIM_FIXED, QUOTE_NONE, "ab         -12  -1234.5665535 -5\r\n"},
    };
    for (const Case& c : cases) {
        TestAccessor t(c.mode, c.quote);
        t.rec = MakeRec("ab", -12, -12345678, 65535, -5);
        EXPECT_EQ(t.ta.Write(), 0);
        EXPECT_EQ(t.ta.Write(), 0);  // the same record gives the same line again
        EXPECT_EQ(t.Text(), std::string(c.expected) + c.expected) << c.mode << "/" << c.quote;
    }
}

TEST(TextAccessorWrite, StringsAreCutAtWidthAndNeverEscaped)
{
    struct Case {
        const char* value;
        _Delimiter mode;
        _Quote quote;
        const char* expected;  // the line up to the first separator
    } cases[] = {
        {"", DELIM_COMMA, QUOTE_NONE, ""},
        {"", DELIM_COMMA, QUOTE_DOUBLE, "\"\""},
        {"a,b", DELIM_COMMA, QUOTE_NONE, "a,b"},
        {"a\"b", DELIM_COMMA, QUOTE_DOUBLE, "\"a\"b\""},
        {"a\nb", DELIM_COMMA, QUOTE_NONE, "a\nb"},      // a bare LF stays bare
        {"12345678", DELIM_COMMA, QUOTE_NONE, "12345678"},  // exactly the width
        {"表示表示", DELIM_COMMA, QUOTE_NONE, "表示表示"},  // 8 bytes, trail bytes 0x5C
        {"ab", DELIM_FIXED, QUOTE_NONE, "ab      "},
    };
    for (const Case& c : cases) {
        TestAccessor t(c.mode, c.quote);
        t.rec = MakeRec("", 1, 0, 0, 0);
        memcpy(t.rec.szName, c.value, strlen(c.value) + 1);
        ASSERT_EQ(t.ta.Write(), 0);
        std::string line = t.Text();
        std::string head = c.mode == DELIM_FIXED ? line.substr(0, 8) : line.substr(0, line.rfind(",1,0.00,0,0\r\n"));
        EXPECT_EQ(head, c.expected) << c.value;
    }

    // One byte over the width is cut, also in the middle of a double-byte character.
    TestAccessor t;
    t.rec = MakeRec("", 1, 0, 0, 0);
    memcpy(t.rec.szName, "a表示表示", 9);  // 9 bytes, no NUL inside the field
    ASSERT_EQ(t.ta.Write(), 0);
    EXPECT_EQ(t.Text(), std::string("a表示表", 7) + "\x8E" + ",1,0.00,0,0\r\n");
}

TEST(TextAccessorWrite, MasksAreLookedUpByItemNumber)
{
    struct Case {
        _Delimiter mode;
        long mask1, mask4;
        const char* expected;
    } cases[] = {
        {DELIM_COMMA, 1, 0, "ab,,-1234.56,7,-5\r\n"},
        {DELIM_COMMA, 2, 0, "ab, ,-1234.56,7,-5\r\n"},
        {DELIM_COMMA, 0, 1, "ab,-12,-1234.56,7,\r\n"},  // a masked last item still ends the line
        {DELIM_COMMA, 0, 2, "ab,-12,-1234.56,7, \r\n"},
        {DELIM_COMMA, 255, 0, "ab,,-1234.56,7,-5\r\n"},
        {DELIM_FIXED, 2, 1, "ab              -1234.56    7   \r\n"},  // 6 + 6 + 2 spaces
    };
    for (const Case& c : cases) {
        TestAccessor t(c.mode);
        t.rec = MakeRec("ab", -12, -12345678, 7, -5);
        t.ta.SetMask(1, c.mask1);
        t.ta.SetMask(4, c.mask4);
        ASSERT_EQ(t.ta.Write(), 0);
        EXPECT_EQ(t.Text(), c.expected);
    }

    TestAccessor t;
    EXPECT_EQ(t.ta.SetMask(-1, 1), -1);
    EXPECT_EQ(t.ta.SetMask(5, 1), -1);
    EXPECT_EQ(t.ta.GetMask(-1), -1);
    EXPECT_EQ(t.ta.GetMask(5), -1);
    EXPECT_EQ(t.ta.SetMask(4, 0x1FF), 0);  // the low byte is kept
    EXPECT_EQ(t.ta.GetMask(4), 255);
}

TEST(TextAccessorWrite, OrderAppliesOnlyWithSelectFlagZero)
{
    StTAORDER order[] = {{3}, {0}, {1}};
    TestAccessor t;
    t.rec = MakeRec("ab", -12, 0, 7, 0);
    t.ta.SetOrder(order, 3);
    ASSERT_EQ(t.ta.Write(), 0);  // select flag 1: every item in table order
    t.ta.SetSelectFlag(0);
    t.ta.SetMask(0, 1);  // item 0, now at position 1
    ASSERT_EQ(t.ta.Write(), 0);
    EXPECT_EQ(t.Text(), "ab,-12,0.00,7,0\r\n7,,-12\r\n");
    EXPECT_EQ(t.ta.GetOrder(), order);
    EXPECT_EQ(t.ta.GetOrderCount(), 3);
}

// The line writer collects a line in a buffer, hands it on whenever room for
// one more item runs short, and skips runs of masked items eight at a time.
// Lines longer than its buffer (4096 bytes), with every mask, mode and an order, must
// come out as the items written one by one with their separators.
class ItemWriter : public ClTextAccessor {
public:
    using ClTextAccessor::ClTextAccessor;
    using ClTextAccessor::WriteItem;
};

TEST(TextAccessorWrite, LongLinesAreTheItemsWrittenOneByOne)
{
    const long kItems = 200;
    std::vector<StTAFORMAT> table;
    std::vector<unsigned char> record(kItems * 1024, 0);
    std::mt19937 random(11);
    for (long i = 0; i < kItems; ++i) {
        StTAFORMAT f = {{'I', static_cast<char>('A' + i % 26)}, 0, 0, static_cast<int32_t>(i * 1024), 0, TA_STRING, 0};
        switch (i % 4) {
        case 0:  // a text, every fifth one as wide as an item may be
            f.size = 1024;
            f.width = i % 20 == 0 ? 1023 : 1 + static_cast<int32_t>(random() % 40);
            for (int32_t k = 0; k < f.width; ++k)
                record[i * 1024 + k] = static_cast<unsigned char>('a' + random() % 26);
            if (f.width < 1023)
                record[i * 1024 + random() % (f.width + 1)] = 0;
            break;
        case 1:  // an amount
            f.type = TA_SIGNED, f.size = 8, f.width = 25, f.decimals = static_cast<int32_t>(i % 5);
            for (int k = 0; k < 8; ++k)
                record[i * 1024 + k] = static_cast<unsigned char>(random());
            break;
        default:  // a small number
            f.type = i % 4 == 2 ? TA_SIGNED : TA_UNSIGNED, f.size = 2, f.width = 7;
            record[i * 1024] = static_cast<unsigned char>(random());
            record[i * 1024 + 1] = static_cast<unsigned char>(random());
            break;
        }
        table.push_back(f);
    }
    std::vector<StTAORDER> order;
    for (long i = kItems - 1; i >= 0; --i) {
        if (i % 3 != 1)  // backwards, a third left out
            order.push_back(StTAORDER{static_cast<int32_t>(i)});
    }

    struct Mode {
        _Delimiter delimiter;
        _Quote quote;
        const char* separator;
    } modes[] = {{DELIM_FIXED, QUOTE_NONE, ""}, {DELIM_COMMA, QUOTE_NONE, ","},
                 {DELIM_TAB, QUOTE_DOUBLE, "\t"}, {DELIM_SPACE, QUOTE_SINGLE, " "}};
    for (const Mode& m : modes) {
        for (bool ordered : {false, true}) {
            ItemWriter ta("LONG", table.data(), kItems, record.data());
            ta.SetMode(m.delimiter, m.quote);
            if (ordered) {
                ta.SetOrder(order.data(), static_cast<long>(order.size()));
                ta.SetSelectFlag(0);
            }
            // Long masked runs, single masked items and a few spaces (mask 2);
            // the widest texts stay, to make the line several buffers long.
            for (long i = 0; i < kItems; ++i) {
                long mask = (i / 16) % 2 == 1 ? 1 : random() % 7 == 0 ? 2 : random() % 3 == 0 ? 1 : 0;
                ta.SetMask(i, i % 20 == 0 ? 0 : mask);
            }

            std::stringstream line;
            ta.Attach(&line);
            ASSERT_EQ(ta.Write(), 0);
            std::stringstream items;
            ta.Attach(&items);
            const long positions = ordered ? static_cast<long>(order.size()) : kItems;
            for (long k = 0; k < positions; ++k) {
                if (k > 0)
                    items << m.separator;
                ASSERT_EQ(ta.WriteItem(ordered ? order[k].item : k), 0);
            }
            items << "\r\n";
            ASSERT_GT(line.str().size(), 4096u) << "mode " << m.delimiter << (ordered ? ", ordered" : "");
            EXPECT_EQ(line.str(), items.str()) << "mode " << m.delimiter << (ordered ? ", ordered" : "");
        }
    }
}

TEST(TextAccessorWrite, LeadingFieldsAndItemNames)
{
    {
        TestAccessor t(DELIM_TAB);
        t.rec = MakeRec("ab", 1, 0, 2, 3);
        ASSERT_EQ(t.ta.Write2(2), 0);
        EXPECT_EQ(t.Text(), "\"\",\"\",ab\t1\t0.00\t2\t3\r\n");
    }
    {
        TestAccessor t(DELIM_FIXED);
        t.ta.SetMask(2, 1);
        ASSERT_EQ(t.ta.ItemNameWrite(), 0);
        ASSERT_EQ(t.ta.Write2(1), 0);
        EXPECT_EQ(t.Text().substr(0, 33), "NAME  COUNT        CODE  FLAG\r\n\"\"");
    }
    {
        TestAccessor t(DELIM_COMMA, QUOTE_DOUBLE);
        t.ta.SetMask(3, 2);
        ASSERT_EQ(t.ta.ItemNameWrite2(1), 0);
        EXPECT_EQ(t.Text(), "\"\",\"NAME\",\"COUNT\",\"AMOUNT\", ,\"FLAG\"\r\n");
    }
}

TEST(TextAccessorWrite, CommentIsWrittenVerbatim)
{
    TestAccessor t(DELIM_COMMA, QUOTE_DOUBLE);
    ASSERT_EQ(t.ta.CommentWrite(";a,\"b\"\nc"), 0);
    ASSERT_EQ(t.ta.CommentWrite(""), 0);
    EXPECT_EQ(t.Text(), ";a,\"b\"\nc\r\n\r\n");
}

TEST(TextAccessorWrite, SetModeAndAttachReportToMessageManager)
{
    TestAccessor t(DELIM_COMMA, QUOTE_DOUBLE);
    ClMsgMgr* mgr = ClMsgMgr::Inst();
    EXPECT_EQ(t.ta.SetMode(DELIM_FIXED, QUOTE_DOUBLE), -1003);
    EXPECT_EQ(mgr->GetLastErrorCode(), -1003);
    EXPECT_STREQ(mgr->GetLastErrorSource(), "textaccessor");
    EXPECT_GT(mgr->GetLastErrorLine(), 0);

    t.rec = MakeRec("ab", 1, 0, 2, 3);
    ASSERT_EQ(t.ta.Write(), 0);  // the previous modes stay
    EXPECT_EQ(t.Text(), "\"ab\",1,0.00,2,3\r\n");

    EXPECT_EQ(t.ta.Attach(&t.stream), 0);
    EXPECT_EQ(mgr->GetLastErrorCode(), 0);
    EXPECT_EQ(mgr->GetLastErrorSource(), nullptr);
    EXPECT_EQ(mgr->GetLastErrorLine(), 0);
}

// A stream buffer that takes `room` bytes and then refuses everything.
class FullDisk : public std::streambuf {
public:
    explicit FullDisk(size_t room) : m_room(room) {}
    std::string taken;

protected:
    int_type overflow(int_type c) override
    {
        if (taken.size() >= m_room || traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::eof();
        taken.push_back(traits_type::to_char_type(c));
        return c;
    }

private:
    size_t m_room;
};

TEST(TextAccessorWrite, FailuresGiveDefinedCodes)
{
    TestRec rec = MakeRec("ab", 1, 0, 2, 3);

    // No stream attached.
    ClTextAccessor detached("TEST", kTestFormat, 5, &rec);
    EXPECT_EQ(detached.Write(), -1);
    EXPECT_EQ(detached.ItemNameWrite(), -1);
    EXPECT_EQ(detached.CommentWrite("x"), -1);

    // A write that fails part-way: what was written stays, the result is -1.
    FullDisk disk(4);
    std::iostream failing(&disk);
    ClTextAccessor ta("TEST", kTestFormat, 5, &rec);
    ta.Attach(&failing);
    ta.SetMode(DELIM_COMMA, QUOTE_NONE);
    EXPECT_EQ(ta.Write(), -1);
    EXPECT_EQ(disk.taken, "ab,1");

    // An order naming an item outside the table: refused before anything is written.
    std::stringstream out;
    ta.Attach(&out);
    StTAORDER bad[] = {{0}, {5}};
    ta.SetOrder(bad, 2);
    ta.SetSelectFlag(0);
    EXPECT_EQ(ta.Write(), -1003);
    bad[1].item = -1;
    EXPECT_EQ(ta.ItemNameWrite(), -1003);
    EXPECT_EQ(out.str(), "");
}

TEST(TextAccessorWrite, TablesBeyondTheLimitsMakeAnUnusableAccessor)
{
    std::vector<StTAFORMAT> big(201, StTAFORMAT{"N", 1, 0, 0, 1, TA_UNSIGNED, 0});
    StTAFORMAT wide[] = {{"S", 1024, 0, 0, 2000, TA_STRING, 0}};
    StTAFORMAT decimals[] = {{"A", 10, 5, 0, 8, TA_SIGNED, 0}};
    StTAFORMAT size3[] = {{"A", 10, 0, 0, 3, TA_SIGNED, 0}};
    StTAFORMAT type9[] = {{"A", 10, 0, 0, 4, 9, 0}};
    StTAFORMAT negative[] = {{"A", 10, 0, -4, 4, TA_SIGNED, 0}};
    StTAFORMAT longName[] = {{"", 10, 0, 0, 4, TA_SIGNED, 0}};
    memset(longName[0].name, 'x', sizeof longName[0].name);  // no NUL inside
    struct Case {
        const char* what;
        const StTAFORMAT* format;
        long count;
    } cases[] = {
        {"201 items", big.data(), 201}, {"width 1024", wide, 1},   {"5 decimals", decimals, 1},
        {"size 3", size3, 1},           {"type 9", type9, 1},      {"negative offset", negative, 1},
        {"name without NUL", longName, 1}, {"negative count", wide, -1}, {"no table", nullptr, 3},
    };
    char record[4096] = {};
    for (const Case& c : cases) {
        std::stringstream out;
        ClTextAccessor ta("BAD", c.format, c.count, record);
        ta.Attach(&out);
        ta.SetMode(DELIM_COMMA, QUOTE_NONE);
        EXPECT_EQ(ta.GetFormatCount(), 0) << c.what;
        EXPECT_EQ(ta.Write(), -1003) << c.what;
        EXPECT_EQ(ta.Write2(1), -1003) << c.what;
        EXPECT_EQ(ta.ItemNameWrite(), -1003) << c.what;
        EXPECT_EQ(ta.Read(), -1003) << c.what;
        EXPECT_EQ(out.str(), "") << c.what;
    }

    // The limits themselves are accepted.
    std::vector<StTAFORMAT> full(200, StTAFORMAT{"N", 1, 0, 0, 1, TA_UNSIGNED, 0});
    StTAFORMAT widest[] = {{"S", 1023, 0, 0, 2000, TA_STRING, 0}};
    ClTextAccessor ok200("OK", full.data(), 200, record);
    ClTextAccessor ok1023("OK", widest, 1, record);
    EXPECT_EQ(ok200.GetFormatCount(), 200);
    EXPECT_EQ(ok1023.GetFormatCount(), 1);
}

TEST(TextAccessorWrite, RotationMovesBlocksOfTheWorkingCopy)
{
    std::vector<StTAFORMAT> items(6);
    for (int i = 0; i < 6; ++i)
        items[i] = StTAFORMAT{{static_cast<char>('0' + i)}, 1, 0, i, 1, TA_UNSIGNED, 0};
    char record[6] = {};
    ClTextAccessor ta("ROT", items.data(), 6, record);
    auto names = [&] {
        std::string s;
        for (int i = 0; i < 6; ++i)
            s += ta.GetFormat()[i].name;
        return s;
    };
    EXPECT_EQ(ta.RotateFormat(2, 3, 3), 0);
    EXPECT_EQ(names(), "014235");
    EXPECT_EQ(ta.RotateFormat(0, 1, 2), 0);  // rotations add up
    EXPECT_EQ(names(), "104235");
    ta.ResetRotate();
    EXPECT_EQ(names(), "012345");

    struct Refused {
        long start, target, count;
    } refused[] = {{5, 5, 1}, {-1, 0, 2}, {4, 4, 3}, {2, 1, 3}, {2, 5, 3}, {2, 2, 0}};
    for (const Refused& r : refused)
        EXPECT_EQ(ta.RotateFormat(r.start, r.target, r.count), 1) << r.start << "," << r.target << "," << r.count;
    EXPECT_EQ(names(), "012345");
}

}  // namespace
