// The one way the program shows a message box.
//
// GkMessageBox shows it with MessageBoxA unless a handler is installed; a
// test installs one to record the text, caption and flags and to give the
// answer, so no real box ever waits for a click.
#pragma once

#include <windows.h>

typedef int (*GkMessageBoxHandler)(HWND owner, const char* text, const char* caption,
                                   UINT flags);

int GkMessageBox(HWND owner, const char* text, const char* caption, UINT flags);

// Installs handler (null: MessageBoxA again) and answers the previous one.
GkMessageBoxHandler GkSetMessageBoxHandler(GkMessageBoxHandler handler);
