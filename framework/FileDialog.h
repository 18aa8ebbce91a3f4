// CFileDialog: the common file dialog, open or save mode.
//
// The constructor prepares m_ofn from its arguments: a filter in the form
// "Text (*.x)|*.x||" ('|' separates, as in resource strings), the initial
// file name, the default extension and the flags. The caller may still set
// m_ofn fields (lpstrInitialDir, lpstrTitle) before DoModal. DoModal answers
// IDOK or IDCANCEL; GetPathName gives the chosen full path after IDOK.
//
// All dialogs go through one replaceable runner, so that a test can record
// the prepared OPENFILENAMEA and play the user's choice.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "framework/String.h"
#include "framework/Wnd.h"

class CFileDialog {
public:
    CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr,
                const char* fileName = nullptr, DWORD flags = 0, const char* filter = nullptr,
                CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    virtual INT_PTR DoModal();
    CString GetPathName() const { return CString(m_szFileName); }
    bool IsOpenDialog() const { return m_bOpenFileDialog != FALSE; }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    std::string m_strFilter;  // '|' replaced by NUL
    std::string m_strDefExt;
    char m_szFileName[MAX_PATH];
};

// Runs the dialog of ofn: answers TRUE when the user confirmed (the chosen
// path then in ofn->lpstrFile), FALSE when cancelled.
typedef BOOL (*GkFileDialogRunner)(OPENFILENAMEA* ofn, BOOL openFileDialog);

// Installs runner (null: the system's dialog) and answers the previous one.
GkFileDialogRunner GkSetFileDialogRunner(GkFileDialogRunner runner);
