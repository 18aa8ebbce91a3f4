// The accounting side's own operations on the ledger store: data sets,
// users and their selections, folders, imports, the demo and synthetic data.
//
// Every operation validates its input before it writes and runs in one
// write transaction: on any failure the store is unchanged and *error says
// what was refused (UTF-8; import errors name the file, line and column).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <utility>

#include "binding/LedgerFields.h"

class ClLedgerStore;
struct sqlite3_stmt;

// Builds a row of `table` from name/value texts as an import file holds
// them; fields not named stay 0 or empty.
bool LedgerMakeRow(const LedgerTable& table,
                   std::initializer_list<std::pair<const char*, std::string>> values, LedgerRow* row,
                   std::string* error);

// Adds rows of one data set inside the caller's write transaction.
class ClLedgerWriter {
public:
    ClLedgerWriter(ClLedgerStore& store, const std::string& dataId);
    ~ClLedgerWriter();
    ClLedgerWriter(const ClLedgerWriter&) = delete;
    ClLedgerWriter& operator=(const ClLedgerWriter&) = delete;

    bool AddDataSet(const LedgerRow& row, std::string* error);  // dataId is row's data_id
    bool AddAssetType(const LedgerRow& row, std::string* error);
    bool AddAsset(const LedgerRow& row, std::string* error);
    bool AddSubItem(const LedgerRow& row, std::string* error);

private:
    bool Run(sqlite3_stmt** st, const std::string& sql, const LedgerTable& table, size_t from,
             const LedgerRow& row, std::string* error);

    ClLedgerStore& m_store;
    std::string m_strDataId;
    sqlite3_stmt* m_pType = nullptr;
    sqlite3_stmt* m_pAsset = nullptr;
    sqlite3_stmt* m_pSubItem = nullptr;
};

bool LedgerAddDataSet(ClLedgerStore& store, const LedgerRow& row, std::string* error);
bool LedgerSetCurrentUser(ClLedgerStore& store, const std::string& user, std::string* error);
bool LedgerSelect(ClLedgerStore& store, const std::string& user, long first, long second, std::string* error);
bool LedgerSetFolder(ClLedgerStore& store, int type, const std::string& path, std::string* error);

struct LedgerImportFiles {
    std::string assetTypes;  // each may be empty: nothing of that kind
    std::string assets;
    std::string subItems;
};
bool LedgerImport(ClLedgerStore& store, const std::string& dataId, const LedgerImportFiles& files,
                  std::string* error);

// Writes the data sets in walk order, the current user's selection marked.
bool LedgerList(ClLedgerStore& store, std::ostream& out, std::string* error);

// The demo companies (see LedgerDemo.cpp).
bool LedgerFillDemo(ClLedgerStore& store, std::string* error);

// A synthetic data set of `count` assets for benchmarks.
bool LedgerGenerate(ClLedgerStore& store, const std::string& dataId, long dataNo, long count, uint32_t seed,
                    std::string* error);
