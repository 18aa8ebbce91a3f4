#include "framework/Dialog.h"

#include <algorithm>
#include <vector>

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd) return;
    control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
    pDX->m_pDlgWnd->NoteAttached(&control);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    HWND item = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate) {
        int length = GetWindowTextLengthA(item);
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        GetWindowTextA(item, buffer.data(), length + 1);
        value = buffer.data();
    } else {
        SetWindowTextA(item, value);
    }
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent)
{
}

CDialog::~CDialog()
{
    if (m_hWnd) DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_bEnded = false;
    m_nModalResult = -1;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                   owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) return -1;

    // A dialog that ended during its initialisation is never shown.
    if (!m_bEnded) {
        if (owner) EnableWindow(owner, FALSE);
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        HWND focus = GetFocus();
        if (!focus || (focus != hwnd && !IsChild(hwnd, focus))) {
            HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
            ::SetFocus(first ? first : hwnd);
        }
    }

    MSG msg;
    bool quit = false;
    while (!m_bEnded) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quit = got == 0;
            break;
        }
        if (!PreTranslateMessage(&msg) && !IsDialogMessageA(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(hwnd);
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
    return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEnded = true;
    // Wake the modal loop if it is waiting for a message.
    if (m_hWnd) PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    if (!m_hWnd) return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::Dispatch(UINT message, UINT code, UINT id)
{
    const GkMessageEntry* entry = GetMessageMap();
    for (; entry && entry->handler; ++entry) {
        if (entry->message != message) continue;
        if (message == WM_COMMAND && (entry->code != code || entry->id != id)) continue;
        (this->*entry->handler)();
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hWnd = hwnd;
        return self->OnInitDialog();
    }
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;

    switch (message) {
    case WM_COMMAND: {
        UINT code = HIWORD(wParam);
        UINT id = LOWORD(wParam);
        if (self->Dispatch(WM_COMMAND, code, id)) return TRUE;
        if (id == IDOK && (code == BN_CLICKED || lParam == 0)) {
            self->OnOK();
            return TRUE;
        }
        if (id == IDCANCEL && (code == BN_CLICKED || lParam == 0)) {
            self->OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        self->Dispatch(WM_DESTROY, 0, 0);
        return FALSE;
    case WM_NCDESTROY:
        for (CWnd* control : self->m_attached) control->Detach();
        self->m_attached.clear();
        self->m_hWnd = nullptr;
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}
