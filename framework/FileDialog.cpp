#include "framework/FileDialog.h"

#include <commdlg.h>

#include <cstring>

namespace {
GkFileDialogRunner g_runner = nullptr;

BOOL RunSystemDialog(OPENFILENAMEA* ofn, BOOL openFileDialog)
{
    return openFileDialog ? GetOpenFileNameA(ofn) : GetSaveFileNameA(ofn);
}
}  // namespace

GkFileDialogRunner GkSetFileDialogRunner(GkFileDialogRunner runner)
{
    GkFileDialogRunner previous = g_runner;
    g_runner = runner;
    return previous;
}

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : m_bOpenFileDialog(openFileDialog)
{
    std::memset(&m_ofn, 0, sizeof m_ofn);
    std::memset(m_szFileName, 0, sizeof m_szFileName);
    if (fileName) {
        std::strncpy(m_szFileName, fileName, sizeof m_szFileName - 1);
    }
    if (defaultExt) m_strDefExt = defaultExt;
    if (filter) {
        m_strFilter = filter;
        for (char& c : m_strFilter)
            if (c == '|') c = '\0';
        m_strFilter.push_back('\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrDefExt = defaultExt ? m_strDefExt.c_str() : nullptr;
    m_ofn.lpstrFilter = filter ? m_strFilter.c_str() : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    BOOL ok = g_runner ? g_runner(&m_ofn, m_bOpenFileDialog)
                       : RunSystemDialog(&m_ofn, m_bOpenFileDialog);
    return ok ? IDOK : IDCANCEL;
}
