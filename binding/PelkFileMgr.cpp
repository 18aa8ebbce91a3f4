// Application folders: kept in the ledger store ("folder0", "folder1"),
// by default beside the store file. A folder is created when it is asked for.
#include "binding/PelkFileMgr.h"

#include <cstring>
#include <string>

#include "binding/LedgerStore.h"
#include "binding/PelkCmn.h"
#include "binding/SjisText.h"

namespace {
ClFileMgr* g_pFileMgr = nullptr;
}  // namespace

ClFileMgr* ClFileMgr::Inst()
{
    if (!g_pFileMgr) g_pFileMgr = new ClFileMgr();
    return g_pFileMgr;
}

void ClFileMgr::Release()
{
    delete g_pFileMgr;
    g_pFileMgr = nullptr;
}

const char* ClFileMgr::GetAppFolderPath(_FolderType type)
{
    std::memset(m_szPath, 0, sizeof m_szPath);
    ClLedgerStore* store = ClSetMgr().GetStore();
    if (!store || !store->IsOpen() || (type != FOLDER_DATA && type != FOLDER_SETTINGS)) return m_szPath;
    std::string folder;
    if (!store->GetSetting(type == FOLDER_DATA ? "folder0" : "folder1", &folder) || folder.empty()) {
        folder = LedgerDirName(store->Path());
        if (!folder.empty()) folder += LedgerPathSeparator();
        folder += type == FOLDER_DATA ? "Export" : "Settings";
    }
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == LedgerPathSeparator())) {
        folder.pop_back();
    }
    LedgerMakeDirs(folder);
    folder += LedgerPathSeparator();
    // A folder without an exact Shift-JIS form, or too long for a path
    // buffer, is not offered at all: a cut or altered path would name
    // another folder.
    if (!FillSjisField(m_szPath, sizeof m_szPath, folder)) m_szPath[0] = '\0';
    return m_szPath;
}
