// The execute action on real paths: each refusal with its message, the
// folder and overwrite questions with both answers, and where the user is
// left afterwards (path field focused, whole text selected).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "dialog/ExportCondDlg.h"
#include "tests/dialog/FakeFileMgr.h"
#include "tests/dialog/TestFolder.h"
#include "tests/dialog/WineDrives.h"
#include "tests/framework/GuiTest.h"

namespace {

const char kEmpty[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
const char kInvalidChars[] = "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
const char kInvalidDrive[] = "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
const char kNoFileName[] = "ファイル名が指定されていません。";
const char kCreateFolder[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
const char kCreateFailed[] = "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
const char kOverwrite[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

const UINT kMessageFlags = MB_ICONEXCLAMATION | MB_OK;
const UINT kQuestionFlags = MB_ICONQUESTION | MB_YESNO;

struct Outcome {
    int endCode = 0;
    std::vector<MessageBoxCall> boxes;
    int focusId = 0;
    DWORD selStart = 0;
    DWORD selEnd = 0;
    DWORD fieldLength = 0;  // in characters, as the selection counts
    std::string fieldText;
};

class ExecuteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fakeDataFolder = "C:\\data\\";
        ASSERT_TRUE(DefineWineDrive('R', DRIVE_CDROM, "/tmp"));
        ASSERT_TRUE(DefineWineDrive('Q', DRIVE_NO_ROOT_DIR));
    }

    // Types path, executes with F12 from the browse button, answers the
    // questions in turn, and looks at the dialog afterwards.
    Outcome Execute(const std::string& path, std::vector<int> answers = {})
    {
        MessageBoxLog boxes;
        boxes.answers.assign(answers.begin(), answers.end());
        CExportCondDlg dlg;
        Outcome outcome;
        DialogScript script(dlg, {
            [&] {
                SetWindowTextA(dlg.GetDlgItem(IDC_OUTPUT_PATH), path.c_str());
                SetFocus(dlg.GetDlgItem(IDC_BROWSE));
                PostKeyDown(dlg.GetDlgItem(IDC_BROWSE), VK_F12);
            },
            [&] {
                outcome.focusId = GetDlgCtrlID(GetFocus());
                SendMessageA(dlg.GetDlgItem(IDC_OUTPUT_PATH), EM_GETSEL,
                             reinterpret_cast<WPARAM>(&outcome.selStart),
                             reinterpret_cast<LPARAM>(&outcome.selEnd));
                outcome.fieldText = WindowText(dlg.GetDlgItem(IDC_OUTPUT_PATH));
                outcome.fieldLength = GetWindowTextLengthW(dlg.GetDlgItem(IDC_OUTPUT_PATH));
            },
        });
        outcome.endCode = static_cast<int>(dlg.DoModal());
        outcome.boxes = boxes.calls;
        if (outcome.endCode == IDC_EXECUTE) outcome.fieldText = dlg.m_strOutputPath.GetString();
        return outcome;
    }

    // The dialog stayed open after one message, with the user back in the
    // whole text of the path field.
    void ExpectRefused(const Outcome& o, const char* text, const std::string& path)
    {
        EXPECT_EQ(DialogScript::kScriptEnd, o.endCode) << path;
        ASSERT_EQ(1u, o.boxes.size()) << path;
        EXPECT_EQ(text, o.boxes[0].text) << path;
        EXPECT_EQ("減価償却", o.boxes[0].caption) << path;
        EXPECT_EQ(kMessageFlags, o.boxes[0].flags) << path;
        EXPECT_EQ(IDC_OUTPUT_PATH, o.focusId) << path;
        EXPECT_EQ(0u, o.selStart) << path;
        EXPECT_EQ(o.fieldLength, o.selEnd) << path;
        EXPECT_EQ(path, o.fieldText) << path;
    }

    TestFolder root;
};

TEST_F(ExecuteTest, RefusalsLeaveTheDialogOpen)
{
    const std::string existing = root / "dir";
    ASSERT_TRUE(CreateDirectoryA(existing.c_str(), nullptr));
    struct Case {
        std::string path;
        const char* text;
    };
    const Case cases[] = {
        {"", kEmpty},
        {root / "a,b.csv", kInvalidChars},
        {root / "a;b.csv", kInvalidChars},
        {root / "\\a.csv", kInvalidChars},  // doubled backslash
        {"C:*.csv", kInvalidChars},
        {"\\\\server\\share\\a|b.csv", kInvalidChars},
        {"\\\\server\\share", kInvalidDrive},
        {"\\\\nosuchserver\\share\\a.csv", kInvalidDrive},
        {"1:\\a.csv", kInvalidDrive},
        {"表\\a.csv", kInvalidDrive},
        {"R:\\a.csv", kInvalidDrive},  // CD-ROM
        {"Q:\\a.csv", kInvalidDrive},  // no root directory
        {"data.csv", kInvalidDrive},   // relative: tested on drive D, which has no root
        {root / "dir\\", kNoFileName},
        {existing, kNoFileName},       // names a folder
    };
    ASSERT_TRUE(DefineWineDrive('D', DRIVE_NO_ROOT_DIR));
    for (const Case& c : cases) ExpectRefused(Execute(c.path), c.text, c.path);
}

// Nothing is trimmed: blanks pass the empty test and fail on their "drive".
TEST_F(ExecuteTest, BlanksAreNotAnEmptyPath)
{
    ExpectRefused(Execute("   "), kInvalidDrive, "   ");
}

TEST_F(ExecuteTest, NewFileInAnExistingFolderIsAccepted)
{
    // 表 ends in 0x5C: the folder is "...\表\", not "...\表" and "\".
    const std::string folder = root / "表";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    for (const std::string& path : {folder + "\\a.csv", folder + "\\ソ"}) {
        Outcome o = Execute(path);
        EXPECT_EQ(IDC_EXECUTE, o.endCode) << path;
        EXPECT_TRUE(o.boxes.empty()) << path;
        EXPECT_EQ(path, o.fieldText) << path;  // taken as it is: no extension added
    }
}

TEST_F(ExecuteTest, MissingFolderIsCreatedOnlyWithYes)
{
    const std::string path = root / "a\\b\\表\\x.csv";

    Outcome no = Execute(path, {IDNO});
    EXPECT_EQ(DialogScript::kScriptEnd, no.endCode);
    ASSERT_EQ(1u, no.boxes.size());
    EXPECT_EQ(kCreateFolder, no.boxes[0].text);
    EXPECT_EQ(kQuestionFlags, no.boxes[0].flags);
    EXPECT_EQ(IDC_OUTPUT_PATH, no.focusId);
    EXPECT_EQ(no.fieldLength, no.selEnd);
    EXPECT_GT(no.selEnd, 0u);
    EXPECT_FALSE(FolderExists(root / "a"));

    Outcome yes = Execute(path, {IDYES});
    EXPECT_EQ(IDC_EXECUTE, yes.endCode);
    ASSERT_EQ(1u, yes.boxes.size());
    EXPECT_TRUE(FolderExists(root / "a\\b\\表"));
    EXPECT_FALSE(FileExists(path));  // the file is the export's to write
}

// A control character passes the character test but no file system takes
// it: creating "c\x01" fails after "b" was made.
TEST_F(ExecuteTest, FailedCreationRemovesWhatItMade)
{
    ASSERT_TRUE(CreateDirectoryA((root / "a").c_str(), nullptr));
    const std::string path = root / "a\\b\\c\x01\\x.csv";

    MessageBoxLog boxes;
    boxes.answers = {IDYES};
    CExportCondDlg dlg;
    int focusId = 0;
    DialogScript script(dlg, {
        [&] {
            SetWindowTextA(dlg.GetDlgItem(IDC_OUTPUT_PATH), path.c_str());
            PostMessageA(dlg.GetDlgItem(IDC_EXECUTE), BM_CLICK, 0, 0);
        },
        [&] { focusId = GetDlgCtrlID(GetFocus()); },
    });
    EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());
    ASSERT_EQ(2u, boxes.calls.size());
    EXPECT_EQ(kCreateFolder, boxes.calls[0].text);
    EXPECT_EQ(kCreateFailed, boxes.calls[1].text);
    EXPECT_EQ(kMessageFlags, boxes.calls[1].flags);
    EXPECT_EQ(IDC_OUTPUT_PATH, focusId);
    EXPECT_FALSE(FolderExists(root / "a\\b"));
    EXPECT_TRUE(FolderExists(root / "a"));
}

TEST_F(ExecuteTest, ExistingFileIsOverwrittenOnlyWithYes)
{
    const std::string path = root / "old.csv";
    WriteFileBytes(path, "old content");

    Outcome no = Execute(path, {IDNO});
    EXPECT_EQ(DialogScript::kScriptEnd, no.endCode);
    ASSERT_EQ(1u, no.boxes.size());
    EXPECT_EQ(kOverwrite, no.boxes[0].text);
    EXPECT_EQ(kQuestionFlags, no.boxes[0].flags);
    EXPECT_EQ(IDC_OUTPUT_PATH, no.focusId);
    EXPECT_EQ(no.fieldLength, no.selEnd);
    EXPECT_GT(no.selEnd, 0u);

    Outcome yes = Execute(path, {IDYES});
    EXPECT_EQ(IDC_EXECUTE, yes.endCode);
    EXPECT_EQ("old content", ReadFileBytes(path));  // untouched until the export
}

// A network path is tested for its characters after the two leading
// backslashes and for access on its server and share part; missing folders
// below the share are created like any other.
TEST_F(ExecuteTest, NetworkPathsOnAShare)
{
    const std::string share = DefineWineShare("gkserver", "gkshare");
    ASSERT_EQ("\\\\gkserver\\gkshare", share);
    TestFolder onShare(share + "\\");

    Outcome direct = Execute(onShare / "a.csv");
    EXPECT_EQ(IDC_EXECUTE, direct.endCode);
    EXPECT_TRUE(direct.boxes.empty());

    const std::string deeper = onShare / "new\\表\\a.csv";
    Outcome created = Execute(deeper, {IDYES});
    EXPECT_EQ(IDC_EXECUTE, created.endCode);
    ASSERT_EQ(1u, created.boxes.size());
    EXPECT_EQ(kCreateFolder, created.boxes[0].text);
    EXPECT_TRUE(FolderExists(onShare / "new\\表"));

    const std::string noShare = "\\\\gkserver\\noshare\\a.csv";
    ExpectRefused(Execute(noShare), kInvalidDrive, noShare);
}

// Enter with Shift or Ctrl held in the path field is the dialog's default OK
// command: it runs the checks instead of ending the dialog around them.
TEST_F(ExecuteTest, ShiftOrCtrlEnterRunsTheChecks)
{
    const std::string path = root / "a;b.csv";
    for (bool shift : {true, false}) {
        MessageBoxLog boxes;
        CExportCondDlg dlg;
        DialogScript script(dlg, {
            [&] {
                HWND edit = dlg.GetDlgItem(IDC_OUTPUT_PATH);
                SetWindowTextA(edit, path.c_str());
                SetFocus(edit);
                SetModifiers(shift, !shift, false);
                PostKeyDown(edit, VK_RETURN);
            },
            [&] { SetModifiers(false, false, false); },
        });
        EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal()) << shift;
        ASSERT_EQ(1u, boxes.calls.size()) << shift;
        EXPECT_EQ(kInvalidChars, boxes.calls[0].text) << shift;
    }
    SetModifiers(false, false, false);
}

// Without a folder part there is no folder question: C:x.csv goes straight to
// the file test.
TEST_F(ExecuteTest, PathWithoutBackslashSkipsTheFolderQuestion)
{
    char saved[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(root.Path().c_str());
    WriteFileBytes(root / "x.csv", "x");
    Outcome o = Execute("C:x.csv", {IDNO});
    SetCurrentDirectoryA(saved);
    ASSERT_EQ(1u, o.boxes.size());
    EXPECT_EQ(kOverwrite, o.boxes[0].text);
}

}  // namespace
