#include "framework/WinApp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

void AfxEnableControlContainer()
{
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    if (!g_app) g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::BeginWaitCursor()
{
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    if (m_nWaitCursorCount++ == 0) m_hcurRestore = previous;
}

void CWinApp::RestoreWaitCursor()
{
    if (m_nWaitCursorCount > 0) SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
}

void CWinApp::EndWaitCursor()
{
    if (m_nWaitCursorCount == 0) return;
    if (--m_nWaitCursorCount == 0) {
        SetCursor(m_hcurRestore ? m_hcurRestore : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        m_hcurRestore = nullptr;
    }
}
