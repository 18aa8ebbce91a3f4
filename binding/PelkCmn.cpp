// Data manager, users, data-set cursors, link manager and stored text
// settings, read from the ledger store.
#include "binding/PelkCmn.h"

#include <sqlite3.h>

#include <cstring>
#include <map>
#include <string>

#include "binding/LedgerFields.h"
#include "binding/LedgerKey.h"
#include "binding/LedgerStore.h"
#include "binding/PelkMsgMgr.h"
#include "binding/SjisText.h"

namespace {

const char kModule[] = "PelkCmn";

ClLedgerStore* CurrentStore()
{
    ClLedgerStore* store = ClSetMgr().GetStore();
    return store && store->IsOpen() ? store : nullptr;
}

long Fail(long code, long line)
{
    return ClMsgMgr::Inst()->SetLastError(code, kModule, line);
}

// The current user's ID (UTF-8); empty when none is set.
std::string CurrentUser(ClLedgerStore* store)
{
    std::string user;
    if (!store->GetSetting("current_user", &user)) user.clear();
    return user;
}

bool SelectedNumbers(ClLedgerStore* store, const std::string& userUtf8, long* first, long* second)
{
    sqlite3_stmt* st = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(store->Db(), "SELECT selected_no1, selected_no2 FROM users WHERE user_id=?", -1, &st,
                           nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, userUtf8.data(), (int)userUtf8.size(), SQLITE_TRANSIENT);
        if (sqlite3_step(st) == SQLITE_ROW) {
            *first = (long)sqlite3_column_int(st, 0);
            *second = (long)sqlite3_column_int(st, 1);
            found = true;
        }
    }
    sqlite3_finalize(st);
    return found;
}

std::string DataSetSelect()
{
    return "SELECT " + ColumnList(kDataSetTable) + " FROM data_sets";
}

}  // namespace

namespace {
ClLedgerStore* g_pSessionStore = nullptr;
}  // namespace

ClLedgerStore* ClSetMgr::GetStore() const
{
    return g_pSessionStore;
}

void ClSetMgr::SetStore(ClLedgerStore* store)
{
    g_pSessionStore = store;
}

ClSetBase::~ClSetBase() = default;

// ---- ClSetData --------------------------------------------------------------

struct ClSetData::Cursors {
    struct Cursor {
        ClLedgerStore* store = nullptr;  // the store the walk was readied on
        sqlite3_stmt* st = nullptr;
    };
    std::map<long, Cursor> open;
    long next = 1;

    void Finish(Cursor& c)
    {
        if (c.st) {
            sqlite3_finalize(c.st);
            c.st = nullptr;
            // A cursor of a store that has been closed since has nothing to end.
            if (c.store && c.store == CurrentStore()) c.store->EndRead();
        }
        c.store = nullptr;
    }
};

ClSetData::ClSetData() : m_pCursors(new Cursors()), m_selected()
{
}

ClSetData::~ClSetData()
{
    for (auto& entry : m_pCursors->open) {
        if (entry.second.st) sqlite3_finalize(entry.second.st);
    }
}

long ClSetData::GetDatCursor(long* cursor)
{
    if (!cursor) return Fail(PELK_ERR, __LINE__);
    long id = m_pCursors->next++;
    m_pCursors->open[id] = Cursors::Cursor();
    *cursor = id;
    return PELK_OK;
}

long ClSetData::ReadyDat(long cursor, long mode)
{
    auto it = m_pCursors->open.find(cursor);
    ClLedgerStore* store = CurrentStore();
    if (it == m_pCursors->open.end() || mode != 0 || !store) return Fail(PELK_ERR, __LINE__);
    m_pCursors->Finish(it->second);
    if (!store->BeginRead()) return Fail(PELK_ERR, __LINE__);
    std::string sql = DataSetSelect() + " ORDER BY walk_order, rowid";
    if (sqlite3_prepare_v2(store->Db(), sql.c_str(), -1, &it->second.st, nullptr) != SQLITE_OK) {
        store->EndRead();
        return Fail(PELK_ERR, __LINE__);
    }
    it->second.store = store;
    return PELK_OK;
}

long ClSetData::WalkDat(StDATAINFO* record, long cursor)
{
    auto it = m_pCursors->open.find(cursor);
    if (!record || it == m_pCursors->open.end() || !it->second.st || it->second.store != CurrentStore()) {
        return Fail(PELK_ERR, __LINE__);
    }
    int rc = sqlite3_step(it->second.st);
    if (rc == SQLITE_DONE) return PELK_ERR_END;
    if (rc != SQLITE_ROW) return Fail(PELK_ERR, __LINE__);
    if (!FillRecords(it->second.st, 0, kDataSetTable, record, nullptr)) {
        // The record is delivered with the fields that could be filled; the
        // caller learns of the others from the message manager.
        Fail(PELK_ERR_TEXT, __LINE__);
    }
    return PELK_OK;
}

long ClSetData::ReleaseDatCursor(long cursor)
{
    auto it = m_pCursors->open.find(cursor);
    if (it == m_pCursors->open.end()) return Fail(PELK_ERR, __LINE__);
    m_pCursors->Finish(it->second);
    m_pCursors->open.erase(it);
    return PELK_OK;
}

StDATAINFO* ClSetData::GetSelectedInfo()
{
    std::memset(&m_selected, 0, sizeof m_selected);
    ClLedgerStore* store = CurrentStore();
    if (!store || !store->BeginRead()) return &m_selected;
    long first = 0, second = 0;
    std::string user = CurrentUser(store);
    if (!user.empty() && SelectedNumbers(store, user, &first, &second)) {
        sqlite3_stmt* st = nullptr;
        std::string sql = DataSetSelect() + " WHERE data_no=? ORDER BY walk_order, rowid LIMIT 1";
        if (sqlite3_prepare_v2(store->Db(), sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
            sqlite3_bind_int64(st, 1, second);
            if (sqlite3_step(st) == SQLITE_ROW && !FillRecords(st, 0, kDataSetTable, &m_selected, nullptr)) {
                Fail(PELK_ERR_TEXT, __LINE__);
            }
        }
        sqlite3_finalize(st);
    }
    store->EndRead();
    return &m_selected;
}

// ---- ClSysUser --------------------------------------------------------------

long ClSysUser::GetCurUserID(char* buffer)
{
    if (!buffer) return Fail(PELK_ERR, __LINE__);
    buffer[0] = '\0';
    ClLedgerStore* store = CurrentStore();
    if (!store) return Fail(PELK_ERR, __LINE__);
    std::string user = CurrentUser(store);
    if (user.empty()) return Fail(PELK_ERR, __LINE__);
    if (!FillSjisField(buffer, 65, user)) return Fail(PELK_ERR_TEXT, __LINE__);
    return PELK_OK;
}

long ClSysUser::GetSelectedNo(const char* userID, long* first, long* second)
{
    if (first) *first = 0;
    if (second) *second = 0;
    ClLedgerStore* store = CurrentStore();
    if (!userID || !first || !second || !store) return Fail(PELK_ERR, __LINE__);
    std::string utf8;
    if (!SjisToUtf8(userID, &utf8)) return Fail(PELK_ERR_TEXT, __LINE__);
    if (!SelectedNumbers(store, utf8, first, second)) return Fail(PELK_ERR, __LINE__);
    return PELK_OK;
}

// ---- ClDataMgr, ClLinkMgr ------------------------------------------------------

namespace {
ClDataMgr* g_pDataMgr = nullptr;
ClLinkMgr* g_pLinkMgr = nullptr;
}  // namespace

ClDataMgr* ClDataMgr::Inst()
{
    if (!g_pDataMgr) g_pDataMgr = new ClDataMgr();
    return g_pDataMgr;
}

void ClDataMgr::Release()
{
    delete g_pDataMgr;
    g_pDataMgr = nullptr;
}

ClSetBase* ClDataMgr::GetSetObject(long kind, long sub)
{
    if (kind == 5 && sub == 1) return &m_setData;
    Fail(PELK_ERR, __LINE__);
    return nullptr;
}

ClLinkMgr* ClLinkMgr::Inst()
{
    if (!g_pLinkMgr) g_pLinkMgr = new ClLinkMgr();
    return g_pLinkMgr;
}

void ClLinkMgr::Release()
{
    delete g_pLinkMgr;
    g_pLinkMgr = nullptr;
}

// ---- ClSaveTextIO -------------------------------------------------------------

ClSaveTextIO::ClSaveTextIO() = default;
ClSaveTextIO::~ClSaveTextIO() = default;

long ClSaveTextIO::AttachSetMgr(ClSetMgr* setMgr)
{
    m_pSetMgr = setMgr;
    return setMgr ? PELK_OK : Fail(PELK_ERR, __LINE__);
}

long ClSaveTextIO::SetCurDataID(const char* dataId)
{
    return CopyDataID(m_szDataID, dataId) ? PELK_OK : Fail(PELK_ERR, __LINE__);
}

namespace {

bool TableNameOk(const StTEXTIOSAVEINFO* info)
{
    return std::memchr(info->szTableName, '\0', sizeof info->szTableName) != nullptr &&
           info->szTableName[0] != '\0';
}

}  // namespace

long ClSaveTextIO::GetData(StTEXTIOSAVEINFO* info)
{
    ClLedgerStore* store = m_pSetMgr ? m_pSetMgr->GetStore() : nullptr;
    if (!info || !store || !store->IsOpen() || !m_szDataID[0] || !TableNameOk(info)) {
        return Fail(PELK_ERR, __LINE__);
    }
    sqlite3_stmt* st = nullptr;
    long result = PELK_ERR;
    if (sqlite3_prepare_v2(store->Db(), "SELECT entries FROM item_orders WHERE data_id=? AND table_name=?", -1,
                           &st, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(st, 1, m_szDataID, -1, SQLITE_STATIC);
        sqlite3_bind_blob(st, 2, info->szTableName, (int)std::strlen(info->szTableName), SQLITE_STATIC);
        if (sqlite3_step(st) == SQLITE_ROW) {
            int n = sqlite3_column_bytes(st, 0);
            const void* bytes = sqlite3_column_blob(st, 0);
            if (n >= 0 && n <= TEXTIO_MAX_ENTRIES) {
                info->nEntryCount = (int16_t)n;
                std::memset(info->cEntries, 0, sizeof info->cEntries);
                if (n) std::memcpy(info->cEntries, bytes, n);
                result = PELK_OK;
            }
        }
    }
    sqlite3_finalize(st);
    return result == PELK_OK ? PELK_OK : Fail(result, __LINE__);
}

long ClSaveTextIO::SetData(const StTEXTIOSAVEINFO* info)
{
    ClLedgerStore* store = m_pSetMgr ? m_pSetMgr->GetStore() : nullptr;
    if (!info || !store || !store->IsOpen() || !m_szDataID[0] || !TableNameOk(info) ||
        info->nEntryCount < 0 || info->nEntryCount > TEXTIO_MAX_ENTRIES) {
        return Fail(PELK_ERR, __LINE__);
    }
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(store->Db(),
                                 "INSERT OR REPLACE INTO item_orders(data_id, table_name, entries) VALUES(?, ?, ?)",
                                 -1, &st, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(st, 1, m_szDataID, -1, SQLITE_STATIC);
        sqlite3_bind_blob(st, 2, info->szTableName, (int)std::strlen(info->szTableName), SQLITE_STATIC);
        sqlite3_bind_blob(st, 3, info->cEntries, info->nEntryCount, SQLITE_STATIC);
        ok = sqlite3_step(st) == SQLITE_DONE;
    }
    sqlite3_finalize(st);
    return ok ? PELK_OK : Fail(PELK_ERR, __LINE__);
}
