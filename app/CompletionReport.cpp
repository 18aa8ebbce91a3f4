// The completion report: judges the run by the error log beside the output
// path. A log with entries is shown in WordPad and, once WordPad has been
// closed, the tentative-completion message follows; an empty (or missing)
// log is deleted and the success message names the two data files. A run
// whose job could not write one of its files whole gets an error message
// naming that file instead, and every file is left as it is.
// The two derived paths are the job's own (export/GkPaths.h).
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/Edition.h"
#include "app/ExportApp.h"
#include "export/GkPaths.h"
#include "framework/File.h"
#include "framework/MessageBox.h"

namespace {

enum { PATH_SIZE = 261, MESSAGE_SIZE = 1024 };

const char kLogShownText[] =
    "減価償却情報の出力が一応終了しました。\n\nアプリケーションを終了します。";
const char kSuccessFormat[] =
    "減価償却情報の出力が正常に終了しました。\n\n償却資産データ ⇒ %s    \n資産種類データ ⇒ %s    "
    "\n\nアプリケーションを終了します。";
const char kFailedFormat[] =
    "減価償却情報の出力に失敗しました。\n\n次のファイルを書き込めませんでした。\n%s\n\n"
    "アプリケーションを終了します。";

}  // namespace

void CExportApp::ReportCompletion(const char* outputPath, const char* failedFile)
{
    if (failedFile) {
        char text[MESSAGE_SIZE] = {};
        std::snprintf(text, sizeof text, kFailedFormat, failedFile);
        GkMessageBox(nullptr, text, APP_TITLE, MB_ICONEXCLAMATION | MB_OK);
        return;
    }

    // The log and the asset-type file are looked for where the job put them,
    // also for a path without a folder part such as C:data.csv.
    char logPath[PATH_SIZE];
    GkBuildPath(GK_FILE_LOG, outputPath, AppEdition()->pszLogName, logPath);
    CFileStatus status;
    std::memset(&status, 0, sizeof status);
    CFile::GetStatus(logPath, status);

    if (status.m_size != 0) {
        char commandLine[VIEWER_COMMAND_SIZE];
        char folder[PATH_SIZE];
        BuildViewerCommand(logPath, commandLine, folder);
        RunProcess(commandLine, folder, 1);
        GkMessageBox(nullptr, kLogShownText, APP_TITLE, MB_ICONINFORMATION | MB_OK);
        return;
    }

    // A log that cannot be deleted (held by another program) stays behind;
    // the export itself went well and is reported so.
    CFile::Remove(logPath);
    char typePath[PATH_SIZE];
    GkBuildPath(GK_FILE_SSC, outputPath, AppEdition()->pszLogName, typePath);
    char text[MESSAGE_SIZE] = {};
    std::snprintf(text, sizeof text, kSuccessFormat, outputPath, typePath);
    GkMessageBox(nullptr, text, APP_TITLE, MB_ICONINFORMATION | MB_OK);
}

void CExportApp::BuildViewerCommand(const char* logPath, char* commandLine, char* folder)
{
    // The drive of the Windows folder, then the accessories folder of the
    // system family.
    char windowsDir[PATH_SIZE] = {};
    GetWindowsDirectoryA(windowsDir, PATH_SIZE);
    std::memset(folder, 0, PATH_SIZE);
    folder[0] = windowsDir[0];
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;  // 148
    if (GetVersionExA(&version)) {
        std::strcat(folder, version.dwPlatformId == VER_PLATFORM_WIN32_NT
                                ? ":\\Program Files\\Windows NT\\Accessories"
                                : ":\\Program Files\\Accessories");
    }
    std::memset(commandLine, 0, VIEWER_COMMAND_SIZE);
    std::snprintf(commandLine, VIEWER_COMMAND_SIZE, "%s\\Wordpad.exe \"%s\"", folder, logPath);
}

int CExportApp::RunProcess(char* commandLine, const char* folder, unsigned char wait)
{
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;  // 104 on 64-bit Windows
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process;
    std::memset(&process, 0, sizeof process);
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                        folder, &startup, &process))
        return 0;

    // Handle what is already queued, for at most a second; never wait here.
    DWORD deadline = GetTickCount() + 1000;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) break;
    }
    CloseHandle(process.hThread);

    if (wait == 1) {
        for (;;) {
            DWORD result = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, INFINITE, QS_PAINT);
            if (result == WAIT_OBJECT_0) break;
            if (result == WAIT_OBJECT_0 + 1) {
                while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }
        }
    }
    CloseHandle(process.hProcess);

    if (wait == 1) {
        // Clicks and keys made while the viewer was open are dropped.
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    return 1;
}
