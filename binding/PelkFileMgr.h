// ClFileMgr: the application folders of the accounting system (a singleton).
//
// GetAppFolderPath answers a Shift-JIS folder path that ends in the path
// separator ('\' on Windows, '/' elsewhere), or an empty text when the
// folder is unknown (no store open, or a folder that cannot be represented
// in Shift-JIS or does not fit 260 bytes). The folders are kept in the ledger
// store; the text stays valid until the next call or Release.
#pragma once

class ClFileMgr {
public:
    enum _FolderType {
        FOLDER_DATA = 0,      // where exported files are proposed
        FOLDER_SETTINGS = 1,  // where programs keep their settings files
    };

    static ClFileMgr* Inst();
    static void Release();

    const char* GetAppFolderPath(_FolderType type);

private:
    ClFileMgr() = default;
    ClFileMgr(const ClFileMgr&) = delete;
    ClFileMgr& operator=(const ClFileMgr&) = delete;

    char m_szPath[261] = {};
};
