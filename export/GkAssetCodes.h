// ClGkAssetCodes: the row codes already written in one export, and the answer
// of the collision check for a new one.
//
// Register answers 0 when the code is new (it is added), 1 when the same code
// was registered before, 2 when the code is longer than 6 bytes and its first 6
// bytes are a registered code. When both an equal code and that prefix are
// registered, the older registration decides; the equal code is then always
// the older one, because a code whose prefix was registered before it is never
// added. So checking equality first gives the same answers as walking the
// registrations from the oldest.
//
// Codes of 1 to 8 bytes (all that the row conversion makes) are kept as one
// 64-bit key each in an open-addressing table: a lookup is O(1) and an entry
// takes 8 bytes. Longer codes and the empty code are kept aside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

class ClGkAssetCodes {
public:
    ClGkAssetCodes();
    virtual ~ClGkAssetCodes();

    ClGkAssetCodes(const ClGkAssetCodes&) = delete;
    ClGkAssetCodes& operator=(const ClGkAssetCodes&) = delete;

    int Register(const char* code);
    // Sizes an empty table for `codes` codes at once. The table grows by
    // doubling otherwise, and on a million codes the fresh memory of every
    // doubling costs more than the registrations themselves.
    void Reserve(size_t codes);
    size_t Count() const { return m_nCount; }

private:
    bool Contains(const char* code, size_t length) const;
    void Add(const char* code, size_t length);
    bool FindKey(uint64_t key) const;
    void InsertKey(uint64_t key);
    void Grow();

    std::vector<uint64_t> m_slots;  // 0: free slot; capacity a power of two
    size_t m_nKeys = 0;             // keys in m_slots
    size_t m_nCount = 0;            // codes registered in all
    bool m_bEmptyCode = false;      // the empty code is registered
    std::unordered_set<std::string> m_longCodes;  // codes of more than 8 bytes
};
