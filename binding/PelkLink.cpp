// The connection: opens the ledger store for the other libraries and shows
// the library's message boxes.
#include "binding/PelkLink.h"

#include <cstdio>
#include <memory>
#include <string>

#include "binding/LedgerStore.h"
#include "binding/PelkCmn.h"
#include "binding/SjisText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

ClPelkConnect* g_pConnect = nullptr;
ClPelkConnect::PFNMESSAGEHOOK g_pfnHook = nullptr;
std::unique_ptr<ClLedgerStore> g_pStore;

const char kPlaceholder[] = "ES_APRPACKAGENAME";

int ShowMessage(void* owner, const char* text, const char* caption, unsigned int flags)
{
    if (g_pfnHook) return g_pfnHook(owner, text, caption, flags);
#ifdef _WIN32
    return MessageBoxA(static_cast<HWND>(owner), text, caption, flags);
#else
    (void)owner;
    (void)flags;
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
    return 1;  // IDOK
#endif
}

// A path in a message: its Shift-JIS form, or an ASCII form with every
// other byte escaped when it has none.
std::string PathForMessage(const std::string& utf8)
{
    std::string sjis;
    if (Utf8ToSjis(utf8, &sjis)) return sjis;
    std::string out;
    for (unsigned char c : utf8) {
        if (c >= 0x20 && c < 0x7F) {
            out += (char)c;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

}  // namespace

ClPelkConnect* ClPelkConnect::Inst()
{
    if (!g_pConnect) g_pConnect = new ClPelkConnect();
    return g_pConnect;
}

void ClPelkConnect::Release()
{
    if (g_pConnect) {
        g_pConnect->Terminate();
        delete g_pConnect;
        g_pConnect = nullptr;
    }
}

void ClPelkConnect::SetMessageHook(PFNMESSAGEHOOK hook)
{
    g_pfnHook = hook;
}

long ClPelkConnect::SetAppType(ClSysEnvMgr::_AppType type)
{
    m_eAppType = type;
    return 0;
}

long ClPelkConnect::SetUseDataType(long type)
{
    m_lUseDataType = type;
    return 0;
}

long ClPelkConnect::Initiate()
{
    Terminate();
    std::string path = ClLedgerStore::ResolvePath();
    std::unique_ptr<ClLedgerStore> store(new ClLedgerStore());
    std::string problem;
    if (!store->Open(path, &problem)) {
        std::string text = "台帳ファイルを開けません。\n" + PathForMessage(path) + "\n" + problem;
        ShowMessage(nullptr, text.c_str(), m_pszTitle ? m_pszTitle : PELK_APP_NAME, 0x10 /* MB_ICONHAND */);
        return -1;
    }
    g_pStore = std::move(store);
    ClSetMgr::SetStore(g_pStore.get());
    m_bInitiated = true;
    return 0;
}

long ClPelkConnect::ExpSysLink()
{
    return m_bInitiated ? 0 : -1;
}

long ClPelkConnect::DispMsg(void* owner, const char* text, const char* caption, unsigned int flags)
{
    std::string message = text ? text : "";
    const size_t n = sizeof(kPlaceholder) - 1;
    for (size_t at = message.find(kPlaceholder); at != std::string::npos;
         at = message.find(kPlaceholder, at + sizeof(PELK_APP_NAME) - 1)) {
        message.replace(at, n, PELK_APP_NAME);
    }
    return ShowMessage(owner, message.c_str(), caption, flags);
}

long ClPelkConnect::LogOut()
{
    return 0;
}

long ClPelkConnect::Terminate()
{
    ClSetMgr::SetStore(nullptr);
    g_pStore.reset();
    m_bInitiated = false;
    return 0;
}
