// The completion report on its own: the empty log, a log held by another
// program, and a log with entries shown in WordPad before the message.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/ExportApp.h"
#include "tests/framework/GuiTest.h"

namespace {

class CompletionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        // A space in the folder: WordPad opens the log only when its path is quoted.
        folder = std::string(temp) + "gk report " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        output = folder + "assets.csv";
        log = folder + "PelkAlderGk13SysErr.txt";
    }
    void TearDown() override
    {
        DeleteFileA(log.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    void WriteLog(const char* text)
    {
        FILE* f = fopen(log.c_str(), "wb");
        fputs(text, f);
        fclose(f);
    }
    bool LogExists() const { return GetFileAttributesA(log.c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::string folder, output, log;
    CExportApp app;
    MessageBoxLog boxes;
};

std::string SuccessText(const std::string& folder)
{
    return "減価償却情報の出力が正常に終了しました。\n\n償却資産データ ⇒ " + folder +
           "assets.csv    \n資産種類データ ⇒ " + folder +
           "syurui.SSC    \n\nアプリケーションを終了します。";
}

TEST_F(CompletionTest, EmptyLogIsDeletedAndBothFilesAreNamed)
{
    WriteLog("");
    app.ReportCompletion(output.c_str(), nullptr);
    EXPECT_FALSE(LogExists());
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_EQ(SuccessText(folder), boxes.calls[0].text);
    EXPECT_EQ("減価償却", boxes.calls[0].caption);
}

TEST_F(CompletionTest, EmptyLogHeldByAnotherProgramStillReportsTheOutcome)
{
    WriteLog("");
    HANDLE held = CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    app.ReportCompletion(output.c_str(), nullptr);
    CloseHandle(held);
    EXPECT_TRUE(LogExists());
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_EQ(SuccessText(folder), boxes.calls[0].text);
}

// Without a folder part the job writes its log and asset-type file after
// the drive; the report looks at them there, not at the data file itself.
TEST_F(CompletionTest, PathWithoutFolderPartUsesTheJobsFiles)
{
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(folder.c_str());
    std::string drive = folder.substr(0, 2);  // "C:"
    FILE* data = fopen("assets.csv", "wb");
    fputs("data rows", data);
    fclose(data);
    WriteLog("");
    app.ReportCompletion((drive + "assets.csv").c_str(), nullptr);
    EXPECT_FALSE(LogExists());  // the empty log was judged and deleted
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_NE(std::string::npos, boxes.calls[0].text.find(drive + "syurui.SSC    "))
        << boxes.calls[0].text;
    DeleteFileA("assets.csv");
    SetCurrentDirectoryA(current);
}

TEST_F(CompletionTest, FailedFileIsNamedAndTheLogKept)
{
    WriteLog("");
    app.ReportCompletion(output.c_str(), output.c_str());
    EXPECT_TRUE(LogExists());
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_NE(std::string::npos, boxes.calls[0].text.find(output));
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), boxes.calls[0].flags);
}

struct ViewerWatch {
    std::string title;  // of the viewer's main window
    std::atomic<bool> closePosted{false};
};

BOOL CALLBACK FindViewer(HWND hwnd, LPARAM param)
{
    ViewerWatch* watch = reinterpret_cast<ViewerWatch*>(param);
    char title[512] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (IsWindowVisible(hwnd) && strstr(title, "PelkAlderGk13SysErr")) {
        watch->title = title;
        watch->closePosted = true;
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return FALSE;
    }
    return TRUE;
}

// The log is opened in WordPad; the message follows only after WordPad has
// been closed, and the log stays.
TEST_F(CompletionTest, LogWithEntriesIsShownInWordPadBeforeTheMessage)
{
    WriteLog("ERROR: sample entry\r\n");
    ViewerWatch watch;
    std::thread closer([&] {
        // Let the viewer stay open a while: the report must wait for it.
        Sleep(500);
        for (int i = 0; i < 300 && watch.title.empty(); ++i) {
            EnumWindows(&FindViewer, reinterpret_cast<LPARAM>(&watch));
            Sleep(50);
        }
    });
    bool closedBeforeMessage = false;
    boxes.onShow = [&](const MessageBoxCall&) {
        ViewerWatch now;  // finds (and would close) a viewer still open
        EnumWindows(&FindViewer, reinterpret_cast<LPARAM>(&now));
        closedBeforeMessage = watch.closePosted && now.title.empty();
    };
    app.ReportCompletion(output.c_str(), nullptr);
    closer.join();
    EXPECT_NE(std::string::npos, watch.title.find("PelkAlderGk13SysErr.txt")) << watch.title;
    EXPECT_TRUE(closedBeforeMessage);
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_EQ("減価償却情報の出力が一応終了しました。\n\nアプリケーションを終了します。",
              boxes.calls[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION | MB_OK), boxes.calls[0].flags);
    EXPECT_TRUE(LogExists());
}

TEST_F(CompletionTest, ViewerCommandQuotesTheLogPath)
{
    char command[CExportApp::VIEWER_COMMAND_SIZE];
    char start[261];
    CExportApp::BuildViewerCommand(log.c_str(), command, start);
    EXPECT_STREQ("C:\\Program Files\\Windows NT\\Accessories", start);
    EXPECT_EQ(std::string(start) + "\\Wordpad.exe \"" + log + "\"", command);
}

TEST_F(CompletionTest, RunProcessReportsAProgramThatCannotStart)
{
    char command[] = "C:\\no\\such\\program.exe";
    EXPECT_EQ(0, app.RunProcess(command, "C:\\", 1));
}

}  // namespace
