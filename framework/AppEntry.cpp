// The entry point of a program built on CWinApp: one pass of InitInstance,
// then ExitInstance. Linked into the programs only, never into tests.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->InitInstance();
    return app->ExitInstance();
}
