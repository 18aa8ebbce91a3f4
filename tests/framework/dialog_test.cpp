// The dialog base: its own modal loop hands every message to
// PreTranslateMessage before the dialog processing, dispatches commands and
// WM_DESTROY through the message table, exchanges data both ways, and never
// shows a dialog that ended during its initialisation.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "tests/framework/GuiTest.h"

namespace {

class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(200) {}

    CEdit m_edit;
    CString m_strText;
    bool m_bEndInInit = false;
    bool m_bConsumeEscape = false;
    std::vector<UINT> preTranslated;  // WM_KEYDOWN keys seen
    std::vector<std::string> events;
    bool wasVisible = false;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 201, m_edit);
        DDX_Text(pDX, 201, m_strText);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_bEndInInit) EndDialog(77);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            preTranslated.push_back(static_cast<UINT>(msg->wParam));
            if (m_bConsumeEscape && msg->wParam == VK_ESCAPE) return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }
    void OnCancel() override
    {
        events.push_back("cancel");
        CDialog::OnCancel();
    }
    const GkMessageEntry* GetMessageMap() const override
    {
        static const GkMessageEntry entries[] = {
            {WM_DESTROY, 0, 0, GK_HANDLER(&ProbeDialog::OnDestroyProbe)},
            {WM_COMMAND, BN_CLICKED, 202, GK_HANDLER(&ProbeDialog::OnGo)},
            {0, 0, 0, nullptr},
        };
        return entries;
    }
    void OnGo()
    {
        events.push_back("go");
        wasVisible = IsWindowVisible(m_hWnd) != FALSE;
        UpdateData(TRUE);
        EndDialog(55);
    }
    void OnDestroyProbe() { events.push_back("destroy"); }
};

TEST(CDialogTest, DataExchangeAndButtonDispatch)
{
    ProbeDialog dlg;
    dlg.m_strText = "初期値";
    std::string shown;
    DialogScript script(dlg, {
        [&] {
            shown = WindowText(dlg.m_edit.m_hWnd);
            SetWindowTextA(dlg.m_edit.m_hWnd, "C:\\表\\x.csv");
            PostMessageA(dlg.GetDlgItem(202), BM_CLICK, 0, 0);
        },
    });
    EXPECT_EQ(55, dlg.DoModal());
    EXPECT_EQ("初期値", shown);
    EXPECT_STREQ("C:\\表\\x.csv", dlg.m_strText);
    EXPECT_TRUE(dlg.wasVisible);
    EXPECT_EQ((std::vector<std::string>{"go", "destroy"}), dlg.events);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);  // detached with the window
}

TEST(CDialogTest, PreTranslateSeesKeysBeforeTheDialogProcessing)
{
    {
        ProbeDialog dlg;
        DialogScript script(dlg, {[&] { PostKeyDown(dlg.m_edit.m_hWnd, VK_ESCAPE); }});
        EXPECT_EQ(IDCANCEL, dlg.DoModal());  // Esc reached OnCancel
        EXPECT_EQ(std::vector<UINT>{VK_ESCAPE}, dlg.preTranslated);
        EXPECT_EQ("cancel", dlg.events.front());
    }
    {
        ProbeDialog dlg;
        dlg.m_bConsumeEscape = true;
        DialogScript script(dlg, {[&] { PostKeyDown(dlg.m_edit.m_hWnd, VK_ESCAPE); }});
        EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());  // consumed: no cancel
        EXPECT_EQ(std::vector<UINT>{VK_ESCAPE}, dlg.preTranslated);
        EXPECT_EQ(std::vector<std::string>{"destroy"}, dlg.events);
    }
}

TEST(CDialogTest, CloseBoxCancels)
{
    ProbeDialog dlg;
    DialogScript script(dlg, {[&] { PostMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("cancel", dlg.events.front());
}

int g_shownWindows = 0;
LRESULT CALLBACK WatchShow(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    bool topLevel = (GetWindowLongA(cwp->hwnd, GWL_STYLE) & WS_CHILD) == 0;
    if (code == HC_ACTION && cwp->message == WM_SHOWWINDOW && cwp->wParam && topLevel)
        ++g_shownWindows;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(CDialogTest, EndedDuringInitialisationIsNeverShown)
{
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &WatchShow, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    g_shownWindows = 0;
    {
        ProbeDialog dlg;  // shown normally: the watch sees it
        DialogScript script(dlg, {});
        EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());
    }
    EXPECT_GT(g_shownWindows, 0);
    g_shownWindows = 0;
    ProbeDialog dlg;
    dlg.m_bEndInInit = true;
    EXPECT_EQ(77, dlg.DoModal());
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(0, g_shownWindows);
    EXPECT_EQ(std::vector<std::string>{"destroy"}, dlg.events);
}

int g_recordedFlags = 0;
std::string g_recordedText;
int RecordBox(HWND, const char* text, const char*, UINT flags)
{
    g_recordedText = text;
    g_recordedFlags = static_cast<int>(flags);
    return IDNO;
}

TEST(MessageBoxTest, HandlerTakesEveryBoxUntilRemoved)
{
    GkMessageBoxHandler previous = GkSetMessageBoxHandler(&RecordBox);
    EXPECT_EQ(nullptr, previous);
    EXPECT_EQ(IDNO, GkMessageBox(nullptr, "本文", "題", MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ("本文", g_recordedText);
    EXPECT_EQ(MB_YESNO | MB_ICONQUESTION, g_recordedFlags);
    EXPECT_EQ(&RecordBox, GkSetMessageBoxHandler(nullptr));
}

TEST(CFileDialogTest, PreparesTheSystemDialog)
{
    FileDialogLog log;
    log.choices.push_back("C:\\out\\chosen.csv");
    CFileDialog dialog(FALSE, "CSV", "a.csv", OFN_HIDEREADONLY, "CSV Files (*.csv)|*.csv||");
    dialog.m_ofn.lpstrInitialDir = "C:\\out\\";
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("C:\\out\\chosen.csv", dialog.GetPathName());
    ASSERT_EQ(1u, log.calls.size());
    EXPECT_FALSE(log.calls[0].open);
    EXPECT_EQ("a.csv", log.calls[0].fileName);
    EXPECT_EQ("CSV Files (*.csv)|*.csv||", log.calls[0].filter);
    EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY), log.calls[0].flags);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());  // no further choice: cancelled
}

TEST(CWinAppTest, WaitCursorNestsAndEnds)
{
    CWinApp app;
    EXPECT_EQ(&app, AfxGetApp());
    app.BeginWaitCursor();
    app.BeginWaitCursor();
    app.RestoreWaitCursor();
    EXPECT_EQ(2, app.GetWaitCursorCount());
    app.EndWaitCursor();
    app.EndWaitCursor();
    app.EndWaitCursor();  // one too many is harmless
    EXPECT_EQ(0, app.GetWaitCursorCount());
}

}  // namespace
