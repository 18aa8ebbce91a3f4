#include "dialog/ExportCondDlg.h"

#include <cstring>

#include "binding/PelkFileMgr.h"
#include "dialog/PathText.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

namespace {

const char kCaption[] = "減価償却";
const char kPastResultsText[] =
    "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
const char kCancelText[] = "｢減価償却｣の集計を中止します。";
const char kPattern[] = "*.csv";

enum { PATH_SIZE = 261, TYPED_PATH_LIMIT = 255 };

// Appends the pattern when the whole proposal still fits the path buffer;
// a folder too long for it is proposed without the pattern rather than cut.
void AppendPattern(char* path)
{
    if (std::strlen(path) + sizeof kPattern <= PATH_SIZE) std::strcat(path, kPattern);
}

bool IsKeyHeld(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

CExportCondDlg::CExportCondDlg(CWnd* parent) : CDialog(IDD, parent)
{
}

CExportCondDlg::~CExportCondDlg()
{
    ClFileMgr::Inst();
    ClFileMgr::Release();
}

const GkMessageEntry* CExportCondDlg::GetMessageMap() const
{
    static const GkMessageEntry entries[] = {
        {WM_DESTROY, 0, 0, GK_HANDLER(&CExportCondDlg::OnDestroy)},
        {WM_COMMAND, BN_CLICKED, IDC_BROWSE, GK_HANDLER(&CExportCondDlg::OnBrowse)},
        {WM_COMMAND, BN_CLICKED, IDC_EXECUTE, GK_HANDLER(&CExportCondDlg::OnExecute)},
        {WM_COMMAND, BN_CLICKED, IDC_CANCEL, GK_HANDLER(&CExportCondDlg::OnCancelButton)},
        {0, 0, 0, nullptr},
    };
    return entries;
}

void CExportCondDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRP_OUTPUT, m_grpOutput);
    DDX_Control(pDX, IDC_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_EXECUTE, m_btnExecute);
    DDX_Control(pDX, IDC_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_editOutputPath);
    DDX_Text(pDX, IDC_COMPANY, m_strCompanyName);
    DDX_Text(pDX, IDC_PERIOD, m_strPeriod);
    DDX_Text(pDX, IDC_OUTPUT_PATH, m_strOutputPath);
}

BOOL CExportCondDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (m_bPastResults == 1) {
        GkMessageBox(m_hWnd, kPastResultsText, kCaption, MB_ICONEXCLAMATION | MB_OK);
        EndDialog(IDC_CANCEL);
    }

    m_editOutputPath.LimitText(TYPED_PATH_LIMIT);

    char path[PATH_SIZE] = {};
    if (!LoadRememberedPath(path)) ProposeDefaultPath(path);

    m_strOutputPath = path;
    UpdateData(FALSE);
    return TRUE;
}

void CExportCondDlg::ProposeDefaultPath(char* path)
{
    std::memset(path, 0, PATH_SIZE);
    const char* folder = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_DATA);
    if (folder && folder[0] != '\0') {
        // The folder text of the accounting system ends in a backslash.
        std::strncpy(path, folder, PATH_SIZE - 1);
        AppendPattern(path);
        return;
    }
    DWORD length = GetTempPathA(PATH_SIZE, path);
    if (length == 0 || length >= PATH_SIZE) {
        std::memset(path, 0, PATH_SIZE);
        std::strcpy(path, kPattern);
        return;
    }
    AddTrailingBackslash(path, PATH_SIZE);
    AppendPattern(path);
}

void CExportCondDlg::OnBrowse()
{
    UpdateData(TRUE);

    CString folder;
    CString fileName;
    if (m_strOutputPath.ReverseFind('\\') >= 0) {
        folder = GetFolderPart(m_strOutputPath);
        fileName = GetFileNamePart(m_strOutputPath);
    } else {
        folder = GetDrivePart(m_strOutputPath);
        fileName = GetAfterDrivePart(m_strOutputPath);
    }

    CFileDialog dialog(FALSE, "CSV", fileName,
                       OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                       "CSV Files (*.csv)|*.csv||", this);
    dialog.m_ofn.lpstrInitialDir = folder.IsEmpty() ? nullptr : folder.GetString();
    dialog.m_ofn.lpstrTitle = "保存ファイルを指定";
    if (dialog.DoModal() == IDOK) {
        m_strOutputPath = dialog.GetPathName();
        UpdateData(FALSE);
    }
    m_btnExecute.SetFocus();
}

BOOL CExportCondDlg::PreTranslateMessage(MSG* msg)
{
    bool modifier = IsKeyHeld(VK_SHIFT) || IsKeyHeld(VK_CONTROL) || IsKeyHeld(VK_MENU);
    if (msg->message == WM_KEYDOWN && !modifier) {
        if (msg->wParam == VK_RETURN) {
            if (msg->hwnd == m_editOutputPath.m_hWnd) {
                if (m_btnBrowse.IsWindowEnabled())
                    m_btnBrowse.SetFocus();
                else
                    m_btnExecute.SetFocus();
                return TRUE;
            }
            if (msg->hwnd == m_btnBrowse.m_hWnd) {
                OnBrowse();
                return TRUE;
            }
            if (msg->hwnd == m_btnExecute.m_hWnd) {
                OnExecute();
                return TRUE;
            }
        } else if (msg->wParam == VK_F12) {
            OnExecute();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void CExportCondDlg::OnCancel()
{
    GkMessageBox(m_hWnd, kCancelText, kCaption, MB_ICONINFORMATION | MB_OK);
    EndDialog(IDC_CANCEL);
}

void CExportCondDlg::OnOK()
{
    OnExecute();
}

void CExportCondDlg::OnCancelButton()
{
    OnCancel();
}

void CExportCondDlg::OnDestroy()
{
    CDialog::OnDestroy();
}
