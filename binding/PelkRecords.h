// Records exchanged with the accounting libraries.
//
// Every record is a byte-packed memory structure with fixed offsets: the
// libraries and their callers agree on the bytes, not on the C++ types, so
// each size and each offset that a caller reads is pinned by a static_assert
// below. Bytes not named here belong to the library (reserved*); a caller
// clears the whole record to zero before handing it over, and whatever the
// library does not fill stays zero.
//
// Value conventions: texts are NUL-terminated Shift-JIS bytes inside their
// room; dates are int32 yyyymmdd (0 = no date); amounts are tagCY (value x
// 10000); flag bytes hold 1 for set. Fields are int32_t/int16_t, never long,
// because long differs in width between the platforms.
#pragma once

#include <cstddef>
#include <cstdint>

#include "binding/PelkTypes.h"

#pragma pack(push, 1)

// One data set (company and accounting period) of the accounting application.
struct StDATAINFO {
    char szDataID[16];            // ID of the data set, NUL-terminated
    int32_t lDataNo;              // number of the data set (the user's selection refers to it)
    unsigned char reserved20[4];
    char szCompanyName[260];      // company name, Shift-JIS, NUL-terminated
    int32_t lPeriodStart;         // first day of the period, yyyymmdd
    int32_t lPeriodEnd;           // last day of the period, yyyymmdd
    unsigned char reserved292[34];
    int16_t nDataKind;            // 99: past results only
    unsigned char reserved328[16];
    unsigned char cClientKind;    // 0/1 corporation, 3/4 individual
    unsigned char reserved345[1146];
};

// One fixed asset.
struct StKOTEISHISANINFO {
    unsigned char reserved0[16];
    unsigned char ikkatsuKey[16];       // identifies the asset's lump-sum sub-items
    char assetCode[16];
    int32_t assetTypeCode;
    char assetName[193];
    char quantityText[9];               // number and optional unit of up to 4 bytes
    char memo[82];
    int16_t disposalKind;               // 4 sold, 5 retired
    char capexText[18];                 // not empty for a capital expenditure
    int32_t dbRateDate;
    int32_t acquisitionDate;
    unsigned char reserved364[4];
    tagCY acquisitionCost;
    tagCY reductionAmount;
    tagCY openingBookValue;
    int16_t deprMethod;                 // 1 to 8, see PelkBCore.h
    int16_t usefulLife;                 // years, 0 none
    int32_t deprRate;                   // thousandths, 0 none
    int32_t residualRate;               // 0 none
    unsigned char deprLimitIsAmount;    // 1: deprLimit is an amount, 0: a rate
    unsigned char reserved405[3];
    tagCY deprLimit;
    unsigned char reserved416[10];
    int16_t businessUseRatio;           // whole percent
    int16_t sellingAdminRatio;          // whole percent
    int16_t deprPeriodCount;
    int16_t periodsPerYear;
    unsigned char reserved434[6];
    tagCY residualValue;
    tagCY deprBaseAmount;
    tagCY sellingAdminAmount;
    tagCY manufacturingAmount;
    tagCY accumulatedDepr;
    tagCY closingBookValue;
    int32_t disposalDate;
    unsigned char reserved492[4];
    tagCY disposalPrice;
    unsigned char reserved504[29];
    unsigned char deprMonthsEntered;    // 1: months given as deprPeriodCount/periodsPerYear
    unsigned char reserved534[3];
    tagCY revisedAcquisitionCost;       // ends with the record
};

// The yearly figures of one asset for the selected period.
struct StKOTEINENINFO {
    unsigned char reserved0[40];
    tagCY computedDepr;
    tagCY specialDepr;
    tagCY additionalDepr;
    tagCY forceEntryAmount;             // non-zero: the year's depreciation was entered
    unsigned char reserved72[888];
};

// The monthly figures of one asset; its layout belongs to the library.
struct StKOTEITSUKIINFO {
    unsigned char reserved0[1536];
};

// One sub-item of a lump-sum asset.
struct StIKKATSUINFO {
    unsigned char reserved0[48];
    char subNumber[13];
    char subName[83];
    int32_t subAcquisitionDate;
    unsigned char reserved148[4];
    tagCY subAcquisitionCost;
    int32_t subQuantity;                // hundredths (2.5 pieces is 250)
    unsigned char reserved164[92];
};

// One asset type; delivered as an array of these, one after the other.
struct StSHISANKUBUNINFO {
    unsigned char reserved0[16];
    int32_t lTypeCode;
    char szTypeName[82];
    int16_t nMethodCode;
    int32_t lResidualRatio;             // 0: none given
    unsigned char reserved108[20];
};

// A stored item order of one text table for one data set. The entries are one
// signed byte each, so only item numbers 0 to 127 can be stored.
enum { TEXTIO_MAX_ENTRIES = 200 };
struct StTEXTIOSAVEINFO {
    char szTableName[10];               // NUL-terminated, at most 9 bytes of text
    int16_t nEntryCount;
    signed char cEntries[TEXTIO_MAX_ENTRIES];
};

// Search conditions of the asset walk. Only "no conditions" (a null pointer)
// is supported by this implementation; the layout is kept opaque.
struct StFINDINFO {
    unsigned char reserved0[64];
};

#pragma pack(pop)

static_assert(sizeof(StDATAINFO) == 1491, "StDATAINFO size");
static_assert(offsetof(StDATAINFO, szDataID) == 0, "StDATAINFO layout");
static_assert(offsetof(StDATAINFO, lDataNo) == 16, "StDATAINFO layout");
static_assert(offsetof(StDATAINFO, szCompanyName) == 24, "StDATAINFO layout");
static_assert(offsetof(StDATAINFO, lPeriodStart) == 284, "StDATAINFO layout");
static_assert(offsetof(StDATAINFO, lPeriodEnd) == 288, "StDATAINFO layout");
static_assert(offsetof(StDATAINFO, nDataKind) == 326, "StDATAINFO layout");
static_assert(offsetof(StDATAINFO, cClientKind) == 344, "StDATAINFO layout");

static_assert(sizeof(StKOTEISHISANINFO) == 545, "StKOTEISHISANINFO size");
static_assert(offsetof(StKOTEISHISANINFO, ikkatsuKey) == 16, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, assetCode) == 32, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, assetTypeCode) == 48, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, assetName) == 52, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, quantityText) == 245, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, memo) == 254, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, disposalKind) == 336, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, capexText) == 338, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, dbRateDate) == 356, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, acquisitionDate) == 360, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, acquisitionCost) == 368, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, reductionAmount) == 376, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, openingBookValue) == 384, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprMethod) == 392, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, usefulLife) == 394, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprRate) == 396, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, residualRate) == 400, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprLimitIsAmount) == 404, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprLimit) == 408, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, businessUseRatio) == 426, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, sellingAdminRatio) == 428, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprPeriodCount) == 430, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, periodsPerYear) == 432, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, residualValue) == 440, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprBaseAmount) == 448, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, sellingAdminAmount) == 456, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, manufacturingAmount) == 464, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, accumulatedDepr) == 472, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, closingBookValue) == 480, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, disposalDate) == 488, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, disposalPrice) == 496, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, deprMonthsEntered) == 533, "StKOTEISHISANINFO layout");
static_assert(offsetof(StKOTEISHISANINFO, revisedAcquisitionCost) == 537, "StKOTEISHISANINFO layout");

static_assert(sizeof(StKOTEINENINFO) == 960, "StKOTEINENINFO size");
static_assert(offsetof(StKOTEINENINFO, computedDepr) == 40, "StKOTEINENINFO layout");
static_assert(offsetof(StKOTEINENINFO, specialDepr) == 48, "StKOTEINENINFO layout");
static_assert(offsetof(StKOTEINENINFO, additionalDepr) == 56, "StKOTEINENINFO layout");
static_assert(offsetof(StKOTEINENINFO, forceEntryAmount) == 64, "StKOTEINENINFO layout");

static_assert(sizeof(StKOTEITSUKIINFO) == 1536, "StKOTEITSUKIINFO size");

static_assert(sizeof(StIKKATSUINFO) == 256, "StIKKATSUINFO size");
static_assert(offsetof(StIKKATSUINFO, subNumber) == 48, "StIKKATSUINFO layout");
static_assert(offsetof(StIKKATSUINFO, subName) == 61, "StIKKATSUINFO layout");
static_assert(offsetof(StIKKATSUINFO, subAcquisitionDate) == 144, "StIKKATSUINFO layout");
static_assert(offsetof(StIKKATSUINFO, subAcquisitionCost) == 152, "StIKKATSUINFO layout");
static_assert(offsetof(StIKKATSUINFO, subQuantity) == 160, "StIKKATSUINFO layout");

static_assert(sizeof(StSHISANKUBUNINFO) == 128, "StSHISANKUBUNINFO size");
static_assert(offsetof(StSHISANKUBUNINFO, lTypeCode) == 16, "StSHISANKUBUNINFO layout");
static_assert(offsetof(StSHISANKUBUNINFO, szTypeName) == 20, "StSHISANKUBUNINFO layout");
static_assert(offsetof(StSHISANKUBUNINFO, nMethodCode) == 102, "StSHISANKUBUNINFO layout");
static_assert(offsetof(StSHISANKUBUNINFO, lResidualRatio) == 104, "StSHISANKUBUNINFO layout");

static_assert(offsetof(StTEXTIOSAVEINFO, szTableName) == 0, "StTEXTIOSAVEINFO layout");
static_assert(offsetof(StTEXTIOSAVEINFO, nEntryCount) == 10, "StTEXTIOSAVEINFO layout");
static_assert(offsetof(StTEXTIOSAVEINFO, cEntries) == 12, "StTEXTIOSAVEINFO layout");
static_assert(sizeof(StTEXTIOSAVEINFO) == 12 + TEXTIO_MAX_ENTRIES, "StTEXTIOSAVEINFO size");
