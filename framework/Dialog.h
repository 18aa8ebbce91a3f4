// CDialog: a modal dialog over a dialog template of the program's resources.
//
// DoModal creates the dialog window, runs OnInitDialog, shows the window
// unless OnInitDialog already ended the dialog, and then runs a modal loop of
// its own in which every message first goes to PreTranslateMessage and only
// then to the standard dialog processing (IsDialogMessage). It answers the
// code given to EndDialog, or -1 when the window cannot be created.
//
// Commands and WM_DESTROY are dispatched through a message table that a
// derived class supplies with GetMessageMap; IDOK and IDCANCEL that no table
// entry takes go to the virtual OnOK and OnCancel. Data exchange binds
// control members (DDX_Control) and texts (DDX_Text) in DoDataExchange;
// UpdateData(TRUE) reads the controls into the members, UpdateData(FALSE)
// writes the members into the controls.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/String.h"
#include "framework/Wnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate)
    {
    }
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls -> members
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);

// One entry of a message table. For WM_COMMAND, code and id select the
// notification (BN_CLICKED) and the control; other messages match on
// message alone. The table ends with an entry whose handler is null.
typedef void (CDialog::*GkDialogHandler)();
struct GkMessageEntry {
    UINT message;
    UINT code;
    UINT id;
    GkDialogHandler handler;
};
#define GK_HANDLER(memberFunction) static_cast<GkDialogHandler>(memberFunction)

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    // The derived class's table; searched before the default handling.
    virtual const GkMessageEntry* GetMessageMap() const { return nullptr; }

    UINT GetTemplateId() const { return m_nIDTemplate; }
    bool IsEnded() const { return m_bEnded; }

    // Called by DDX_Control so that the window's destruction detaches it.
    void NoteAttached(CWnd* control) { m_attached.push_back(control); }

protected:
    void OnDestroy() {}  // the framework's handler: nothing to release

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL Dispatch(UINT message, UINT code, UINT id);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bEnded = false;
    int m_nModalResult = -1;
    std::vector<CWnd*> m_attached;
};
