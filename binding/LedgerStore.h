// ClLedgerStore: the ledger store, one SQLite database file that holds what
// the accounting libraries deliver (users and their selections, data sets,
// assets with their yearly figures, lump-sum sub-items, asset types, stored
// item orders and the application folders).
//
// Guarantees:
//   - Open refuses, with a message naming the problem, a file that is
//     missing, unreadable, not a ledger store, damaged, or of a newer schema;
//     it never creates or alters a file. Create makes a new store and refuses
//     an existing file.
//   - Amounts are exact integers of ten-thousandths; texts are UTF-8.
//   - Reads run inside BeginRead/EndRead (nested calls share one transaction),
//     so a walk sees one consistent state. Writes run in BeginWrite/Commit or
//     Rollback; a writer waits up to the busy timeout for readers of other
//     processes and then fails cleanly.
// Location: ResolvePath gives the override (SetPathOverride, else the
// environment variable PELK_LEDGER_STORE), else the per-user default.
// Paths are UTF-8.
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;

class ClLedgerStore {
public:
    enum { SCHEMA_VERSION = 1 };
    static const int32_t APPLICATION_ID = 0x504C4B4C;  // "PLKL"
    enum { BUSY_TIMEOUT_MS = 5000 };

    static void SetPathOverride(const std::string& path);  // empty: none
    static std::string DefaultPath();
    static std::string ResolvePath();

    ClLedgerStore() = default;
    ~ClLedgerStore();
    ClLedgerStore(const ClLedgerStore&) = delete;
    ClLedgerStore& operator=(const ClLedgerStore&) = delete;

    bool Open(const std::string& path, std::string* error);
    bool Create(const std::string& path, std::string* error);
    void Close();
    bool IsOpen() const { return m_pDb != nullptr; }

    sqlite3* Db() const { return m_pDb; }
    const std::string& Path() const { return m_strPath; }
    std::string DbError() const;  // the last SQLite error text
    void SetBusyTimeout(int milliseconds);  // how long a write waits for readers

    bool BeginRead();
    void EndRead();
    bool BeginWrite(std::string* error);
    bool Commit(std::string* error);
    void Rollback();

    // Settings: "current_user", "folder0", "folder1". False when absent.
    bool GetSetting(const char* key, std::string* value);
    bool SetSetting(const char* key, const std::string& value, std::string* error);

private:
    bool Exec(const char* sql, std::string* error);
    bool CheckSchema(std::string* error);

    sqlite3* m_pDb = nullptr;
    std::string m_strPath;
    int m_nReadDepth = 0;
};

// Folder and file helpers shared by the store users (UTF-8 paths).
bool LedgerFileExists(const std::string& path);
bool LedgerMakeDirs(const std::string& path);  // creates every missing folder of path
std::string LedgerDirName(const std::string& path);
char LedgerPathSeparator();
