// Keys that tie the library's objects to the store.
//
// The 16-byte ikkatsuKey of an asset record: the asset's row in the store
// (8 bytes, little-endian) followed by a fixed mark, so that an all-zero or
// foreign key is recognised and leads to no sub-items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

inline void MakeIkkatsuKey(int64_t assetId, unsigned char* key)
{
    for (int i = 0; i < 8; ++i) key[i] = (unsigned char)((uint64_t)assetId >> (8 * i));
    std::memcpy(key + 8, "PLKSUBK1", 8);
}

inline bool ReadIkkatsuKey(const unsigned char* key, int64_t* assetId)
{
    if (std::memcmp(key + 8, "PLKSUBK1", 8) != 0) return false;
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= (uint64_t)key[i] << (8 * i);
    *assetId = (int64_t)v;
    return true;
}

// Keeps the data ID that an object works on: false (and an empty ID) when
// there is none or it does not fit, so a cut ID never names another data set.
template <size_t N>
bool CopyDataID(char (&target)[N], const char* dataId)
{
    std::memset(target, 0, N);
    if (!dataId || std::strlen(dataId) >= N) return false;
    std::strcpy(target, dataId);
    return true;
}
