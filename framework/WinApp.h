// CWinApp: the application object of a program without a main window.
//
// The program defines one static object of a class derived from CWinApp; its
// constructor registers it as the application. The entry point (AppEntry.cpp)
// calls InitInstance once and then ExitInstance, whatever InitInstance
// answered, and ends with ExitInstance's result.
//
// The wait cursor: BeginWaitCursor shows the hourglass and counts, so nested
// calls are allowed; RestoreWaitCursor shows it again after something (a
// message box, another window) changed the cursor; EndWaitCursor undoes one
// BeginWaitCursor and restores the arrow when the count reaches zero.
#pragma once

#include <windows.h>

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    void BeginWaitCursor();
    void RestoreWaitCursor();
    void EndWaitCursor();
    int GetWaitCursorCount() const { return m_nWaitCursorCount; }

    const char* m_pszAppName;

private:
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurRestore = nullptr;
};

// The registered application object, or null.
CWinApp* AfxGetApp();

// Support for control containers; the program's dialogs hold no such
// controls, so there is nothing to switch on.
void AfxEnableControlContainer();
