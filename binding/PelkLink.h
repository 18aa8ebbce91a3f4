// ClPelkConnect: the connection to the accounting system (a singleton).
//
// Calling order: set m_pszTitle, SetAppType, SetUseDataType, Initiate, then
// ExpSysLink; on the way out LogOut, Terminate, Release (Release also after
// a failed Initiate). Initiate opens the ledger store (LedgerStore.h); when
// the store is missing, unreadable, damaged or of a newer schema, Initiate
// shows one message naming the file and the problem and answers nonzero, and
// the caller shows nothing more. Results: 0 success, negative failure.
//
// DispMsg shows a message box; the placeholder ES_APRPACKAGENAME in the text
// is replaced by the accounting application's name (PELK_APP_NAME). Tests and
// command-line hosts can route message boxes elsewhere with SetMessageHook.
#pragma once

#include "binding/PelkEnvMgr.h"

// The name that stands in for ES_APRPACKAGENAME in messages (Shift-JIS).
#define PELK_APP_NAME "Pelk Ledger"

class ClPelkConnect {
public:
    // The application title: caption of the connection's own messages.
    // Kept as the first data member; the caller sets it before any call.
    const char* m_pszTitle = nullptr;

    static ClPelkConnect* Inst();
    static void Release();  // destroys the singleton; Inst() makes a new one

    long SetAppType(ClSysEnvMgr::_AppType type);
    long SetUseDataType(long type);
    long Initiate();
    long ExpSysLink();
    long DispMsg(void* owner, const char* text, const char* caption, unsigned int flags);
    long LogOut();
    long Terminate();

    // Where message boxes go. The hook receives Shift-JIS texts with the
    // placeholder already replaced and answers like MessageBoxA. Null restores
    // the default (MessageBoxA on Windows, standard error elsewhere).
    typedef int (*PFNMESSAGEHOOK)(void* owner, const char* text, const char* caption,
                                  unsigned int flags);
    static void SetMessageHook(PFNMESSAGEHOOK hook);

    ClSysEnvMgr::_AppType GetAppType() const { return m_eAppType; }
    long GetUseDataType() const { return m_lUseDataType; }
    bool IsInitiated() const { return m_bInitiated; }

private:
    ClPelkConnect() = default;
    ~ClPelkConnect() = default;
    ClPelkConnect(const ClPelkConnect&) = delete;
    ClPelkConnect& operator=(const ClPelkConnect&) = delete;

    ClSysEnvMgr::_AppType m_eAppType = ClSysEnvMgr::APPTYPE_ALDER;
    long m_lUseDataType = 0;
    bool m_bInitiated = false;
};
