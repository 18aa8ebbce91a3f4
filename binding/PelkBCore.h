// The business core of the accounting system: depreciation-rule objects.
//
// A rule object is attached once (AttachSetMgr, SetCurDataID, AttachOptLink)
// and then walks the fixed assets of that data set: MoveReady runs one query
// inside one read transaction; Move(i) for ascending i steps it (a backward
// index restarts the walk); MoveFinish ends it. Lump-sum sub-items of one
// asset are walked the same way between MoveReadyIkkatsu and
// MoveFinishIkkatsu. Memory does not grow with the number of assets walked.
// Results: 0 success, negative failure; a record the call could not fill is
// left as the caller cleared it.
#pragma once

#include <memory>

#include "binding/PelkCmn.h"
#include "binding/PelkRecords.h"

#ifdef _WIN32
#include <objbase.h>  // CoTaskMemAlloc / CoTaskMemFree
#else
#include <cstdlib>
// The asset-type array is freed by the caller with CoTaskMemFree; natively
// the task allocator is the C heap.
inline void* CoTaskMemAlloc(size_t size) { return std::malloc(size); }
inline void CoTaskMemFree(void* block) { std::free(block); }
#endif

// Depreciation method codes of StKOTEISHISANINFO::deprMethod.
enum {
    DEPR_OLD_DECLINING = 1,
    DEPR_OLD_STRAIGHT = 2,
    DEPR_EQUAL_INSTALLMENTS = 3,
    DEPR_LUMP_SUM = 4,
    DEPR_DECLINING = 5,
    DEPR_STRAIGHT = 6,
    DEPR_SMALL_AMOUNT = 7,
    DEPR_DECLINING_2 = 8,
};

// Disposal kinds of StKOTEISHISANINFO::disposalKind.
enum {
    DISPOSAL_SOLD = 4,
    DISPOSAL_RETIRED = 5,
};

class ClRuleBase {
public:
    ClRuleBase();
    virtual ~ClRuleBase();

    virtual long AttachSetMgr(ClSetMgr* setMgr);
    long SetCurDataID(const char* dataId);
    long SetCurDataID(const unsigned char* dataId)
    {
        return SetCurDataID(reinterpret_cast<const char*>(dataId));
    }
    long AttachOptLink(ClOptLink* optLink);

protected:
    ClSetMgr* m_pSetMgr = nullptr;
    ClOptLink* m_pOptLink = nullptr;
    char m_szDataID[16] = {};
};

class ClRuleGenkashokyaku : public ClRuleBase {
public:
    ClRuleGenkashokyaku();
    ~ClRuleGenkashokyaku() override;

    // find must be null (no conditions); sortType and sumType 0.
    long MoveReady(StFINDINFO* find, long sortType, long sumType);
    long GetCount(long* count);
    long Move(long index, StKOTEISHISANINFO* asset, StKOTEINENINFO* year,
              StKOTEITSUKIINFO* months);
    long MoveFinish();

    long MoveReadyIkkatsu(unsigned char* key);  // the asset's 16-byte ikkatsuKey
    long GetIkkatsuCount(long* count);
    long MoveIkkatsu(long index, StIKKATSUINFO* item);
    long MoveFinishIkkatsu();

    // A new array of count records allocated with CoTaskMemAlloc, which the
    // caller frees with CoTaskMemFree; null and 0 when there are none.
    long LoadShisanKubunInfo(StSHISANKUBUNINFO** array, long* count);

private:
    struct Walk;
    std::unique_ptr<Walk> m_pWalk;
};
