// Writing operations of the ledger tool.
#include "LedgerAdmin.h"

#include <sqlite3.h>

#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "LedgerCsv.h"
#include "binding/LedgerStore.h"
#include "binding/SjisText.h"

bool LedgerMakeRow(const LedgerTable& table,
                   std::initializer_list<std::pair<const char*, std::string>> values, LedgerRow* row,
                   std::string* error)
{
    *row = EmptyRow(table);
    for (const auto& v : values) {
        int index = FieldIndex(table, v.first);
        std::string problem;
        if (index < 0) {
            *error = std::string("unknown field ") + v.first;
            return false;
        }
        if (!ParseField(table.fields[index], v.second, &(*row)[index], &problem)) {
            *error = std::string(v.first) + " \"" + v.second + "\": " + problem;
            return false;
        }
    }
    return true;
}

// ---- ClLedgerWriter -----------------------------------------------------------

ClLedgerWriter::ClLedgerWriter(ClLedgerStore& store, const std::string& dataId)
    : m_store(store), m_strDataId(dataId)
{
}

ClLedgerWriter::~ClLedgerWriter()
{
    sqlite3_finalize(m_pType);
    sqlite3_finalize(m_pAsset);
    sqlite3_finalize(m_pSubItem);
}

namespace {

std::string Placeholders(size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i) s += i ? ", ?" : "?";
    return s;
}

// Column names of fields from `from` on.
std::string Columns(const LedgerTable& table, size_t from)
{
    std::string s;
    for (size_t i = from; i < table.count; ++i) {
        if (i > from) s += ", ";
        s += table.fields[i].name;
    }
    return s;
}

std::string ConstraintText(sqlite3* db)
{
    int rc = sqlite3_extended_errcode(db);
    if (rc == SQLITE_CONSTRAINT_PRIMARYKEY || rc == SQLITE_CONSTRAINT_UNIQUE) return "duplicate key";
    if (rc == SQLITE_CONSTRAINT_NOTNULL || rc == SQLITE_CONSTRAINT_FOREIGNKEY) return "no such asset or data set";
    return sqlite3_errmsg(db);
}

}  // namespace

bool ClLedgerWriter::Run(sqlite3_stmt** st, const std::string& sql, const LedgerTable& table, size_t from,
                         const LedgerRow& row, std::string* error)
{
    // Every value is checked again here: rows built in code go through the
    // same rules as imported ones.
    for (size_t i = 0; i < table.count; ++i) {
        std::string problem;
        if (!CheckField(table.fields[i], row[i], &problem)) {
            *error = std::string(table.fields[i].name) + ": " + problem;
            return false;
        }
    }
    sqlite3* db = m_store.Db();
    if (!*st && sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, st, nullptr) != SQLITE_OK) {
        *error = sqlite3_errmsg(db);
        return false;
    }
    sqlite3_reset(*st);
    sqlite3_clear_bindings(*st);
    int next = 1;
    if (from > 0 || &table != &kDataSetTable) {
        sqlite3_bind_text(*st, next++, m_strDataId.data(), (int)m_strDataId.size(), SQLITE_TRANSIENT);
    }
    if (&table == &kSubItemTable) sqlite3_bind_int64(*st, next++, row[0].number);  // asset_no
    for (size_t i = from; i < table.count; ++i, ++next) {
        if (table.fields[i].kind == LK_TEXT) {
            sqlite3_bind_text(*st, next, row[i].text.data(), (int)row[i].text.size(), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(*st, next, row[i].number);
        }
    }
    int rc = sqlite3_step(*st);
    sqlite3_reset(*st);
    if (rc != SQLITE_DONE) {
        *error = ConstraintText(db);
        return false;
    }
    return true;
}

bool ClLedgerWriter::AddDataSet(const LedgerRow& row, std::string* error)
{
    if (row[FieldIndex(kDataSetTable, "data_no")].number <= 0) {
        *error = "data_no: must be 1 or more";
        return false;
    }
    const std::string& id = row[0].text;
    for (unsigned char c : id) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-')) {
            *error = "data_id: only letters, digits, '_' and '-' are allowed";
            return false;
        }
    }
    if (id.empty()) {
        *error = "data_id: must not be empty";
        return false;
    }
    sqlite3_stmt* st = nullptr;
    std::string sql = "INSERT INTO data_sets(" + Columns(kDataSetTable, 0) +
                      ", walk_order) VALUES(" + Placeholders(kDataSetTable.count) +
                      ", (SELECT coalesce(max(walk_order), 0) + 1 FROM data_sets))";
    bool ok = Run(&st, sql, kDataSetTable, 0, row, error);
    sqlite3_finalize(st);
    return ok;
}

bool ClLedgerWriter::AddAssetType(const LedgerRow& row, std::string* error)
{
    std::string sql = "INSERT INTO asset_types(data_id, " + Columns(kAssetTypeTable, 0) + ") VALUES(?, " +
                      Placeholders(kAssetTypeTable.count) + ")";
    return Run(&m_pType, sql, kAssetTypeTable, 0, row, error);
}

bool ClLedgerWriter::AddAsset(const LedgerRow& row, std::string* error)
{
    std::string sql = "INSERT INTO assets(data_id, " + Columns(kAssetTable, 0) + ") VALUES(?, " +
                      Placeholders(kAssetTable.count) + ")";
    return Run(&m_pAsset, sql, kAssetTable, 0, row, error);
}

bool ClLedgerWriter::AddSubItem(const LedgerRow& row, std::string* error)
{
    // The sub-item belongs to the asset with this asset_no in this data set.
    std::string sql = "INSERT INTO sub_items(asset_id, " + Columns(kSubItemTable, 1) +
                      ") VALUES((SELECT asset_id FROM assets WHERE data_id=? AND asset_no=?), " +
                      Placeholders(kSubItemTable.count - 1) + ")";
    return Run(&m_pSubItem, sql, kSubItemTable, 1, row, error);
}

// ---- single operations ------------------------------------------------------------

namespace {

// Runs `body` in one write transaction; the store is unchanged on failure.
template <typename Body>
bool InWrite(ClLedgerStore& store, std::string* error, Body body)
{
    if (!store.BeginWrite(error)) return false;
    if (!body()) {
        store.Rollback();
        return false;
    }
    return store.Commit(error);
}

bool CheckUser(const std::string& user, std::string* error)
{
    long n = SjisLength(user);
    if (user.empty() || n < 0 || n > 64 || user.find('\0') != std::string::npos) {
        *error = "user ID: 1 to 64 Shift-JIS bytes are required";
        return false;
    }
    return true;
}

bool Exec(ClLedgerStore& store, const char* sql, std::initializer_list<std::string> texts,
          std::initializer_list<int64_t> numbers, std::string* error)
{
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(store.Db(), sql, -1, &st, nullptr) == SQLITE_OK;
    int i = 1;
    for (const std::string& t : texts) sqlite3_bind_text(st, i++, t.data(), (int)t.size(), SQLITE_TRANSIENT);
    for (int64_t n : numbers) sqlite3_bind_int64(st, i++, n);
    ok = ok && sqlite3_step(st) == SQLITE_DONE;
    if (!ok) *error = sqlite3_errmsg(store.Db());
    sqlite3_finalize(st);
    return ok;
}

}  // namespace

bool LedgerAddDataSet(ClLedgerStore& store, const LedgerRow& row, std::string* error)
{
    return InWrite(store, error, [&] {
        ClLedgerWriter writer(store, row[0].text);
        if (writer.AddDataSet(row, error)) return true;
        if (*error == "duplicate key") *error = "data set " + row[0].text + " already exists";
        return false;
    });
}

bool LedgerSetCurrentUser(ClLedgerStore& store, const std::string& user, std::string* error)
{
    if (!CheckUser(user, error)) return false;
    return InWrite(store, error, [&] {
        return Exec(store, "INSERT OR IGNORE INTO users(user_id) VALUES(?)", {user}, {}, error) &&
               store.SetSetting("current_user", user, error);
    });
}

bool LedgerSelect(ClLedgerStore& store, const std::string& user, long first, long second, std::string* error)
{
    if (!CheckUser(user, error)) return false;
    return InWrite(store, error, [&] {
        return Exec(store,
                    "INSERT INTO users(user_id, selected_no1, selected_no2) VALUES(?, ?, ?)"
                    " ON CONFLICT(user_id) DO UPDATE SET selected_no1=excluded.selected_no1,"
                    " selected_no2=excluded.selected_no2",
                    {user}, {first, second}, error);
    });
}

bool LedgerSetFolder(ClLedgerStore& store, int type, const std::string& path, std::string* error)
{
    long n = SjisLength(path);
    if (type != 0 && type != 1) {
        *error = "folder type must be 0 or 1";
        return false;
    }
    // The folder and a separator must fit a 260-byte path.
    if (path.empty() || n < 0 || n > 259) {
        *error = "folder: 1 to 259 Shift-JIS bytes are required";
        return false;
    }
    return InWrite(store, error, [&] { return store.SetSetting(type == 0 ? "folder0" : "folder1", path, error); });
}

// ---- import ---------------------------------------------------------------------

namespace {

struct ParsedRow {
    long line;
    LedgerRow row;
};

// Reads one import file into rows of `table`, checking every value.
bool ParseImportFile(const std::string& path, const LedgerTable& table, std::vector<ParsedRow>* rows,
                     std::string* error)
{
    std::vector<CsvRecord> records;
    if (!ReadCsvFile(path, &records, error)) return false;
    if (records.empty()) {
        *error = path + ": the header row is missing";
        return false;
    }
    const CsvRecord& header = records[0];
    std::vector<int> fieldOf(header.fields.size());
    std::set<int> seen;
    for (size_t c = 0; c < header.fields.size(); ++c) {
        fieldOf[c] = FieldIndex(table, header.fields[c].c_str());
        std::string where = path + ":" + std::to_string(header.line) + ": column " + std::to_string(c + 1);
        if (fieldOf[c] < 0) {
            *error = where + " (" + header.fields[c] + "): unknown column";
            return false;
        }
        if (!seen.insert(fieldOf[c]).second) {
            *error = where + " (" + header.fields[c] + "): column given twice";
            return false;
        }
    }
    for (size_t f = 0; f < table.count; ++f) {
        if (table.fields[f].required && !seen.count((int)f)) {
            *error = path + ":" + std::to_string(header.line) + ": required column " + table.fields[f].name +
                     " is missing";
            return false;
        }
    }
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& rec = records[r];
        if (rec.fields.size() != header.fields.size()) {
            *error = path + ":" + std::to_string(rec.line) + ": " + std::to_string(rec.fields.size()) +
                     " fields, the header has " + std::to_string(header.fields.size());
            return false;
        }
        ParsedRow parsed{rec.line, EmptyRow(table)};
        for (size_t c = 0; c < rec.fields.size(); ++c) {
            const LedgerField& field = table.fields[fieldOf[c]];
            std::string problem;
            if (!ParseField(field, rec.fields[c], &parsed.row[fieldOf[c]], &problem)) {
                *error = path + ":" + std::to_string(rec.line) + ": column " + std::to_string(c + 1) + " (" +
                         field.name + "): " + problem;
                return false;
            }
        }
        rows->push_back(parsed);
    }
    return true;
}

// The column number of a field in a file's header, for messages.
std::string KeyWhere(const std::string& path, long line, const char* key)
{
    return path + ":" + std::to_string(line) + ": " + key;
}

}  // namespace

bool LedgerImport(ClLedgerStore& store, const std::string& dataId, const LedgerImportFiles& files,
                  std::string* error)
{
    std::vector<ParsedRow> types, assets, subItems;
    if ((!files.assetTypes.empty() && !ParseImportFile(files.assetTypes, kAssetTypeTable, &types, error)) ||
        (!files.assets.empty() && !ParseImportFile(files.assets, kAssetTable, &assets, error)) ||
        (!files.subItems.empty() && !ParseImportFile(files.subItems, kSubItemTable, &subItems, error))) {
        return false;
    }
    return InWrite(store, error, [&] {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(store.Db(), "SELECT 1 FROM data_sets WHERE data_id=?", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, dataId.data(), (int)dataId.size(), SQLITE_TRANSIENT);
        bool exists = sqlite3_step(st) == SQLITE_ROW;
        sqlite3_finalize(st);
        if (!exists) {
            *error = "data set " + dataId + " does not exist";
            return false;
        }
        ClLedgerWriter writer(store, dataId);
        std::string problem;
        for (const ParsedRow& r : types) {
            if (!writer.AddAssetType(r.row, &problem)) {
                *error = KeyWhere(files.assetTypes, r.line, "code") + ": " + problem;
                return false;
            }
        }
        for (const ParsedRow& r : assets) {
            if (!writer.AddAsset(r.row, &problem)) {
                *error = KeyWhere(files.assets, r.line, "asset_no") + ": " + problem;
                return false;
            }
        }
        for (const ParsedRow& r : subItems) {
            if (!writer.AddSubItem(r.row, &problem)) {
                *error = KeyWhere(files.subItems, r.line, "asset_no/item_no") + ": " + problem;
                return false;
            }
        }
        return true;
    });
}

// ---- list -------------------------------------------------------------------------

bool LedgerList(ClLedgerStore& store, std::ostream& out, std::string* error)
{
    if (!store.BeginRead()) {
        *error = store.DbError();
        return false;
    }
    std::string user;
    long selected = 0;
    if (store.GetSetting("current_user", &user)) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(store.Db(), "SELECT selected_no2 FROM users WHERE user_id=?", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, user.data(), (int)user.size(), SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW) selected = (long)sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
    }
    out << "store: " << store.Path() << "\n";
    out << "current user: " << (user.empty() ? std::string("(none)") : user) << ", selected data set number "
        << selected << "\n";
    out << "  data_id          no  kind client period                 assets  company\n";
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(store.Db(),
                                 "SELECT d.data_id, d.data_no, d.data_kind, d.client_kind, d.period_start,"
                                 " d.period_end, (SELECT count(*) FROM assets a WHERE a.data_id=d.data_id),"
                                 " d.company_name FROM data_sets d ORDER BY d.walk_order, d.rowid",
                                 -1, &st, nullptr) == SQLITE_OK;
    bool marked = false;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(st)) == SQLITE_ROW) {
        long no = (long)sqlite3_column_int64(st, 1);
        // The first data set with the selected number is the one in use.
        bool mark = !marked && no == selected;
        marked = marked || mark;
        char line[160];
        std::snprintf(line, sizeof line, "%c %-15s %4ld %5d %6d %08d-%08d %7lld  ", mark ? '*' : ' ',
                      reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), no, sqlite3_column_int(st, 2),
                      sqlite3_column_int(st, 3), sqlite3_column_int(st, 4), sqlite3_column_int(st, 5),
                      (long long)sqlite3_column_int64(st, 6));
        out << line << reinterpret_cast<const char*>(sqlite3_column_text(st, 7)) << "\n";
    }
    ok = ok && rc == SQLITE_DONE;
    if (!ok) *error = store.DbError();
    sqlite3_finalize(st);
    store.EndRead();
    return ok;
}
