// CExportCondDlg: the export-conditions dialog, the program's only window.
//
// Shows the company and the accounting period of the selected data set and
// lets the user choose the path of the asset data file. Ends with
// IDC_EXECUTE (1005) when the user executes with an accepted path and with
// IDC_CANCEL (1006) when the user cancels or the data set holds past results
// only. The application fills the display texts, the user id, the two
// selection numbers and the past-results flag before DoModal, reads
// m_strOutputPath afterwards, and calls SaveRememberedPath once after the
// export. The destructor releases the accounting system's file manager.
#pragma once

#include "framework/Dialog.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "res/resource.h"

class CExportCondDlg : public CDialog {
public:
    enum { IDD = IDD_EXPORTCOND };

    explicit CExportCondDlg(CWnd* parent = nullptr);
    ~CExportCondDlg() override;

    // Members in the order of the dialog's data.
    CButton m_grpOutput;
    CButton m_btnCancel;
    CButton m_btnExecute;
    CButton m_btnBrowse;
    CEdit m_editOutputPath;
    CString m_strCompanyName;
    CString m_strPeriod;
    CString m_strOutputPath;
    long m_lSelectedNo1 = 0;  // 32-bit on the target platform
    long m_lSelectedNo2 = 0;
    long m_bPastResults = 0;
    char m_szUserID[65] = {};

    // The remembered path of the current user and data set: Load fills
    // path (261 bytes) and answers 1 when there is one; Save stores path.
    int LoadRememberedPath(char* path);
    int SaveRememberedPath(const char* path);

    void OnExecute();
    // The drive or share test of a path, and the drive-type and access test
    // of one drive letter (dialog/DriveCheck.h).
    int CheckDrive(CString path);
    int CheckDriveLetter(signed char letter, int accessMode);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // The default OK command (Enter with Shift or Ctrl held in the path
    // field) would end the dialog without the path checks and still lead to
    // an export; it runs the execute action instead.
    void OnOK() override;

    const GkMessageEntry* GetMessageMap() const override;

    void OnDestroy();
    void OnBrowse();
    void OnCancelButton();

private:
    // The default proposal when no path is remembered: the data folder of
    // the accounting system, else the temporary folder, with "*.csv".
    void ProposeDefaultPath(char* path);
};
