// The row conversion: one fixed asset, or one sub-item of a lump-sum asset,
// becomes one 143-column row of the asset data file.
//
// Each column receives a text, an integer, an amount (tagCY) or nothing (its
// mask). The columns are filled in ascending order, so the log entries of one
// row follow the columns. No value problem stops the row: amounts too large
// become twelve asterisks, long texts are cut at a character boundary, bad or
// taken codes are written as they are, and each problem is logged once. The
// only row not written is a sub-item beyond the 99th.
//
// Every field is filled through the G_INFO item of its column, and nothing is
// ever copied beyond the item's size: the conversion stays within its record
// whatever the source records hold. A row costs no allocation.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "export/GkText.h"
#include "textaccessor/TaDigits.h"
#include "export/GkWriter.h"

namespace {

const int64_t kAmountMax = 999999999990000LL;  // 99,999,999,999 yen
const int64_t kAmountMin = -99999999990000LL;  // -9,999,999,999 yen
const char kAsterisks[] = "************";
const int64_t kHundredPercent = 1000000;       // 100.00 as tagCY
const int kPeriodColumnWidth = 12;             // column 58 holds 12 characters
const __int128 kSumLimit = static_cast<__int128>(1000000000000000000LL);  // 10^14 yen

// Column numbers of the row, by the title the column-name line gives them.
enum {
    COL_CODE = 0, COL_TYPE_CODE = 2, COL_METHOD = 4, COL_CAPEX = 5, COL_NAME = 9,
    COL_ACQ_DATE = 12, COL_QUANTITY = 13, COL_UNIT = 14, COL_LIFE = 15, COL_RATE = 18,
    COL_TRANSITION = 19, COL_PERIOD_MONTHS = 20, COL_ACQ_COST = 21, COL_REDUCTION = 23,
    COL_RESIDUAL_RATE = 27, COL_RESIDUAL = 29, COL_LIMIT_RATE = 30, COL_LIMIT_ENTERED = 31,
    COL_LIMIT = 32, COL_MONTHS_ENTERED = 33, COL_MONTHS = 34, COL_OPENING = 36,
    COL_REVISED_ENTERED = 40, COL_REVISED = 41, COL_BASE = 42, COL_COMPUTED_ENTERED = 43,
    COL_COMPUTED = 44, COL_ADDITIONAL_ENTERED = 47, COL_ADDITIONAL = 48, COL_SPECIAL_CLASS = 49,
    COL_SPECIAL_ENTERED = 53, COL_SPECIAL = 54, COL_SPECIAL_TREATMENT = 55,
    COL_PERIOD_ENTERED = 57, COL_PERIOD = 58, COL_IMPLEMENTATION = 60,
    COL_BUSINESS_NUM = 61, COL_BUSINESS_DEN = 62, COL_DISPOSAL_DATE = 63,
    COL_DISPOSAL_METHOD = 64, COL_DISPOSAL_CLASS = 65, COL_DISPOSAL_PRICE = 66,
    COL_CLOSING = 72, COL_ACCUMULATED = 74, COL_SELLING_NUM = 75, COL_SELLING_DEN = 76,
    COL_SELLING = 77, COL_MANUFACTURING_NUM = 78, COL_MANUFACTURING_DEN = 79,
    COL_MANUFACTURING = 80, COL_ASSET_KIND = 84, COL_DECREASE_REASON = 107,
    COL_MEMO_UPPER = 141, COL_MEMO_LOWER = 142,
};

const int kCodeLength = 6;      // asset code part of a row code
const int kSubLength = 2;       // sub-number part of a sub-item's row code
const size_t kNameWidth = 32;
const size_t kMemoLineWidth = 20;

// Method text of column 4 by method code (empty for codes without one).
const char* const kMethodTexts[] = {
    "", "旧定率法", "旧定額法", "均等法", "", "定率法", "定額法", "少額資産", "定率法",
};

// Kind of the asset for the depreciable-asset return (column 84) by type code;
// null leaves the column empty.
const char* const kAssetKinds[] = {
    nullptr, "申告なし", "構築物", "機械及び装置", "申告なし", "工具器具及び備品",
    "申告なし", "申告なし", "申告なし", "申告なし", "申告なし", "申告なし",
};

bool IsOneOf5678(int method)
{
    return method == 5 || method == 6 || method == 7 || method == 8;
}

// Rule D: the depreciable limit as an amount, when the asset has one.
bool LimitAmount(const StKOTEISHISANINFO& a, int64_t* amount)
{
    if (IsOneOf5678(a.deprMethod))
        return false;
    if (a.assetTypeCode == 10) {
        *amount = a.residualValue.int64;
        return true;
    }
    if (a.deprLimitIsAmount == 1 && a.deprLimit.int64 != 0) {
        *amount = a.deprLimit.int64;
        return true;
    }
    return false;
}

// Rule E: the year's depreciation is an entered value rather than one the
// importing application works out itself.
bool PeriodIsEntered(const StKOTEISHISANINFO& a, const StKOTEINENINFO& y)
{
    const int m = a.deprMethod;
    if (y.forceEntryAmount.int64 != 0 && m != 7)
        return true;
    if ((m == 5 || m == 6 || m == 8) && a.acquisitionDate < 20070401)
        return true;
    if ((m == 1 || m == 2) && a.acquisitionDate >= 20070401)
        return true;
    if (m == 8 && a.dbRateDate <= 20130331)
        return true;
    if (m == 5 && a.dbRateDate > 20130331)
        return true;
    return false;
}

// The digits from start to end into out, after a minus sign when negative,
// and a NUL; answers the length.
size_t SignedText(bool negative, const char* start, const char* end, char* out)
{
    size_t length = 0;
    if (negative)
        out[length++] = '-';
    size_t n = static_cast<size_t>(end - start);
    memcpy(out + length, start, n);
    length += n;
    out[length] = '\0';
    return length;
}

// Decimal text of v / 10000 truncated toward zero, "-" only when that integer
// part is negative. out holds at least 48 bytes.
size_t YenText(int64_t v, char* out)
{
    uint64_t m = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    m /= 10000;
    char buffer[24];
    char* start = TaDigits(m, buffer + sizeof buffer);
    return SignedText(v < 0 && m != 0, start, buffer + sizeof buffer, out);
}

// The same for a sum of three amounts, which may leave the 64-bit range.
size_t YenText(__int128 v, char* out)
{
    __int128 i = v / 10000;
    bool negative = i < 0;
    unsigned __int128 m = negative ? -static_cast<unsigned __int128>(i) : static_cast<unsigned __int128>(i);
    const uint64_t kChunk = 10000000000000000000ull;  // 10^19
    char buffer[48];
    char* end = buffer + sizeof buffer;
    char* start;
    if (m >= kChunk) {
        start = TaDigits(static_cast<uint64_t>(m % kChunk), end);
        while (start > end - 19)
            *--start = '0';
        start = TaDigits(static_cast<uint64_t>(m / kChunk), start);
    } else {
        start = TaDigits(static_cast<uint64_t>(m), end);
    }
    return SignedText(negative, start, end, out);
}

// Decimal text of v with at least `width` digits (zeros on the left), as
// printf's "%0*d" gives it: a minus sign counts toward the width. out holds at
// least 24 bytes.
size_t IntText(int64_t v, int width, char* out)
{
    uint64_t m = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* start = TaDigits(m, end);
    int sign = v < 0 ? 1 : 0;
    while (end - start + sign < width)
        *--start = '0';
    return SignedText(sign != 0, start, end, out);
}

// Copies a record text field (room bytes) into out (room + 1 bytes).
size_t FieldText(const char* field, size_t room, char* out)
{
    size_t length = GkFieldLength(field, room);
    memcpy(out, field, length);
    out[length] = '\0';
    return length;
}

// The code cut to its last n bytes and filled on the left with 0 to n bytes.
void FillCode(const char* code, size_t length, size_t n, char* out)
{
    size_t start = GkTailStart(code, length, n);
    size_t kept = length - start;
    size_t fill = kept < n ? n - kept : 0;
    memset(out, '0', fill);
    memcpy(out + fill, code + start, kept);
    out[fill + kept] = '\0';
}

}  // namespace

long ClGkWriter::WriteAssetRow(const StKOTEISHISANINFO* asset, const StKOTEINENINFO* year,
                               const StKOTEITSUKIINFO* /*months: not read*/, const StIKKATSUINFO* item)
{
    static const StKOTEINENINFO kNoYear = {};
    static const StIKKATSUINFO kNoItem = {};
    if (asset == nullptr)
        return 1;

    m_fileData.Attach(&m_accInfo);
    m_accInfo.SetMode(DELIM_COMMA, QUOTE_NONE);
    memset(&m_accInfo.Record(), 0, sizeof(StGINFOREC));
    for (bool& mask : m_abMask)
        mask = true;

    if (asset->deprMethod == 4) {
        const StIKKATSUINFO& sub = item ? *item : kNoItem;
        if (!ConvertSubItem(*asset, sub))
            return 1;
        ++m_summary.lSubItemRows;
        m_summary.acquisitionCost += sub.subAcquisitionCost.int64;
    } else {
        ConvertRegular(*asset, year ? *year : kNoYear);
        ++m_summary.lAssetRows;
        m_summary.acquisitionCost += asset->acquisitionCost.int64;
        m_summary.closingBookValue += asset->closingBookValue.int64;
    }

    // Rows of one kind mask the same columns: only the changes are passed on.
    // They are compared eight at a time.
    for (int first = 0; first < G_INFO_COUNT; first += 8) {
        const int last = first + 8 < G_INFO_COUNT ? first + 8 : G_INFO_COUNT;
        if (last - first == 8) {
            uint64_t now, held;
            memcpy(&now, m_abMask + first, sizeof now);
            memcpy(&held, m_abAccMask + first, sizeof held);
            if (now == held)
                continue;
        }
        for (int column = first; column < last; ++column) {
            if (m_abMask[column] != m_abAccMask[column]) {
                m_accInfo.SetMask(column, m_abMask[column] ? 1 : 0);
                m_abAccMask[column] = m_abMask[column];
            }
        }
    }
    NoteWrite(GK_FILE_DATA, m_accInfo.Write());
    return 1;
}

void ClGkWriter::ConvertRegular(const StKOTEISHISANINFO& a, const StKOTEINENINFO& y)
{
    const int method = a.deprMethod;
    char code[sizeof a.assetCode + 1];
    size_t codeLength = FieldText(a.assetCode, sizeof a.assetCode, code);
    m_pszRowLabel = "資産コード";
    m_pszRowCode = code;

    // Column 0: the last 6 bytes of the code, filled with 0 on the left.
    if (codeLength > kCodeLength)
        LogEntry(GK_LOG_L1, code);
    char code6[kCodeLength + 1];
    FillCode(code, codeLength, kCodeLength, code6);
    if (!IsHalfWidthAlnum(code6))
        LogEntry(GK_LOG_L2, code6);
    else if (RegisterAssetCode(code6) == 1)
        LogEntry(GK_LOG_L3, code);
    PutValueText(COL_CODE, code6, strlen(code6), "資産コード");

    char text[24];
    PutBytes(COL_TYPE_CODE, text, IntText(a.assetTypeCode, 2, text));
    if (a.assetTypeCode / 100 != 0)
        LogEntry(GK_LOG_L4, static_cast<int>(a.assetTypeCode));

    if (a.assetTypeCode == 11)
        PutText(COL_METHOD, "非償却資産");
    else
        PutText(COL_METHOD, method >= 0 && method <= 8 ? kMethodTexts[method] : "");

    if (method != 7)
        PutText(COL_CAPEX, GkFieldLength(a.capexText, sizeof a.capexText) ? "台帳＋申告書" : "");

    PutName(a.assetName, sizeof a.assetName, "資産名称", GK_LOG_L5);

    PutInt(COL_ACQ_DATE, a.acquisitionDate);
    char quantity[sizeof a.quantityText + 1];
    PutQuantity(quantity, FieldText(a.quantityText, sizeof a.quantityText, quantity));
    if (a.usefulLife != 0)
        PutInt(COL_LIFE, a.usefulLife);
    if (a.deprRate != 0 && method != 3 && method != 7)
        PutCy(COL_RATE, static_cast<int64_t>(a.deprRate) * 10);
    if (method == 5 && a.dbRateDate >= 20120401 && a.dbRateDate <= 20130331)
        PutText(COL_TRANSITION, "250%定率法");
    if (method == 3)
        PutBytes(COL_PERIOD_MONTHS, text, IntText(static_cast<int>(a.usefulLife) * 12, 1, text));
    PutAmount(COL_ACQ_COST, a.acquisitionCost.int64);
    if (method != 7)
        PutAmount(COL_REDUCTION, a.reductionAmount.int64);
    if (a.residualRate != 0 && !IsOneOf5678(method))
        PutInt(COL_RESIDUAL_RATE, a.residualRate);
    if (!IsOneOf5678(method))
        PutAmount(COL_RESIDUAL, a.residualValue.int64);
    if (a.deprLimitIsAmount == 0 && a.deprLimit.int64 != 0 && !IsOneOf5678(method))
        PutInt(COL_LIMIT_RATE, a.deprLimit.int64 / 10000);
    int64_t limit = 0;
    if (LimitAmount(a, &limit)) {
        PutText(COL_LIMIT_ENTERED, "*");
        PutAmount(COL_LIMIT, limit);
    }
    if (a.deprMonthsEntered == 1) {
        PutText(COL_MONTHS_ENTERED, "*");
        // Without periods per year there is nothing to divide by: left empty.
        if (a.periodsPerYear != 0)
            PutInt(COL_MONTHS, static_cast<int16_t>((12 / a.periodsPerYear) * a.deprPeriodCount));
    }
    if (method != 7)
        PutAmount(COL_OPENING, a.openingBookValue.int64);
    if (method == 5 || method == 8) {
        PutText(COL_REVISED_ENTERED, "*");
        PutAmount(COL_REVISED, a.revisedAcquisitionCost.int64);
    }
    if (method != 7)
        PutAmount(COL_BASE, a.deprBaseAmount.int64);
    if (y.computedDepr.int64 != 0 && method != 7) {
        PutText(COL_COMPUTED_ENTERED, "*");
        PutAmount(COL_COMPUTED, y.computedDepr.int64);
    }
    if (y.additionalDepr.int64 != 0) {
        PutText(COL_ADDITIONAL_ENTERED, "*");
        PutAmount(COL_ADDITIONAL, y.additionalDepr.int64);
    }
    if (y.specialDepr.int64 != 0) {
        PutText(COL_SPECIAL_CLASS, "特別");
        PutText(COL_SPECIAL_ENTERED, "*");
        PutAmount(COL_SPECIAL, y.specialDepr.int64);
        PutText(COL_SPECIAL_TREATMENT, "償却");
    }
    if (PeriodIsEntered(a, y)) {
        PutText(COL_PERIOD_ENTERED, "*");
        PutPeriodDepreciation(y);
    }
    if (method != 7)
        PutInt(COL_IMPLEMENTATION, 100);
    PutPercent(COL_BUSINESS_NUM, a.businessUseRatio);
    PutCy(COL_BUSINESS_DEN, kHundredPercent);

    const bool sold = a.disposalKind == 4;
    const bool disposed = sold || a.disposalKind == 5;
    if (disposed)
        PutInt(COL_DISPOSAL_DATE, a.disposalDate);
    if (disposed && method != 7) {
        PutText(COL_DISPOSAL_METHOD, "除却日まで償却");
        PutText(COL_DISPOSAL_CLASS, sold ? "売却" : "除却");
    }
    if (sold && method != 7)
        PutAmount(COL_DISPOSAL_PRICE, a.disposalPrice.int64);
    PutAmount(COL_CLOSING, a.closingBookValue.int64);
    if (method != 7)
        PutAmount(COL_ACCUMULATED, a.accumulatedDepr.int64);
    PutPercent(COL_SELLING_NUM, a.sellingAdminRatio);
    PutCy(COL_SELLING_DEN, kHundredPercent);
    PutAmount(COL_SELLING, a.sellingAdminAmount.int64);
    PutPercent(COL_MANUFACTURING_NUM, 100 - a.sellingAdminRatio);
    PutCy(COL_MANUFACTURING_DEN, kHundredPercent);
    PutAmount(COL_MANUFACTURING, a.manufacturingAmount.int64);
    if (a.assetTypeCode >= 1 && a.assetTypeCode <= 11)
        PutText(COL_ASSET_KIND, kAssetKinds[a.assetTypeCode]);
    if (sold)
        PutText(COL_DECREASE_REASON, "売却");

    // Columns 141 and 142: the memo in two lines of 20 bytes.
    char memo[sizeof a.memo + 1];
    char cleanMemo[2 * sizeof a.memo + 1];
    size_t memoLength = CleanText(memo, FieldText(a.memo, sizeof a.memo, memo), cleanMemo, "メモ欄");
    size_t upper = GkHeadLength(cleanMemo, memoLength, kMemoLineWidth);
    PutBytes(COL_MEMO_UPPER, cleanMemo, upper);
    if (memoLength > kMemoLineWidth)
        PutCut(COL_MEMO_LOWER, cleanMemo + upper, memoLength - upper);
    else
        PutText(COL_MEMO_LOWER, "");
    if (memoLength > 2 * kMemoLineWidth)
        LogEntry(GK_LOG_L8, cleanMemo);
}

bool ClGkWriter::ConvertSubItem(const StKOTEISHISANINFO& a, const StIKKATSUINFO& s)
{
    char code[sizeof a.assetCode + 1];
    size_t codeLength = FieldText(a.assetCode, sizeof a.assetCode, code);
    char sub[sizeof s.subNumber + 1];
    size_t subLength = FieldText(s.subNumber, sizeof s.subNumber, sub);
    char label[sizeof code + sizeof sub];
    memcpy(label, code, codeLength);
    memcpy(label + codeLength, sub, subLength + 1);
    m_pszRowLabel = "資産コード+内訳付番";
    m_pszRowCode = label;

    // Column 0: 6 bytes of the asset code and 2 of the sub-number.
    char code8[kCodeLength + kSubLength + 1];
    FillCode(code, codeLength, kCodeLength, code8);
    FillCode(sub, subLength, kSubLength, code8 + kCodeLength);
    if (atoi(code8 + kCodeLength) == 0) {
        LogEntry(GK_LOG_L9);
        return false;
    }
    if (codeLength + subLength > kCodeLength + kSubLength)
        LogEntry(GK_LOG_L10, code, sub);
    if (!IsHalfWidthAlnum(code8)) {
        LogEntry(GK_LOG_L11, code8);
    } else {
        int answer = RegisterAssetCode(code8);
        if (answer == 1)
            LogEntry(GK_LOG_L12, code, sub, code8);
        else if (answer == 2)
            LogEntry(GK_LOG_L13, code8, code);
    }
    PutValueText(COL_CODE, code8, strlen(code8), "資産コード");
    PutText(COL_METHOD, "一括決算");

    PutName(s.subName, sizeof s.subName, "内訳名称", GK_LOG_L14);

    PutInt(COL_ACQ_DATE, s.subAcquisitionDate);
    PutCy(COL_QUANTITY, static_cast<int64_t>(s.subQuantity) * 100);
    if (s.subQuantity >= 100000000)
        LogEntry(GK_LOG_L6, s.subQuantity / 100.0);
    PutAmount(COL_ACQ_COST, s.subAcquisitionCost.int64);
    PutPercent(COL_BUSINESS_NUM, a.businessUseRatio);
    PutCy(COL_BUSINESS_DEN, kHundredPercent);
    PutPercent(COL_SELLING_NUM, a.sellingAdminRatio);
    PutCy(COL_SELLING_DEN, kHundredPercent);
    PutPercent(COL_MANUFACTURING_NUM, 100 - a.sellingAdminRatio);
    PutCy(COL_MANUFACTURING_DEN, kHundredPercent);
    return true;
}

// Replaces the bytes that would break the row and logs that once for the field.
size_t ClGkWriter::CleanText(const char* text, size_t length, char* out, const char* field)
{
    bool changed = false;
    size_t n = GkReplaceSeparators(text, length, out, &changed);
    if (changed)
        LogEntry(GK_LOG_SEPARATOR, m_pszRowLabel, m_pszRowCode, field);
    return n;
}

void ClGkWriter::PutBytes(int column, const char* text, size_t length)
{
    const StTAFORMAT& f = G_INFO[column];
    size_t room = static_cast<size_t>(f.width < f.size ? f.width : f.size);
    memcpy(m_accInfo.Record().abField + f.offset, text, length < room ? length : room);
    m_abMask[column] = false;
}

void ClGkWriter::PutText(int column, const char* text)
{
    PutBytes(column, text, strlen(text));
}

void ClGkWriter::PutCut(int column, const char* text, size_t length)
{
    PutBytes(column, text, GkHeadLength(text, length, static_cast<size_t>(G_INFO[column].width)));
}

void ClGkWriter::PutValueText(int column, const char* text, size_t length, const char* field)
{
    char clean[2 * (kCodeLength + kSubLength) + 1];
    if (length > kCodeLength + kSubLength)
        length = kCodeLength + kSubLength;
    size_t n = CleanText(text, length, clean, field);
    PutCut(column, clean, n);
}

// Column 9: the name of an asset or a sub-item (a record field of `room`
// bytes), cut to 32 bytes; a longer one is logged with longEntry.
void ClGkWriter::PutName(const char* field, size_t room, const char* label, int longEntry)
{
    const size_t kMaxRoom = sizeof(StKOTEISHISANINFO::assetName);
    static_assert(sizeof(StIKKATSUINFO::subName) <= kMaxRoom, "every name field fits the buffers");
    char name[kMaxRoom + 1];
    char cleanName[2 * kMaxRoom + 1];
    if (room > kMaxRoom)
        room = kMaxRoom;
    size_t nameLength = CleanText(name, FieldText(field, room, name), cleanName, label);
    if (nameLength > kNameWidth)
        LogEntry(longEntry, cleanName);
    PutCut(COL_NAME, cleanName, nameLength);
}

void ClGkWriter::PutInt(int column, int64_t value)
{
    unsigned char* field = m_accInfo.Record().abField + G_INFO[column].offset;
    if (G_INFO[column].size == 2) {
        int16_t v = static_cast<int16_t>(value);
        memcpy(field, &v, sizeof v);
    } else {
        int32_t v = static_cast<int32_t>(value);
        memcpy(field, &v, sizeof v);
    }
    m_abMask[column] = false;
}

void ClGkWriter::PutCy(int column, int64_t value)
{
    memcpy(m_accInfo.Record().abField + G_INFO[column].offset, &value, sizeof value);
    m_abMask[column] = false;
}

void ClGkWriter::PutPercent(int column, int64_t percent)
{
    PutCy(column, percent * 10000);
}

// The amount in whole yen; 0 gives an empty text, and an amount beyond the
// importer's digits gives asterisks and an error entry.
void ClGkWriter::PutAmount(int column, int64_t value)
{
    char text[48];
    size_t length = YenText(value, text);
    if (value > kAmountMax || value < kAmountMin) {
        PutText(column, kAsterisks);
        LogEntry(GK_LOG_L7, text);
    } else if (value == 0) {
        PutText(column, "");
    } else {
        PutBytes(column, text, length);
    }
}

// Column 58: the year's ordinary, special and additional depreciation in whole
// yen. A sum whose digits do not fit the column's 12 characters (cutting them
// would change the number) is shown as asterisks with an error entry.
void ClGkWriter::PutPeriodDepreciation(const StKOTEINENINFO& y)
{
    __int128 sum = static_cast<__int128>(y.computedDepr.int64) + y.specialDepr.int64 + y.additionalDepr.int64;
    char text[48];
    size_t length = YenText(sum, text);
    bool beyond = sum >= kSumLimit || sum <= -kSumLimit;
    if (beyond || length > static_cast<size_t>(kPeriodColumnWidth)) {
        PutText(COL_PERIOD, kAsterisks);
        LogEntry(GK_LOG_L7, text);
    } else {
        PutBytes(COL_PERIOD, text, length);
    }
}

// Columns 13 and 14 from the quantity text: a number and a unit of up to four
// bytes behind it. The number is rounded in two stages, to four and then to
// two decimals; both stages show in the result (1.23495 gives 1.24, 1.005
// gives 1.01 although its nearest double lies below 1.005).
void ClGkWriter::PutQuantity(const char* text, size_t n)
{
    size_t u = 0;
    while (u < 4 && u < n && !(text[n - 1 - u] >= '0' && text[n - 1 - u] <= '9'))
        ++u;
    if (u > 0 && GkIsTrailAt(text, n, n - u))
        --u;
    char unit[2 * 4 + 1];
    size_t unitLength = CleanText(text + n - u, u, unit, "単位");
    PutCut(COL_UNIT, unit, unitLength);

    if (n - u == 0) {
        PutCy(COL_QUANTITY, 0);
        return;
    }
    char number[16];
    size_t k = 0;
    for (size_t i = 0; i < n - u; ++i) {
        if (text[i] != ',' && text[i] != ' ')
            number[k++] = text[i];
    }
    number[k] = '\0';
    double value = atof(number);
    double m = std::fabs(value);
    if (!(m < 9.0e14)) {
        // Beyond what a tagCY can hold (or not a number): the column stays
        // empty and the entry names the value read.
        LogEntry(GK_LOG_L6, value);
        return;
    }
    int64_t i = static_cast<int64_t>(m);
    double f = m - static_cast<double>(i);
    int64_t f4 = (static_cast<int64_t>(f * 100000) + 5) / 10;
    int64_t f2 = ((f4 + 50) / 100) * 100;
    if (f2 >= 10000) {
        i += 1;
        f2 = 0;
    }
    int64_t sign = value < 0 ? -1 : 1;
    PutCy(COL_QUANTITY, sign * (i * 10000 + f2));
    if (value >= 1000000)
        LogEntry(GK_LOG_L6, value);
}
