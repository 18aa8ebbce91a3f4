// Shared value types of the accounting libraries.
//
// tagCY is the library's amount type: a signed 64-bit integer holding the
// value times 10000 (one yen is 10000). On Windows it is the platform's own
// union; elsewhere an equivalent union with the same size and members.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <wtypes.h>
#else
typedef union tagCY {
    struct {
        uint32_t Lo;
        int32_t Hi;
    };
    int64_t int64;
} CY;
#endif

static_assert(sizeof(tagCY) == 8, "tagCY is one 64-bit integer");
