// The code registry; see GkAssetCodes.h.
#include "export/GkAssetCodes.h"

#include <cstring>

namespace {

const size_t kInitialSlots = 1024;
const size_t kKeyBytes = 8;
const size_t kPrefixBytes = 6;
const size_t kMaxReservedSlots = size_t{1} << 22;  // 32 MB: a reservation never takes more

// A code of 1 to 8 bytes without NUL, zero-padded: distinct codes give
// distinct keys, and no key is 0.
uint64_t MakeKey(const char* code, size_t length)
{
    uint64_t key = 0;
    memcpy(&key, code, length);
    return key;
}

// The home slot of a key. Codes that differ only in their last byte (in a
// ledger mostly numbered one after the other) get neighbouring slots: the
// bytes before it are mixed into a random place and the last byte is added.
// With a million codes the table is far larger than the processor's caches,
// and runs of such codes then share the few cache lines they touch. A group
// has at most 256 codes, so lookups stay O(1).
size_t Hash(uint64_t key, size_t mask)
{
    // The last byte of the code is the highest byte of its key.
    const int shift = key ? (63 - __builtin_clzll(key)) / 8 * 8 : 0;
    const uint64_t last = key >> shift;
    uint64_t group = key ^ (last << shift);
    group ^= group >> 29;
    group *= 0x9E3779B97F4A7C15ull;
    group ^= group >> 32;
    return static_cast<size_t>(group + last) & mask;
}

}  // namespace

ClGkAssetCodes::ClGkAssetCodes() : m_slots(kInitialSlots, 0) {}

ClGkAssetCodes::~ClGkAssetCodes() = default;

int ClGkAssetCodes::Register(const char* code)
{
    size_t length = strlen(code);
    if (length == 0 || length > kKeyBytes) {
        if (Contains(code, length))
            return 1;
        if (length > kPrefixBytes && Contains(code, kPrefixBytes))
            return 2;
        Add(code, length);
        return 0;
    }

    // A code of 1 to 8 bytes: one walk of the table finds the code or the
    // free slot it would take.
    const uint64_t key = MakeKey(code, length);
    const size_t mask = m_slots.size() - 1;
    size_t free = Hash(key, mask);
    for (; m_slots[free] != 0; free = (free + 1) & mask) {
        if (m_slots[free] == key)
            return 1;
    }
    if (length > kPrefixBytes && FindKey(MakeKey(code, kPrefixBytes)))
        return 2;
    if ((m_nKeys + 1) * 4 > m_slots.size() * 3) {
        InsertKey(key);  // grows the table first
    } else {
        m_slots[free] = key;
        ++m_nKeys;
    }
    ++m_nCount;
    return 0;
}

void ClGkAssetCodes::Reserve(size_t codes)
{
    if (m_nKeys != 0)
        return;
    size_t slots = m_slots.size();
    while (slots / 4 * 3 < codes && slots < kMaxReservedSlots)
        slots *= 2;
    if (slots != m_slots.size())
        std::vector<uint64_t>(slots, 0).swap(m_slots);
}

bool ClGkAssetCodes::Contains(const char* code, size_t length) const
{
    if (length == 0)
        return m_bEmptyCode;
    if (length > kKeyBytes)
        return m_longCodes.count(std::string(code, length)) != 0;
    return FindKey(MakeKey(code, length));
}

void ClGkAssetCodes::Add(const char* code, size_t length)
{
    if (length == 0)
        m_bEmptyCode = true;
    else if (length > kKeyBytes)
        m_longCodes.insert(std::string(code, length));
    else
        InsertKey(MakeKey(code, length));
    ++m_nCount;
}

bool ClGkAssetCodes::FindKey(uint64_t key) const
{
    size_t mask = m_slots.size() - 1;
    for (size_t i = Hash(key, mask);; i = (i + 1) & mask) {
        if (m_slots[i] == key)
            return true;
        if (m_slots[i] == 0)
            return false;
    }
}

void ClGkAssetCodes::InsertKey(uint64_t key)
{
    // At most three quarters full, so every probe meets a free slot.
    if ((m_nKeys + 1) * 4 > m_slots.size() * 3)
        Grow();
    size_t mask = m_slots.size() - 1;
    size_t i = Hash(key, mask);
    while (m_slots[i] != 0)
        i = (i + 1) & mask;
    m_slots[i] = key;
    ++m_nKeys;
}

void ClGkAssetCodes::Grow()
{
    std::vector<uint64_t> old(m_slots.size() * 2, 0);
    old.swap(m_slots);
    size_t mask = m_slots.size() - 1;
    for (uint64_t key : old) {
        if (key == 0)
            continue;
        size_t i = Hash(key, mask);
        while (m_slots[i] != 0)
            i = (i + 1) & mask;
        m_slots[i] = key;
    }
}
