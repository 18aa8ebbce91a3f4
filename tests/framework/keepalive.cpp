// Keeps Wine's desktop and services of the test prefix running for the whole
// test run, started with its output away from CTest's pipes: otherwise every
// test program that opens a window starts them itself and CTest waits for
// them to let go of its output. Writes the marker file given as its argument
// once the desktop is up; ends when the prefix's server stops.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    GetDesktopWindow();
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 nullptr, nullptr);
    if (commandLine && commandLine[0]) {
        FILE* marker = std::fopen(commandLine, "w");
        if (marker) std::fclose(marker);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    if (probe) DestroyWindow(probe);
    return 0;
}
