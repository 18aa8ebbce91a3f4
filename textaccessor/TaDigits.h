// TaDigits: the decimal digits of an unsigned number, written backwards into
// a caller's buffer, two at a time. Shared by every writer of numbers in rows
// (the text accessor and the row conversion), where it runs for every amount.
#pragma once

#include <cstdint>
#include <cstring>

// The number of decimal digits of v (1 for 0).
inline int TaDigitCount(uint64_t v)
{
    int n = 1;
    while (v >= 10000) {
        v /= 10000;
        n += 4;
    }
    return n + (v >= 10) + (v >= 100) + (v >= 1000);
}

// Places the digits of v (at least one) just before `end` and answers where
// they start; at most 20 bytes are written.
inline char* TaDigits(uint64_t v, char* end)
{
    static const char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    while (v >= 100) {
        end -= 2;
        memcpy(end, kPairs + 2 * (v % 100), 2);
        v /= 100;
    }
    if (v >= 10) {
        end -= 2;
        memcpy(end, kPairs + 2 * v, 2);
    } else {
        *--end = static_cast<char>('0' + v);
    }
    return end;
}
