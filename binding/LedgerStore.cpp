// The ledger store's file, schema and transactions.
#include "binding/LedgerStore.h"

#include <sqlite3.h>

#include <cstdlib>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#include <direct.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace {

std::string g_strOverride;

// Version 1 of the schema. Amounts are INTEGER ten-thousandths; every text
// is UTF-8 and is checked against its record room when written.
const char* const kSchemaV1 =
    "CREATE TABLE settings("
    "  key TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE users("
    "  user_id TEXT PRIMARY KEY,"
    "  selected_no1 INTEGER NOT NULL DEFAULT 0,"
    "  selected_no2 INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE data_sets("
    "  data_id TEXT PRIMARY KEY, data_no INTEGER NOT NULL,"
    "  company_name TEXT NOT NULL DEFAULT '',"
    "  period_start INTEGER NOT NULL DEFAULT 0, period_end INTEGER NOT NULL DEFAULT 0,"
    "  data_kind INTEGER NOT NULL DEFAULT 0, client_kind INTEGER NOT NULL DEFAULT 0,"
    "  walk_order INTEGER NOT NULL);"
    "CREATE INDEX data_sets_walk ON data_sets(walk_order);"
    "CREATE TABLE asset_types("
    "  data_id TEXT NOT NULL REFERENCES data_sets(data_id) ON DELETE CASCADE,"
    "  code INTEGER NOT NULL, name TEXT NOT NULL DEFAULT '',"
    "  method INTEGER NOT NULL DEFAULT 0, residual_ratio INTEGER NOT NULL DEFAULT 0,"
    "  PRIMARY KEY(data_id, code));"
    "CREATE TABLE assets("
    "  asset_id INTEGER PRIMARY KEY,"
    "  data_id TEXT NOT NULL REFERENCES data_sets(data_id) ON DELETE CASCADE,"
    "  asset_no INTEGER NOT NULL,"
    "  code TEXT NOT NULL DEFAULT '', type INTEGER NOT NULL DEFAULT 0,"
    "  name TEXT NOT NULL DEFAULT '', quantity TEXT NOT NULL DEFAULT '',"
    "  memo TEXT NOT NULL DEFAULT '', disposal_kind INTEGER NOT NULL DEFAULT 0,"
    "  capex TEXT NOT NULL DEFAULT '', db_rate_date INTEGER NOT NULL DEFAULT 0,"
    "  acquisition_date INTEGER NOT NULL DEFAULT 0,"
    "  acquisition_cost INTEGER NOT NULL DEFAULT 0, reduction_amount INTEGER NOT NULL DEFAULT 0,"
    "  opening_book_value INTEGER NOT NULL DEFAULT 0, method INTEGER NOT NULL DEFAULT 0,"
    "  useful_life INTEGER NOT NULL DEFAULT 0, depr_rate INTEGER NOT NULL DEFAULT 0,"
    "  residual_rate INTEGER NOT NULL DEFAULT 0, limit_is_amount INTEGER NOT NULL DEFAULT 0,"
    "  depr_limit INTEGER NOT NULL DEFAULT 0, business_use_ratio INTEGER NOT NULL DEFAULT 0,"
    "  selling_admin_ratio INTEGER NOT NULL DEFAULT 0, period_count INTEGER NOT NULL DEFAULT 0,"
    "  periods_per_year INTEGER NOT NULL DEFAULT 0, residual_value INTEGER NOT NULL DEFAULT 0,"
    "  depr_base_amount INTEGER NOT NULL DEFAULT 0,"
    "  selling_admin_amount INTEGER NOT NULL DEFAULT 0,"
    "  manufacturing_amount INTEGER NOT NULL DEFAULT 0,"
    "  accumulated_depr INTEGER NOT NULL DEFAULT 0, closing_book_value INTEGER NOT NULL DEFAULT 0,"
    "  disposal_date INTEGER NOT NULL DEFAULT 0, disposal_price INTEGER NOT NULL DEFAULT 0,"
    "  months_entered INTEGER NOT NULL DEFAULT 0,"
    "  revised_acquisition_cost INTEGER NOT NULL DEFAULT 0,"
    "  computed_depr INTEGER NOT NULL DEFAULT 0, special_depr INTEGER NOT NULL DEFAULT 0,"
    "  additional_depr INTEGER NOT NULL DEFAULT 0, force_entry_amount INTEGER NOT NULL DEFAULT 0,"
    "  UNIQUE(data_id, asset_no));"
    "CREATE TABLE sub_items("
    "  asset_id INTEGER NOT NULL REFERENCES assets(asset_id) ON DELETE CASCADE,"
    "  item_no INTEGER NOT NULL, sub_number TEXT NOT NULL DEFAULT '',"
    "  name TEXT NOT NULL DEFAULT '', acquisition_date INTEGER NOT NULL DEFAULT 0,"
    "  acquisition_cost INTEGER NOT NULL DEFAULT 0, quantity INTEGER NOT NULL DEFAULT 0,"
    "  PRIMARY KEY(asset_id, item_no)) WITHOUT ROWID;"
    "CREATE TABLE item_orders("
    "  data_id TEXT NOT NULL, table_name TEXT NOT NULL, entries BLOB NOT NULL,"
    "  PRIMARY KEY(data_id, table_name));";

#ifdef _WIN32
std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring w(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &w[0], n);
    return w;
}

std::string Narrow(const wchar_t* wide)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return std::string();
    std::string s(n - 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &s[0], n, nullptr, nullptr);
    return s;
}

std::string GetEnvUtf8(const wchar_t* name)
{
    const wchar_t* v = _wgetenv(name);
    return v ? Narrow(v) : std::string();
}
#else
std::string GetEnvUtf8(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}
#endif

}  // namespace

char LedgerPathSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

bool LedgerFileExists(const std::string& path)
{
#ifdef _WIN32
    DWORD attr = GetFileAttributesW(Wide(path).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
#else
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

std::string LedgerDirName(const std::string& path)
{
    size_t cut = path.find_last_of(LedgerPathSeparator() == '\\' ? "\\/" : "/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

bool LedgerMakeDirs(const std::string& path)
{
    if (path.empty()) return true;
#ifdef _WIN32
    DWORD attr = GetFileAttributesW(Wide(path).c_str());
    if (attr != INVALID_FILE_ATTRIBUTES) return (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
    std::string parent = LedgerDirName(path);
    if (!parent.empty() && parent != path && parent.back() != ':' && !LedgerMakeDirs(parent)) return false;
    return CreateDirectoryW(Wide(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
#else
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    std::string parent = LedgerDirName(path);
    if (!parent.empty() && parent != path && !LedgerMakeDirs(parent)) return false;
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
#endif
}

void ClLedgerStore::SetPathOverride(const std::string& path)
{
    g_strOverride = path;
}

std::string ClLedgerStore::DefaultPath()
{
#ifdef _WIN32
    std::string base = GetEnvUtf8(L"APPDATA");
    if (base.empty()) base = GetEnvUtf8(L"USERPROFILE");
    return base + "\\PelkLedger\\ledger.db";
#else
    std::string base = GetEnvUtf8("XDG_DATA_HOME");
    if (base.empty()) {
        std::string home = GetEnvUtf8("HOME");
        base = (home.empty() ? std::string(".") : home) + "/.local/share";
    }
    return base + "/pelk-ledger/ledger.db";
#endif
}

std::string ClLedgerStore::ResolvePath()
{
    if (!g_strOverride.empty()) return g_strOverride;
#ifdef _WIN32
    std::string env = GetEnvUtf8(L"PELK_LEDGER_STORE");
#else
    std::string env = GetEnvUtf8("PELK_LEDGER_STORE");
#endif
    return env.empty() ? DefaultPath() : env;
}

ClLedgerStore::~ClLedgerStore()
{
    Close();
}

std::string ClLedgerStore::DbError() const
{
    return m_pDb ? sqlite3_errmsg(m_pDb) : "no store is open";
}

void ClLedgerStore::SetBusyTimeout(int milliseconds)
{
    if (m_pDb) sqlite3_busy_timeout(m_pDb, milliseconds);
}

bool ClLedgerStore::Exec(const char* sql, std::string* error)
{
    char* msg = nullptr;
    if (sqlite3_exec(m_pDb, sql, nullptr, nullptr, &msg) == SQLITE_OK) return true;
    if (error) *error = msg ? msg : DbError();
    sqlite3_free(msg);
    return false;
}

bool ClLedgerStore::CheckSchema(std::string* error)
{
    // Reading the header is the first access to the file: a damaged or
    // foreign file fails here ("file is not a database").
    sqlite3_stmt* st = nullptr;
    int32_t appId = 0, version = 0;
    bool ok = sqlite3_prepare_v2(m_pDb, "PRAGMA application_id", -1, &st, nullptr) == SQLITE_OK &&
              sqlite3_step(st) == SQLITE_ROW;
    if (ok) appId = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    st = nullptr;
    ok = ok && sqlite3_prepare_v2(m_pDb, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK &&
         sqlite3_step(st) == SQLITE_ROW;
    if (ok) version = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    if (!ok) {
        *error = "the file cannot be read as a ledger store (" + DbError() + ")";
        return false;
    }
    if (appId != APPLICATION_ID) {
        *error = "the file is not a ledger store";
        return false;
    }
    if (version > SCHEMA_VERSION) {
        *error = "the store has schema version " + std::to_string(version) +
                 ", newer than this program's version " + std::to_string((int)SCHEMA_VERSION);
        return false;
    }
    if (version < 1) {
        *error = "the store has no schema";
        return false;
    }
    // A damaged page shows up at the latest when the tables are read; check
    // the schema table itself now so that Initiate reports it.
    if (!Exec("SELECT count(*) FROM sqlite_schema", error)) {
        *error = "the store is damaged (" + *error + ")";
        return false;
    }
    return true;
}

bool ClLedgerStore::Open(const std::string& path, std::string* error)
{
    Close();
    if (!LedgerFileExists(path)) {
        *error = "the file does not exist";
        return false;
    }
    // A connection is used by one thread only: no locking on every call.
    int rc = sqlite3_open_v2(path.c_str(), &m_pDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        *error = "the file cannot be opened (" + DbError() + ")";
        Close();
        return false;
    }
    sqlite3_busy_timeout(m_pDb, BUSY_TIMEOUT_MS);
    sqlite3_extended_result_codes(m_pDb, 1);
    if (!CheckSchema(error) || !Exec("PRAGMA foreign_keys=ON", error)) {
        Close();
        return false;
    }
    m_strPath = path;
    return true;
}

bool ClLedgerStore::Create(const std::string& path, std::string* error)
{
    Close();
    if (LedgerFileExists(path)) {
        *error = "the file already exists";
        return false;
    }
    if (!LedgerMakeDirs(LedgerDirName(path))) {
        *error = "its folder cannot be created";
        return false;
    }
    int rc = sqlite3_open_v2(path.c_str(), &m_pDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        *error = "the file cannot be created (" + DbError() + ")";
        Close();
        return false;
    }
    sqlite3_busy_timeout(m_pDb, BUSY_TIMEOUT_MS);
    std::string sql = std::string("BEGIN;") + kSchemaV1 +
                      "PRAGMA application_id=" + std::to_string(APPLICATION_ID) +
                      ";PRAGMA user_version=" + std::to_string((int)SCHEMA_VERSION) + ";COMMIT;";
    if (!Exec(sql.c_str(), error) || !Exec("PRAGMA foreign_keys=ON", error)) {
        Close();
        return false;
    }
    m_strPath = path;
    return true;
}

void ClLedgerStore::Close()
{
    if (m_pDb) {
        sqlite3_close_v2(m_pDb);
        m_pDb = nullptr;
    }
    m_nReadDepth = 0;
    m_strPath.clear();
}

bool ClLedgerStore::BeginRead()
{
    if (!m_pDb) return false;
    if (m_nReadDepth == 0 && sqlite3_get_autocommit(m_pDb)) {
        if (!Exec("BEGIN", nullptr)) return false;
    }
    ++m_nReadDepth;
    return true;
}

void ClLedgerStore::EndRead()
{
    if (!m_pDb || m_nReadDepth == 0) return;
    if (--m_nReadDepth == 0 && !sqlite3_get_autocommit(m_pDb)) Exec("COMMIT", nullptr);
}

bool ClLedgerStore::BeginWrite(std::string* error)
{
    if (!m_pDb) {
        *error = "no store is open";
        return false;
    }
    if (!Exec("BEGIN IMMEDIATE", error)) {
        *error = "the store is busy or cannot be written (" + *error + ")";
        return false;
    }
    return true;
}

bool ClLedgerStore::Commit(std::string* error)
{
    if (Exec("COMMIT", error)) return true;
    Rollback();
    return false;
}

void ClLedgerStore::Rollback()
{
    if (m_pDb && !sqlite3_get_autocommit(m_pDb)) Exec("ROLLBACK", nullptr);
}

bool ClLedgerStore::GetSetting(const char* key, std::string* value)
{
    if (!m_pDb) return false;
    sqlite3_stmt* st = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(m_pDb, "SELECT value FROM settings WHERE key=?", -1, &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, key, -1, SQLITE_STATIC);
        if (sqlite3_step(st) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(st, 0);
            *value = text ? reinterpret_cast<const char*>(text) : "";
            found = true;
        }
    }
    sqlite3_finalize(st);
    return found;
}

bool ClLedgerStore::SetSetting(const char* key, const std::string& value, std::string* error)
{
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(m_pDb, "INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)", -1, &st,
                                 nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(st, 1, key, -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 2, value.data(), (int)value.size(), SQLITE_TRANSIENT);
        ok = sqlite3_step(st) == SQLITE_DONE;
    }
    if (!ok) *error = DbError();
    sqlite3_finalize(st);
    return ok;
}
