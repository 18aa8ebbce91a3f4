// OnExecute: the execute action of the export-conditions dialog (button,
// Enter on the button, F12). It accepts the path field's text as the output
// path only when the path is not empty, holds no forbidden character, lies on
// a usable drive or share, names a file and not a folder, has an existing
// folder (created on request) and, when the file exists, the user agrees to
// overwrite it. Then the dialog ends with IDC_EXECUTE; otherwise it stays
// open with the path field focused and its text selected. The path is never
// altered, and no file is touched here.
#include <windows.h>
#include <io.h>

#include "dialog/DriveCheck.h"
#include "dialog/ExportCondDlg.h"
#include "dialog/PathText.h"
#include "framework/File.h"
#include "framework/MessageBox.h"

namespace {

const char kCaption[] = "減価償却";
const char kEmptyText[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
const char kInvalidCharsText[] =
    "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
const char kInvalidDriveText[] = "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
const char kNoFileNameText[] = "ファイル名が指定されていません。";
const char kCreateFolderQuestion[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
const char kCreateFolderFailedText[] =
    "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
const char kOverwriteQuestion[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

const int ACCESS_EXISTS = 0;

}  // namespace

void CExportCondDlg::OnExecute()
{
    // Every refusal leaves the user in the path field with its text selected.
    auto backToPathField = [this] {
        m_editOutputPath.SetFocus();
        m_editOutputPath.SetSel(0, -1);
        m_editOutputPath.SendMessage(EM_SCROLLCARET);
    };
    auto refuse = [&](const char* text) {
        GkMessageBox(m_hWnd, text, kCaption, MB_ICONEXCLAMATION | MB_OK);
        backToPathField();
    };
    auto userAgrees = [&](const char* question) {
        if (GkMessageBox(m_hWnd, question, kCaption, MB_ICONQUESTION | MB_YESNO) != IDNO)
            return true;
        backToPathField();
        return false;
    };

    UpdateData(TRUE);
    const CString& path = m_strOutputPath;

    if (path.IsEmpty()) return refuse(kEmptyText);
    if (!HasNoInvalidChars(path)) return refuse(kInvalidCharsText);
    if (!CheckDrive(path)) return refuse(kInvalidDriveText);
    if (GetFileNamePart(path).IsEmpty()) return refuse(kNoFileNameText);

    CString folder = GetFolderPart(path);
    if (!folder.IsEmpty() && _access(folder, ACCESS_EXISTS) != 0) {
        if (!userAgrees(kCreateFolderQuestion)) return;
        if (!CreateFolderLevels(folder)) return refuse(kCreateFolderFailedText);
    }

    CFileStatus status;
    if (CFile::GetStatus(path, status)) {
        if (status.m_attribute & FILE_ATTRIBUTE_DIRECTORY) return refuse(kNoFileNameText);
        if (!userAgrees(kOverwriteQuestion)) return;
    }
    EndDialog(IDC_EXECUTE);
}

int CExportCondDlg::CheckDrive(CString path)
{
    return ::CheckDrive(path);
}

int CExportCondDlg::CheckDriveLetter(signed char letter, int accessMode)
{
    return ::CheckDriveLetter(letter, accessMode);
}
