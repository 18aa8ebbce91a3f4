// CWnd and the two control classes the program uses.
//
// A CWnd is a thin handle holder: it does not own its window. Control
// members of a dialog are attached to their windows by DDX_Control and
// detached when the dialog's window is destroyed.
#pragma once

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return this ? m_hWnd : nullptr; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    void Detach() { m_hWnd = nullptr; }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetFocus() { ::SetFocus(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
};

class CButton : public CWnd {
};

class CEdit : public CWnd {
public:
    void LimitText(UINT limit) { SendMessage(EM_LIMITTEXT, limit, 0); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
};
