#include "framework/MessageBox.h"

namespace {
GkMessageBoxHandler g_handler = nullptr;
}

int GkMessageBox(HWND owner, const char* text, const char* caption, UINT flags)
{
    if (g_handler) return g_handler(owner, text, caption, flags);
    return MessageBoxA(owner, text, caption, flags);
}

GkMessageBoxHandler GkSetMessageBoxHandler(GkMessageBoxHandler handler)
{
    GkMessageBoxHandler previous = g_handler;
    g_handler = handler;
    return previous;
}
