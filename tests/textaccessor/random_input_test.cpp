// Random input for the reader and the writer: whatever the bytes, every call
// ends with one of its defined results and stays inside its buffers. Run it in
// the sanitizer build (GK_SANITIZE) to catch reads and writes out of bounds.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ta_fixture.h"

namespace {

const char kAlphabet[] = {'a', '1', '9', '-', '+', '.', ',', '\t', ' ', '"', '\'', '\r', '\n', ';', '\x95', '\x5C', '\0'};

TEST(TextAccessorRandom, ReaderTakesAnyBytes)
{
    std::mt19937 rng(20261211);
    const _Delimiter modes[] = {DELIM_FIXED, DELIM_COMMA, DELIM_TAB, DELIM_SPACE};
    const _Quote quotes[] = {QUOTE_NONE, QUOTE_SINGLE, QUOTE_DOUBLE};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, round % 10 == 0 ? 3000 : 120)(rng);
        for (int i = 0; i < length; ++i)
            text += rng() % 4 ? kAlphabet[rng() % sizeof kAlphabet] : static_cast<char>(rng());

        TestRec rec{};
        std::stringstream in(text);
        ClTextAccessor ta("RND", kTestFormat, 5, &rec);
        ta.Attach(&in);
        _Delimiter d = modes[rng() % 4];
        ta.SetMode(d, d == DELIM_FIXED ? QUOTE_NONE : quotes[rng() % 3]);
        ta.SetSpaceFlag(rng() % 2);
        if (rng() % 2)
            ta.SetCommentMark(";");
        ta.SetCommentSkip(rng() % 2);
        StTAORDER order[] = {{4}, {2}, {0}};
        if (rng() % 3 == 0) {
            ta.SetOrder(order, 3);
            ta.SetSelectFlag(0);
        }
        long previous = -1;
        for (int reads = 0; reads < 200; ++reads) {
            long result = ta.Read();
            ASSERT_TRUE(result >= 0 && result <= 3) << result;
            ASSERT_GE(ta.GetPhysicalLineNo(), previous);
            ASSERT_LE(ta.GetLogicalLineNo(), ta.GetPhysicalLineNo());
            previous = ta.GetPhysicalLineNo();
            if (result == 1)
                break;
        }
        ASSERT_EQ(ta.Read(), 1);
    }
}

TEST(TextAccessorRandom, WriterStaysInsideTheRecord)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        // Arbitrary record bytes: strings need not hold a NUL inside their field.
        std::vector<unsigned char> bytes(sizeof(TestRec));
        for (unsigned char& b : bytes)
            b = static_cast<unsigned char>(rng());
        std::stringstream out;
        ClTextAccessor ta("RND", kTestFormat, 5, bytes.data());
        ta.Attach(&out);
        _Delimiter d = static_cast<_Delimiter>(1 + rng() % 4);
        ta.SetMode(d, d == DELIM_FIXED ? QUOTE_NONE : static_cast<_Quote>(rng() % 3));
        for (long item = 0; item < 5; ++item)
            ta.SetMask(item, rng() % 4 == 0 ? static_cast<long>(rng() % 3) : 0);
        ASSERT_EQ(ta.Write(), 0);
        ASSERT_EQ(ta.Write2(static_cast<long>(rng() % 3)), 0);
        ASSERT_EQ(ta.ItemNameWrite(), 0);
        const std::string text = out.str();
        ASSERT_GE(text.size(), 6u);
        ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    }
}

}  // namespace
