// A test double of the accounting system's file manager: the data folder is
// whatever the test sets, and releases are counted.
#include "tests/dialog/FakeFileMgr.h"

#include <cstring>

std::string g_fakeDataFolder;
std::string g_fakeSettingsFolder;
int g_fakeFileMgrReleases = 0;

namespace {
ClFileMgr* g_instance = nullptr;
}

ClFileMgr* ClFileMgr::Inst()
{
    if (!g_instance) g_instance = new ClFileMgr();
    return g_instance;
}

void ClFileMgr::Release()
{
    ++g_fakeFileMgrReleases;
    delete g_instance;
    g_instance = nullptr;
}

const char* ClFileMgr::GetAppFolderPath(_FolderType type)
{
    std::memset(m_szPath, 0, sizeof m_szPath);
    const std::string& folder = type == FOLDER_DATA ? g_fakeDataFolder : g_fakeSettingsFolder;
    std::strncpy(m_szPath, folder.c_str(), sizeof m_szPath - 1);
    return m_szPath;
}
