// The depreciation-rule object: walks of the assets, lump-sum sub-items and
// asset types of one data set in the ledger store.
#include "binding/PelkBCore.h"

#include <sqlite3.h>

#include <cstring>
#include <string>
#include <vector>

#include "binding/LedgerFields.h"
#include "binding/LedgerKey.h"
#include "binding/LedgerStore.h"
#include "binding/PelkMsgMgr.h"

namespace {

const char kModule[] = "PelkBCore";

long Fail(long code, long line)
{
    return ClMsgMgr::Inst()->SetLastError(code, kModule, line);
}

}  // namespace

// ---- ClRuleBase -----------------------------------------------------------------

ClRuleBase::ClRuleBase() = default;
ClRuleBase::~ClRuleBase() = default;

long ClRuleBase::AttachSetMgr(ClSetMgr* setMgr)
{
    m_pSetMgr = setMgr;
    return setMgr ? PELK_OK : Fail(PELK_ERR, __LINE__);
}

long ClRuleBase::SetCurDataID(const char* dataId)
{
    return CopyDataID(m_szDataID, dataId) ? PELK_OK : Fail(PELK_ERR, __LINE__);
}

long ClRuleBase::AttachOptLink(ClOptLink* optLink)
{
    m_pOptLink = optLink;
    return PELK_OK;
}

// ---- ClRuleGenkashokyaku -----------------------------------------------------------

// One walk: the statements stay prepared from MoveReady to MoveFinish, all
// inside one read transaction of the store.
struct ClRuleGenkashokyaku::Walk {
    ClLedgerStore* store = nullptr;
    sqlite3_stmt* assets = nullptr;
    long count = 0;
    long position = -1;  // index of the row the statement stands on
    sqlite3_stmt* subOwner = nullptr;
    sqlite3_stmt* subCount = nullptr;
    sqlite3_stmt* subItems = nullptr;
    long subTotal = 0;
    long subPosition = -1;
    bool subReady = false;

    bool Live() const { return store && store == ClSetMgr().GetStore() && store->IsOpen(); }

    void FinishSub()
    {
        if (subItems) sqlite3_reset(subItems);
        subTotal = 0;
        subPosition = -1;
        subReady = false;
    }

    void Finish()
    {
        sqlite3_finalize(assets);
        sqlite3_finalize(subOwner);
        sqlite3_finalize(subCount);
        sqlite3_finalize(subItems);
        assets = subOwner = subCount = subItems = nullptr;
        if (Live()) store->EndRead();
        store = nullptr;
        count = 0;
        position = -1;
        subTotal = 0;
        subPosition = -1;
        subReady = false;
    }
};

ClRuleGenkashokyaku::ClRuleGenkashokyaku() : m_pWalk(new Walk())
{
}

ClRuleGenkashokyaku::~ClRuleGenkashokyaku()
{
    m_pWalk->Finish();
}

long ClRuleGenkashokyaku::MoveReady(StFINDINFO* find, long sortType, long sumType)
{
    m_pWalk->Finish();
    ClLedgerStore* store = m_pSetMgr ? m_pSetMgr->GetStore() : nullptr;
    // Search conditions and other sort or sum types are not offered here.
    if (find || sortType != 0 || sumType != 0 || !store || !store->IsOpen() || !m_szDataID[0]) {
        return Fail(PELK_ERR, __LINE__);
    }
    if (!store->BeginRead()) return Fail(PELK_ERR, __LINE__);
    Walk& w = *m_pWalk;
    w.store = store;
    sqlite3* db = store->Db();
    sqlite3_stmt* count = nullptr;
    // asset_no (field 0) only orders the walk: it is not read back.
    std::string assets = "SELECT asset_id, " + ColumnList(kAssetTable, 1) +
                         " FROM assets WHERE data_id=? ORDER BY asset_no";
    bool ok = sqlite3_prepare_v2(db, "SELECT count(*) FROM assets WHERE data_id=?", -1, &count, nullptr) ==
                  SQLITE_OK &&
              sqlite3_bind_text(count, 1, m_szDataID, -1, SQLITE_TRANSIENT) == SQLITE_OK &&
              sqlite3_step(count) == SQLITE_ROW;
    if (ok) w.count = (long)sqlite3_column_int64(count, 0);
    sqlite3_finalize(count);
    ok = ok && sqlite3_prepare_v3(db, assets.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &w.assets, nullptr) == SQLITE_OK &&
         sqlite3_bind_text(w.assets, 1, m_szDataID, -1, SQLITE_TRANSIENT) == SQLITE_OK;
    if (!ok) {
        w.Finish();
        return Fail(PELK_ERR, __LINE__);
    }
    return PELK_OK;
}

long ClRuleGenkashokyaku::GetCount(long* count)
{
    if (!count) return Fail(PELK_ERR, __LINE__);
    if (!m_pWalk->Live() || !m_pWalk->assets) {
        *count = 0;
        return Fail(PELK_ERR, __LINE__);
    }
    *count = m_pWalk->count;
    return PELK_OK;
}

long ClRuleGenkashokyaku::Move(long index, StKOTEISHISANINFO* asset, StKOTEINENINFO* year,
                               StKOTEITSUKIINFO* months)
{
    (void)months;  // no monthly figures are kept
    Walk& w = *m_pWalk;
    if (!asset || !year || !w.Live() || !w.assets || index < 0 || index >= w.count) {
        return Fail(PELK_ERR, __LINE__);
    }
    if (index <= w.position) {
        // Going back restarts the walk; ascending indexes only step.
        sqlite3_reset(w.assets);
        w.position = -1;
    }
    while (w.position < index) {
        if (sqlite3_step(w.assets) != SQLITE_ROW) {
            sqlite3_reset(w.assets);
            w.position = -1;
            return Fail(PELK_ERR, __LINE__);
        }
        ++w.position;
    }
    MakeIkkatsuKey(sqlite3_column_int64(w.assets, 0), asset->ikkatsuKey);
    if (!FillRecords(w.assets, 1, kAssetTable, asset, year)) return Fail(PELK_ERR_TEXT, __LINE__);
    return PELK_OK;
}

long ClRuleGenkashokyaku::MoveFinish()
{
    m_pWalk->Finish();
    return PELK_OK;
}

long ClRuleGenkashokyaku::MoveReadyIkkatsu(unsigned char* key)
{
    Walk& w = *m_pWalk;
    w.FinishSub();
    int64_t assetId = 0;
    if (!key || !w.Live() || !ReadIkkatsuKey(key, &assetId)) return Fail(PELK_ERR, __LINE__);
    sqlite3* db = w.store->Db();
    if (!w.subCount) {
        const char* owner = "SELECT 1 FROM assets WHERE asset_id=?1 AND data_id=?2";
        const char* where = " FROM sub_items WHERE asset_id=?1";
        std::string countSql = std::string("SELECT count(*)") + where;
        std::string itemsSql = "SELECT " + ColumnList(kSubItemTable, 1) + where + " ORDER BY item_no";
        if (sqlite3_prepare_v3(db, owner, -1, SQLITE_PREPARE_PERSISTENT, &w.subOwner, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v3(db, countSql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &w.subCount, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v3(db, itemsSql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &w.subItems, nullptr) !=
                SQLITE_OK) {
            return Fail(PELK_ERR, __LINE__);
        }
    }
    // Only the sub-items of an asset of this data set are offered. The asset
    // the walk stands on is one (the usual case); any other is looked up.
    bool owned = w.assets && w.position >= 0 && sqlite3_column_int64(w.assets, 0) == assetId;
    if (!owned) {
        sqlite3_reset(w.subOwner);
        sqlite3_bind_int64(w.subOwner, 1, assetId);
        sqlite3_bind_text(w.subOwner, 2, m_szDataID, -1, SQLITE_TRANSIENT);
        owned = sqlite3_step(w.subOwner) == SQLITE_ROW;
        sqlite3_reset(w.subOwner);
    }
    w.subTotal = 0;
    if (owned) {
        sqlite3_reset(w.subCount);
        sqlite3_bind_int64(w.subCount, 1, assetId);
        if (sqlite3_step(w.subCount) != SQLITE_ROW) return Fail(PELK_ERR, __LINE__);
        w.subTotal = (long)sqlite3_column_int64(w.subCount, 0);
        sqlite3_reset(w.subCount);
    }
    sqlite3_reset(w.subItems);
    sqlite3_bind_int64(w.subItems, 1, assetId);
    w.subReady = true;
    return PELK_OK;
}

long ClRuleGenkashokyaku::GetIkkatsuCount(long* count)
{
    if (!count) return Fail(PELK_ERR, __LINE__);
    *count = m_pWalk->subReady ? m_pWalk->subTotal : 0;
    return m_pWalk->subReady ? PELK_OK : Fail(PELK_ERR, __LINE__);
}

long ClRuleGenkashokyaku::MoveIkkatsu(long index, StIKKATSUINFO* item)
{
    Walk& w = *m_pWalk;
    if (!item || !w.subReady || !w.Live() || index < 0 || index >= w.subTotal) return Fail(PELK_ERR, __LINE__);
    if (index <= w.subPosition) {
        sqlite3_reset(w.subItems);
        w.subPosition = -1;
    }
    while (w.subPosition < index) {
        if (sqlite3_step(w.subItems) != SQLITE_ROW) {
            sqlite3_reset(w.subItems);
            w.subPosition = -1;
            return Fail(PELK_ERR, __LINE__);
        }
        ++w.subPosition;
    }
    if (!FillRecords(w.subItems, 0, kSubItemTable, item, nullptr)) return Fail(PELK_ERR_TEXT, __LINE__);
    return PELK_OK;
}

long ClRuleGenkashokyaku::MoveFinishIkkatsu()
{
    m_pWalk->FinishSub();
    return PELK_OK;
}

long ClRuleGenkashokyaku::LoadShisanKubunInfo(StSHISANKUBUNINFO** array, long* count)
{
    if (!array || !count) return Fail(PELK_ERR, __LINE__);
    *array = nullptr;
    *count = 0;
    ClLedgerStore* store = m_pSetMgr ? m_pSetMgr->GetStore() : nullptr;
    if (!store || !store->IsOpen() || !m_szDataID[0] || !store->BeginRead()) return Fail(PELK_ERR, __LINE__);
    std::vector<StSHISANKUBUNINFO> types;
    bool textOk = true;
    sqlite3_stmt* st = nullptr;
    std::string sql = "SELECT " + ColumnList(kAssetTypeTable) + " FROM asset_types WHERE data_id=? ORDER BY code";
    bool ok = sqlite3_prepare_v2(store->Db(), sql.c_str(), -1, &st, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(st, 1, m_szDataID, -1, SQLITE_TRANSIENT);
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            StSHISANKUBUNINFO record;
            std::memset(&record, 0, sizeof record);
            if (!FillRecords(st, 0, kAssetTypeTable, &record, nullptr)) textOk = false;
            types.push_back(record);
        }
        ok = rc == SQLITE_DONE;
    }
    sqlite3_finalize(st);
    store->EndRead();
    if (!ok) return Fail(PELK_ERR, __LINE__);
    if (!types.empty()) {
        void* block = CoTaskMemAlloc(types.size() * sizeof(StSHISANKUBUNINFO));
        if (!block) return Fail(PELK_ERR, __LINE__);
        std::memcpy(block, types.data(), types.size() * sizeof(StSHISANKUBUNINFO));
        *array = static_cast<StSHISANKUBUNINFO*>(block);
        *count = (long)types.size();
    }
    return textOk ? PELK_OK : Fail(PELK_ERR_TEXT, __LINE__);
}
