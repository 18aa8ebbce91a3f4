#include "tests/framework/GuiTest.h"

#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

MessageBoxLog* MessageBoxLog::s_current = nullptr;
FileDialogLog* FileDialogLog::s_current = nullptr;
DialogScript* DialogScript::s_current = nullptr;
RunningDialogScript* RunningDialogScript::s_current = nullptr;

MessageBoxLog::MessageBoxLog()
{
    s_current = this;
    GkSetMessageBoxHandler(&MessageBoxLog::Handler);
}

MessageBoxLog::~MessageBoxLog()
{
    GkSetMessageBoxHandler(nullptr);
    s_current = nullptr;
}

int MessageBoxLog::Handler(HWND owner, const char* text, const char* caption, UINT flags)
{
    MessageBoxLog* log = s_current;
    log->calls.push_back({owner, text ? text : "", caption ? caption : "", flags});
    if (log->onShow) log->onShow(log->calls.back());
    if (log->answers.empty()) return IDOK;
    int answer = log->answers.front();
    log->answers.pop_front();
    return answer;
}

FileDialogLog::FileDialogLog()
{
    s_current = this;
    GkSetFileDialogRunner(&FileDialogLog::Runner);
}

FileDialogLog::~FileDialogLog()
{
    GkSetFileDialogRunner(nullptr);
    s_current = nullptr;
}

BOOL FileDialogLog::Runner(OPENFILENAMEA* ofn, BOOL open)
{
    FileDialogLog* log = s_current;
    FileDialogCall call;
    call.owner = ofn->hwndOwner;
    call.open = open != FALSE;
    call.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
    call.fileName = ofn->lpstrFile ? ofn->lpstrFile : "";
    call.defExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : "";
    call.title = ofn->lpstrTitle ? ofn->lpstrTitle : "";
    if (ofn->lpstrFilter) {
        const char* p = ofn->lpstrFilter;
        while (*p) {
            call.filter += p;
            call.filter += '|';
            p += strlen(p) + 1;
        }
        call.filter += '|';
    }
    call.flags = ofn->Flags;
    log->calls.push_back(call);
    if (log->choices.empty()) return FALSE;
    lstrcpynA(ofn->lpstrFile, log->choices.front().c_str(), static_cast<int>(ofn->nMaxFile));
    log->choices.pop_front();
    return TRUE;
}

void PostKeyDown(HWND hwnd, UINT vk)
{
    UINT scan = MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */);
    PostMessageA(hwnd, WM_KEYDOWN, vk, 1 | (scan << 16));
}

void PostChar(HWND hwnd, unsigned char ch)
{
    PostMessageA(hwnd, WM_CHAR, ch, 1);
}

void SetModifiers(bool shift, bool ctrl, bool alt)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_LSHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_LCONTROL] = ctrl ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    state[VK_LMENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
}

DialogScript::DialogScript(CDialog& dialog, std::vector<std::function<void()>> steps)
    : m_dialog(dialog), m_steps(std::move(steps))
{
    s_current = this;
    m_timer = SetTimer(nullptr, 0, 10, &DialogScript::Tick);
}

DialogScript::~DialogScript()
{
    KillTimer(nullptr, m_timer);
    s_current = nullptr;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    DialogScript* script = s_current;
    if (!script || script->m_dialog.IsEnded()) return;
    // A dialog that is not shown yet (still initialising) waits.
    if (!script->m_dialog.m_hWnd) return;
    if (script->m_next < script->m_steps.size()) {
        script->m_steps[script->m_next++]();
        return;
    }
    script->m_dialog.EndDialog(kScriptEnd);
}

std::string WindowText(HWND hwnd)
{
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(got));
    return text;
}


namespace {
BOOL CALLBACK FindDialogWindow(HWND hwnd, LPARAM out)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd) &&
        GetWindowLongPtrA(hwnd, DWLP_USER) != 0) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

RunningDialogScript::RunningDialogScript(std::vector<std::function<void(CDialog&)>> steps)
    : m_steps(std::move(steps))
{
    s_current = this;
    m_timer = SetTimer(nullptr, 0, 10, &RunningDialogScript::Tick);
}

RunningDialogScript::~RunningDialogScript()
{
    KillTimer(nullptr, m_timer);
    s_current = nullptr;
}

void CALLBACK RunningDialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    RunningDialogScript* script = s_current;
    if (!script) return;
    HWND hwnd = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialogWindow, reinterpret_cast<LPARAM>(&hwnd));
    if (!hwnd) return;
    CDialog* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (dialog->IsEnded()) return;
    if (hwnd != script->m_lastDialog) {
        script->m_lastDialog = hwnd;
        ++script->dialogsSeen;
    }
    if (script->m_next < script->m_steps.size()) {
        script->m_steps[script->m_next++](*dialog);
        return;
    }
    dialog->EndDialog(DialogScript::kScriptEnd);
}
