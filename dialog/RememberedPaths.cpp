// The output paths remembered per user and data set, in the settings file of
// the accounting system's settings folder (folder type 1). Each edition keeps
// its own file ("PelkAlder17ToGk13.env" in edition Alder).
//
// LoadRememberedPath proposes the path of the current user and data set;
// SaveRememberedPath stores the path of this run, creating the settings
// folder when it is missing. Neither shows a message: a failure only means
// that the default path is proposed next time.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/Edition.h"
#include "binding/PelkFileMgr.h"
#include "dialog/ExportCondDlg.h"
#include "dialog/PathText.h"
#include "dialog/RememberedPathFile.h"

namespace {

// The edition's settings file name, fixed when the program is built.
std::string SettingsFileName()
{
    return AppEdition()->pszSettingsName;
}

// The settings folder (ending in a backslash) or "" when there is none.
std::string SettingsFolder()
{
    const char* folder = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS);
    return folder ? folder : "";
}

// Folder and file name joined, or "" when the result exceeds 260 bytes.
std::string SettingsFilePath(const std::string& folder)
{
    std::string path = folder + SettingsFileName();
    return path.size() < GK_PATH_SIZE ? path : std::string();
}

}  // namespace

int CExportCondDlg::LoadRememberedPath(char* path)
{
    std::string filePath = SettingsFilePath(SettingsFolder());
    if (filePath.empty()) return 0;
    return ReadRememberedPath(filePath.c_str(),
                              MakeRememberedPathKey(m_szUserID, m_lSelectedNo1, m_lSelectedNo2),
                              path);
}

int CExportCondDlg::SaveRememberedPath(const char* path)
{
    std::string folder = SettingsFolder();
    if (folder.empty() || folder.size() >= GK_PATH_SIZE) return 0;
    if (!IsExistingFolder(folder.c_str()) && !CreateFolderLevels(folder.c_str())) return 0;

    std::string filePath = SettingsFilePath(folder);
    if (filePath.empty()) return 0;
    return WriteRememberedPath(filePath.c_str(),
                               MakeRememberedPathKey(m_szUserID, m_lSelectedNo1, m_lSelectedNo2),
                               path);
}
