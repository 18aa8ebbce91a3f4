// Helpers for tests of windows under Wine: recorded message boxes and file
// dialogs with scripted answers, posted key strokes, and a script of steps
// run inside a modal loop.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/Dialog.h"

struct MessageBoxCall {
    HWND owner;
    std::string text;  // Shift-JIS, as shown
    std::string caption;
    UINT flags;
};

// Records every message box while alive; answers from a queue, IDOK when empty.
class MessageBoxLog {
public:
    MessageBoxLog();
    ~MessageBoxLog();
    std::vector<MessageBoxCall> calls;
    std::deque<int> answers;
    // Runs inside the box, before it answers (for example, to check that
    // another program has ended by then).
    std::function<void(const MessageBoxCall&)> onShow;

private:
    static int Handler(HWND owner, const char* text, const char* caption, UINT flags);
    static MessageBoxLog* s_current;
};

struct FileDialogCall {
    HWND owner;
    bool open;
    std::string initialDir;  // empty when none was given
    std::string fileName;
    std::string defExt;
    std::string title;
    std::string filter;      // NUL separators shown as '|'
    DWORD flags;
};

// Records every file dialog while alive; each answers the next choice of
// the queue (a path) or cancels when the queue is empty.
class FileDialogLog {
public:
    FileDialogLog();
    ~FileDialogLog();
    std::vector<FileDialogCall> calls;
    std::deque<std::string> choices;

private:
    static BOOL Runner(OPENFILENAMEA* ofn, BOOL open);
    static FileDialogLog* s_current;
};

// Key strokes posted to a window, as the keyboard would deliver them to the
// focused control. Modifiers are set in the thread's key state meanwhile.
void PostKeyDown(HWND hwnd, UINT vk);
void PostChar(HWND hwnd, unsigned char ch);
void SetModifiers(bool shift, bool ctrl, bool alt);

// Runs steps one by one inside whatever modal loop is running, each after
// the messages posted by the step before have been handled. When the steps
// are used up and the dialog is still open, it is ended with kScriptEnd.
class DialogScript {
public:
    enum { kScriptEnd = 4242 };
    DialogScript(CDialog& dialog, std::vector<std::function<void()>> steps);
    ~DialogScript();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static DialogScript* s_current;
    CDialog& m_dialog;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
};

// Like DialogScript, for a dialog that code under test creates itself:
// each step gets the CDialog that is running modally at that moment (found
// through its window), and runs only while one is. Dialogs still open after
// the last step are ended with DialogScript::kScriptEnd. dialogsSeen counts
// the dialogs met.
class RunningDialogScript {
public:
    explicit RunningDialogScript(std::vector<std::function<void(CDialog&)>> steps);
    ~RunningDialogScript();
    int dialogsSeen = 0;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static RunningDialogScript* s_current;
    std::vector<std::function<void(CDialog&)>> m_steps;
    size_t m_next = 0;
    HWND m_lastDialog = nullptr;
    UINT_PTR m_timer = 0;
};

// The text of a window as Shift-JIS bytes.
std::string WindowText(HWND hwnd);
