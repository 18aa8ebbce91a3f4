// The fields of the ledger store and where each one lands in a record.
//
// One table per kind of row (data set, asset, sub-item, asset type) names
// every stored field once: its column name (the same in the store and in the
// import files), its kind, and the record bytes it fills. Validation, the
// import, the store's inserts and the filling of records all follow these
// tables, so a field cannot be written one way and read another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sqlite3_stmt;

enum LedgerKind {
    LK_TEXT,     // UTF-8; Shift-JIS form and NUL within `room`
    LK_INT8,     // 0 to 255, one byte
    LK_FLAG,     // 0 or 1, one byte
    LK_INT16,
    LK_INT32,
    LK_DATE,     // 0, or a calendar date yyyymmdd (year 1000 to 9999)
    LK_AMOUNT,   // tagCY: ten-thousandths; written as a decimal with up to 4 places
    LK_QTY100,   // int32 hundredths; written as a decimal with up to 2 places
};

struct LedgerField {
    const char* name;
    LedgerKind kind;
    int record;       // which record of the row (0, 1); -1: not in a record
    size_t offset;    // byte offset in that record
    size_t room;      // LK_TEXT: bytes available, NUL included
    bool required;    // an import file must have this column
};

struct LedgerTable {
    const char* table;             // table of the store
    const LedgerField* fields;
    size_t count;
};

// Data sets -> StDATAINFO (record 0).
extern const LedgerTable kDataSetTable;
// Assets -> StKOTEISHISANINFO (record 0) and StKOTEINENINFO (record 1);
// field 0 is asset_no, the key within the data set.
extern const LedgerTable kAssetTable;
// Sub-items -> StIKKATSUINFO (record 0); fields 0 and 1 are asset_no and item_no.
extern const LedgerTable kSubItemTable;
// Asset types -> StSHISANKUBUNINFO (record 0); field 0 is the type code.
extern const LedgerTable kAssetTypeTable;

// A row's values, one per field of its table, in table order.
struct LedgerValue {
    int64_t number = 0;
    std::string text;
};
typedef std::vector<LedgerValue> LedgerRow;

LedgerRow EmptyRow(const LedgerTable& table);
int FieldIndex(const LedgerTable& table, const char* name);  // -1 when unknown

// Parses the text form of one field (as in an import file) into value.
// False with a reason in *problem.
bool ParseField(const LedgerField& field, const std::string& text, LedgerValue* value,
                std::string* problem);
// Checks a value against its field (range, calendar date, Shift-JIS room).
bool CheckField(const LedgerField& field, const LedgerValue& value, std::string* problem);

// The text form of an amount (ten-thousandths) as ParseField reads it.
std::string FormatAmount(int64_t tenThousandths);

// "col1, col2, ..." of the table's fields, for SELECT and INSERT. Fields
// before `from` are given as the constant 0 (key fields that the store keeps
// elsewhere), so that result column numbers still follow the table.
std::string ColumnList(const LedgerTable& table, size_t from = 0);
// Binds the row's values to parameters first .. first + count - 1.
void BindRow(sqlite3_stmt* st, int first, const LedgerTable& table, const LedgerRow& row);
// Fills the records from result columns first .. (in table order). Texts
// that do not convert or do not fit leave their field zero and make the
// result false; every other field is still filled.
bool FillRecords(sqlite3_stmt* st, int first, const LedgerTable& table, void* record0, void* record1);
