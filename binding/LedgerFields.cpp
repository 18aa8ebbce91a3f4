// Field tables of the ledger store and the conversions they drive.
#include "binding/LedgerFields.h"

#include <sqlite3.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "binding/PelkRecords.h"
#include "binding/SjisText.h"

namespace {

#define DS(f) offsetof(StDATAINFO, f)
#define AS(f) offsetof(StKOTEISHISANINFO, f)
#define YR(f) offsetof(StKOTEINENINFO, f)
#define SI(f) offsetof(StIKKATSUINFO, f)
#define TY(f) offsetof(StSHISANKUBUNINFO, f)
#define ROOM(type, f) sizeof(((type*)nullptr)->f)

const LedgerField kDataSetFields[] = {
    {"data_id", LK_TEXT, 0, DS(szDataID), ROOM(StDATAINFO, szDataID), true},
    {"data_no", LK_INT32, 0, DS(lDataNo), 0, true},
    {"company_name", LK_TEXT, 0, DS(szCompanyName), ROOM(StDATAINFO, szCompanyName), true},
    {"period_start", LK_DATE, 0, DS(lPeriodStart), 0, true},
    {"period_end", LK_DATE, 0, DS(lPeriodEnd), 0, true},
    {"data_kind", LK_INT16, 0, DS(nDataKind), 0, false},
    {"client_kind", LK_INT8, 0, DS(cClientKind), 0, false},
};

const LedgerField kAssetFields[] = {
    {"asset_no", LK_INT32, -1, 0, 0, true},
    {"code", LK_TEXT, 0, AS(assetCode), ROOM(StKOTEISHISANINFO, assetCode), true},
    {"type", LK_INT32, 0, AS(assetTypeCode), 0, false},
    {"name", LK_TEXT, 0, AS(assetName), ROOM(StKOTEISHISANINFO, assetName), false},
    {"quantity", LK_TEXT, 0, AS(quantityText), ROOM(StKOTEISHISANINFO, quantityText), false},
    {"memo", LK_TEXT, 0, AS(memo), ROOM(StKOTEISHISANINFO, memo), false},
    {"disposal_kind", LK_INT16, 0, AS(disposalKind), 0, false},
    {"capex", LK_TEXT, 0, AS(capexText), ROOM(StKOTEISHISANINFO, capexText), false},
    {"db_rate_date", LK_DATE, 0, AS(dbRateDate), 0, false},
    {"acquisition_date", LK_DATE, 0, AS(acquisitionDate), 0, false},
    {"acquisition_cost", LK_AMOUNT, 0, AS(acquisitionCost), 0, false},
    {"reduction_amount", LK_AMOUNT, 0, AS(reductionAmount), 0, false},
    {"opening_book_value", LK_AMOUNT, 0, AS(openingBookValue), 0, false},
    {"method", LK_INT16, 0, AS(deprMethod), 0, false},
    {"useful_life", LK_INT16, 0, AS(usefulLife), 0, false},
    {"depr_rate", LK_INT32, 0, AS(deprRate), 0, false},
    {"residual_rate", LK_INT32, 0, AS(residualRate), 0, false},
    {"limit_is_amount", LK_FLAG, 0, AS(deprLimitIsAmount), 0, false},
    {"depr_limit", LK_AMOUNT, 0, AS(deprLimit), 0, false},
    {"business_use_ratio", LK_INT16, 0, AS(businessUseRatio), 0, false},
    {"selling_admin_ratio", LK_INT16, 0, AS(sellingAdminRatio), 0, false},
    {"period_count", LK_INT16, 0, AS(deprPeriodCount), 0, false},
    {"periods_per_year", LK_INT16, 0, AS(periodsPerYear), 0, false},
    {"residual_value", LK_AMOUNT, 0, AS(residualValue), 0, false},
    {"depr_base_amount", LK_AMOUNT, 0, AS(deprBaseAmount), 0, false},
    {"selling_admin_amount", LK_AMOUNT, 0, AS(sellingAdminAmount), 0, false},
    {"manufacturing_amount", LK_AMOUNT, 0, AS(manufacturingAmount), 0, false},
    {"accumulated_depr", LK_AMOUNT, 0, AS(accumulatedDepr), 0, false},
    {"closing_book_value", LK_AMOUNT, 0, AS(closingBookValue), 0, false},
    {"disposal_date", LK_DATE, 0, AS(disposalDate), 0, false},
    {"disposal_price", LK_AMOUNT, 0, AS(disposalPrice), 0, false},
    {"months_entered", LK_FLAG, 0, AS(deprMonthsEntered), 0, false},
    {"revised_acquisition_cost", LK_AMOUNT, 0, AS(revisedAcquisitionCost), 0, false},
    {"computed_depr", LK_AMOUNT, 1, YR(computedDepr), 0, false},
    {"special_depr", LK_AMOUNT, 1, YR(specialDepr), 0, false},
    {"additional_depr", LK_AMOUNT, 1, YR(additionalDepr), 0, false},
    {"force_entry_amount", LK_AMOUNT, 1, YR(forceEntryAmount), 0, false},
};

const LedgerField kSubItemFields[] = {
    {"asset_no", LK_INT32, -1, 0, 0, true},
    {"item_no", LK_INT32, -1, 0, 0, true},
    {"sub_number", LK_TEXT, 0, SI(subNumber), ROOM(StIKKATSUINFO, subNumber), false},
    {"name", LK_TEXT, 0, SI(subName), ROOM(StIKKATSUINFO, subName), false},
    {"acquisition_date", LK_DATE, 0, SI(subAcquisitionDate), 0, false},
    {"acquisition_cost", LK_AMOUNT, 0, SI(subAcquisitionCost), 0, false},
    {"quantity", LK_QTY100, 0, SI(subQuantity), 0, false},
};

const LedgerField kAssetTypeFields[] = {
    {"code", LK_INT32, 0, TY(lTypeCode), 0, true},
    {"name", LK_TEXT, 0, TY(szTypeName), ROOM(StSHISANKUBUNINFO, szTypeName), true},
    {"method", LK_INT16, 0, TY(nMethodCode), 0, false},
    {"residual_ratio", LK_INT32, 0, TY(lResidualRatio), 0, false},
};

#define TABLE(name, fields) {name, fields, sizeof(fields) / sizeof(fields[0])}

// Parses [-]digits[.digits] with at most `places` decimals into an integer
// scaled by 10^places. Empty text is 0.
bool ParseDecimal(const std::string& text, int places, int64_t* out, std::string* problem)
{
    if (text.empty()) {
        *out = 0;
        return true;
    }
    size_t i = 0;
    bool negative = false;
    if (text[0] == '-') {
        negative = true;
        i = 1;
    }
    int64_t whole = 0;
    size_t digits = 0;
    int64_t scale = 1;
    for (int k = 0; k < places; ++k) scale *= 10;
    const int64_t limit = INT64_MAX / scale;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        if (whole > (limit - (text[i] - '0')) / 10) {
            *problem = "number out of range";
            return false;
        }
        whole = whole * 10 + (text[i] - '0');
    }
    int64_t fraction = 0;
    int fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (++fractionDigits > places) {
                *problem = places ? "more than " + std::to_string(places) + " decimals"
                                  : std::string("a whole number is required");
                return false;
            }
            fraction = fraction * 10 + (text[i] - '0');
        }
    }
    if (i != text.size() || (digits == 0 && fractionDigits == 0)) {
        *problem = "malformed number";
        return false;
    }
    for (int k = fractionDigits; k < places; ++k) fraction *= 10;
    if (whole == limit && fraction > INT64_MAX % scale) {
        *problem = "number out of range";
        return false;
    }
    int64_t value = whole * scale + fraction;
    *out = negative ? -value : value;
    return true;
}

bool IsCalendarDate(int64_t v)
{
    if (v == 0) return true;
    int64_t y = v / 10000, m = v / 100 % 100, d = v % 100;
    if (y < 1000 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = kDays[m - 1];
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) days = 29;
    return d <= days;
}

// The range check of a number of any kind but LK_TEXT, without building a
// message: the walk checks every number of every row.
bool NumberFits(LedgerKind kind, int64_t v)
{
    switch (kind) {
    case LK_INT8:
        return v >= 0 && v <= 255;
    case LK_FLAG:
        return v == 0 || v == 1;
    case LK_INT16:
        return v >= INT16_MIN && v <= INT16_MAX;
    case LK_INT32:
    case LK_QTY100:
        return v >= INT32_MIN && v <= INT32_MAX;
    case LK_DATE:
        return IsCalendarDate(v);
    case LK_AMOUNT:
        return true;
    case LK_TEXT:
        break;
    }
    return false;
}

// Stores a stored text in its Shift-JIS field. Pure ASCII (the common case)
// is its own Shift-JIS form and is copied straight from the statement's
// buffer; anything else goes through the checked conversion.
bool FillText(sqlite3_stmt* st, int col, char* field, size_t room)
{
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    size_t length = text ? (size_t)sqlite3_column_bytes(st, col) : 0;
    bool ascii = true;
    for (size_t i = 0; i < length && ascii; ++i) ascii = (unsigned char)text[i] < 0x80;
    if (!ascii) {
        thread_local std::string utf8;
        utf8.assign(text, length);
        return FillSjisField(field, room, utf8);
    }
    if (length + 1 > room) return false;
    if (length) std::memcpy(field, text, length);
    field[length] = '\0';
    return true;
}

template <typename T>
void Put(void* record, size_t offset, T value)
{
    std::memcpy(static_cast<unsigned char*>(record) + offset, &value, sizeof(T));
}

}  // namespace

const LedgerTable kDataSetTable = TABLE("data_sets", kDataSetFields);
const LedgerTable kAssetTable = TABLE("assets", kAssetFields);
const LedgerTable kSubItemTable = TABLE("sub_items", kSubItemFields);
const LedgerTable kAssetTypeTable = TABLE("asset_types", kAssetTypeFields);

LedgerRow EmptyRow(const LedgerTable& table)
{
    return LedgerRow(table.count);
}

int FieldIndex(const LedgerTable& table, const char* name)
{
    for (size_t i = 0; i < table.count; ++i) {
        if (std::strcmp(table.fields[i].name, name) == 0) return (int)i;
    }
    return -1;
}

bool CheckField(const LedgerField& field, const LedgerValue& value, std::string* problem)
{
    switch (field.kind) {
    case LK_TEXT: {
        if (value.text.find('\0') != std::string::npos) {
            *problem = "text holds a NUL character";
            return false;
        }
        long n = SjisLength(value.text);
        if (n < 0) {
            *problem = "text cannot be represented in Shift-JIS";
            return false;
        }
        if ((size_t)n + 1 > field.room) {
            *problem = "text is " + std::to_string(n) + " Shift-JIS bytes, at most " +
                       std::to_string(field.room - 1) + " fit";
            return false;
        }
        return true;
    }
    case LK_DATE:
        if (!IsCalendarDate(value.number)) {
            *problem = "not a date yyyymmdd";
            return false;
        }
        return true;
    default:
        if (NumberFits(field.kind, value.number)) return true;
        *problem = "value out of range";
        return false;
    }
}

bool ParseField(const LedgerField& field, const std::string& text, LedgerValue* value,
                std::string* problem)
{
    value->text.clear();
    value->number = 0;
    switch (field.kind) {
    case LK_TEXT:
        value->text = text;
        break;
    case LK_AMOUNT:
        if (!ParseDecimal(text, 4, &value->number, problem)) return false;
        break;
    case LK_QTY100:
        if (!ParseDecimal(text, 2, &value->number, problem)) return false;
        break;
    case LK_DATE:
        if (!text.empty() && text != "0" && text.size() != 8) {
            *problem = "not a date yyyymmdd";
            return false;
        }
        // fall through
    default:
        if (!ParseDecimal(text, 0, &value->number, problem)) return false;
        break;
    }
    return CheckField(field, *value, problem);
}

std::string FormatAmount(int64_t v)
{
    bool negative = v < 0;
    uint64_t u = negative ? 0 - (uint64_t)v : (uint64_t)v;
    std::string s = std::to_string(u / 10000);
    uint64_t fraction = u % 10000;
    if (fraction) {
        char buf[8];
        std::snprintf(buf, sizeof buf, ".%04u", (unsigned)fraction);
        std::string f(buf);
        while (f.back() == '0') f.pop_back();
        s += f;
    }
    return negative ? "-" + s : s;
}

std::string ColumnList(const LedgerTable& table, size_t from)
{
    std::string s;
    for (size_t i = 0; i < table.count; ++i) {
        if (i) s += ", ";
        s += i < from ? "0" : table.fields[i].name;
    }
    return s;
}

void BindRow(sqlite3_stmt* st, int first, const LedgerTable& table, const LedgerRow& row)
{
    for (size_t i = 0; i < table.count; ++i) {
        if (table.fields[i].kind == LK_TEXT) {
            sqlite3_bind_text(st, first + (int)i, row[i].text.data(), (int)row[i].text.size(),
                              SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(st, first + (int)i, row[i].number);
        }
    }
}

bool FillRecords(sqlite3_stmt* st, int first, const LedgerTable& table, void* record0, void* record1)
{
    bool ok = true;
    for (size_t i = 0; i < table.count; ++i) {
        const LedgerField& f = table.fields[i];
        void* record = f.record == 0 ? record0 : f.record == 1 ? record1 : nullptr;
        if (!record) continue;
        int col = first + (int)i;
        if (f.kind == LK_TEXT) {
            // A stored text that has no exact Shift-JIS form, or no longer
            // fits, is left out rather than cut or replaced.
            if (!FillText(st, col, static_cast<char*>(record) + f.offset, f.room)) ok = false;
            continue;
        }
        int64_t v = sqlite3_column_int64(st, col);
        // A number changed behind the store's back must not wrap into its
        // field.
        if (!NumberFits(f.kind, v)) {
            ok = false;
            continue;
        }
        switch (f.kind) {
        case LK_INT8:
        case LK_FLAG:
            Put<uint8_t>(record, f.offset, (uint8_t)v);
            break;
        case LK_INT16:
            Put<int16_t>(record, f.offset, (int16_t)v);
            break;
        case LK_INT32:
        case LK_DATE:
        case LK_QTY100:
            Put<int32_t>(record, f.offset, (int32_t)v);
            break;
        case LK_AMOUNT:
            Put<int64_t>(record, f.offset, v);
            break;
        case LK_TEXT:
            break;
        }
    }
    return ok;
}
