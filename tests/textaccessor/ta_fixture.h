// A small record and format table shared by the text accessor tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "textaccessor/textaccessor.h"

#pragma pack(push, 1)
struct TestRec {
    char szName[9];    // item 0: string, width 8
    int32_t lCount;    // item 1: 4-byte signed, width 6
    int64_t cyAmount;  // item 2: tagCY, 2 decimals, width 10
    uint16_t wCode;    // item 3: 2-byte unsigned, width 5
    int8_t cFlag;      // item 4: 1-byte signed, width 3
};
#pragma pack(pop)

// Offsets are the sums of the sizes before them, as in every table of the system.
inline const StTAFORMAT kTestFormat[] = {
    {"NAME", 8, 0, 0, 9, TA_STRING, 0},
    {"COUNT", 6, 0, 9, 4, TA_SIGNED, 0},
    {"AMOUNT", 10, 2, 13, 8, TA_SIGNED, 0},
    {"CODE", 5, 0, 21, 2, TA_UNSIGNED, 0},
    {"FLAG", 3, 0, 23, 1, TA_SIGNED, 0},
};
static_assert(offsetof(TestRec, lCount) == 9 && offsetof(TestRec, cyAmount) == 13 &&
                  offsetof(TestRec, wCode) == 21 && offsetof(TestRec, cFlag) == 23 && sizeof(TestRec) == 24,
              "TestRec matches kTestFormat");

inline TestRec MakeRec(const char* name, int32_t count, int64_t amount, uint16_t code, int8_t flag)
{
    TestRec r;
    memset(&r, 0, sizeof r);
    strncpy(r.szName, name, sizeof r.szName - 1);
    r.lCount = count;
    r.cyAmount = amount;
    r.wCode = code;
    r.cFlag = flag;
    return r;
}

// An accessor over kTestFormat writing into a string stream.
struct TestAccessor {
    TestRec rec{};
    std::stringstream stream{std::ios::in | std::ios::out | std::ios::binary};
    ClTextAccessor ta{"TEST", kTestFormat, 5, &rec};

    explicit TestAccessor(_Delimiter d = DELIM_COMMA, _Quote q = QUOTE_NONE)
    {
        ta.Attach(&stream);
        ta.SetMode(d, q);
    }
    std::string Text() const { return stream.str(); }
};
