// The common library of the accounting system: data manager, users, the
// data-set object with its cursor, the link manager and stored text settings.
//
// All of them read the ledger store opened by ClPelkConnect::Initiate. With
// no store open every operation answers -1 and fills nothing.
// Results: 0 success, negative failure (PELK_ERR_*).
#pragma once

#include <memory>

#include "binding/PelkRecords.h"

constexpr long PELK_OK = 0;
constexpr long PELK_ERR = -1;       // no store, bad argument, or the store refused
constexpr long PELK_ERR_END = 1;    // a walk has no further record
constexpr long PELK_ERR_TEXT = -2;  // a stored text has no Shift-JIS form that fits its room

class ClLedgerStore;

// The handle of the store that the connection opened, handed to rule
// objects and ClSaveTextIO. Null while no store is open.
class ClSetMgr {
public:
    ClLedgerStore* GetStore() const;
    static void SetStore(ClLedgerStore* store);  // by the connection only
};

// Options of the link between the two applications; carries nothing here.
class ClOptLink {
};

class ClSetBase {
public:
    virtual ~ClSetBase();
};

// The data sets of the store. A cursor walks them in the store's order, all
// inside one read transaction, so a walk sees one consistent state.
class ClSetData : public ClSetBase {
public:
    ClSetData();
    ~ClSetData() override;

    long GetDatCursor(long* cursor);                  // a new cursor handle (> 0)
    long ReadyDat(long cursor, long mode);            // mode 0: all data sets
    long WalkDat(StDATAINFO* record, long cursor);    // 0 delivered, 1 none left
    long ReleaseDatCursor(long cursor);

    // The data set the current user has selected (the first whose lDataNo is
    // the user's second selection number); all zero when there is none.
    StDATAINFO* GetSelectedInfo();

private:
    struct Cursors;
    std::unique_ptr<Cursors> m_pCursors;
    StDATAINFO m_selected;
};

class ClSysUser {
public:
    // Writes the current user's ID (at most 64 bytes and a NUL); an empty
    // text and -1 when no user is current.
    long GetCurUserID(char* buffer);
    // The user's two selection numbers; both 0 and -1 for an unknown user.
    long GetSelectedNo(const char* userID, long* first, long* second);
};

class ClDataMgr {
public:
    static ClDataMgr* Inst();
    static void Release();

    ClSysUser* GetSysUserObject() { return &m_user; }
    ClSetBase* GetSetObject(long kind, long sub);  // (5, 1): the ClSetData
    ClSetMgr* GetSetMgr() { return &m_setMgr; }

private:
    ClDataMgr() = default;
    ClDataMgr(const ClDataMgr&) = delete;
    ClDataMgr& operator=(const ClDataMgr&) = delete;

    ClSysUser m_user;
    ClSetData m_setData;
    ClSetMgr m_setMgr;
};

class ClLinkMgr {
public:
    static ClLinkMgr* Inst();
    static void Release();

    ClOptLink* GetOptLink() { return &m_optLink; }

private:
    ClLinkMgr() = default;
    ClOptLink m_optLink;
};

// Stored settings of text tables, per table name and data set.
class ClSaveTextIO {
public:
    ClSaveTextIO();
    ~ClSaveTextIO();

    long AttachSetMgr(ClSetMgr* setMgr);
    long SetCurDataID(const char* dataId);
    long SetCurDataID(const unsigned char* dataId)
    {
        return SetCurDataID(reinterpret_cast<const char*>(dataId));
    }
    // GetData: fills the entries stored for info->szTableName (-1 when none is
    // stored or the stored count is out of range). SetData: stores them,
    // replacing an earlier order (-1 for a count out of range, nothing stored).
    long GetData(StTEXTIOSAVEINFO* info);
    long SetData(const StTEXTIOSAVEINFO* info);

private:
    ClSetMgr* m_pSetMgr = nullptr;
    char m_szDataID[16] = {};
};
