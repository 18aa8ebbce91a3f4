// The export-conditions dialog driven by real key messages inside its own
// modal loop: Enter per control, F12 anywhere and only without modifiers,
// the cancel paths, the past-results refusal, the proposed path, the typing
// limit and the browse button's path split. Message boxes and the file
// dialog are recorded (tests/framework/GuiTest.h).
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "dialog/ExportCondDlg.h"
#include "tests/dialog/FakeFileMgr.h"
#include "tests/framework/GuiTest.h"

namespace {

const char kCaption[] = "減価償却";
const char kCancelText[] = "｢減価償却｣の集計を中止します。";

class ExportCondDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fakeDataFolder = "C:\\data\\";
        SetModifiers(false, false, false);
    }
    void TearDown() override { SetModifiers(false, false, false); }

    HWND Item(CExportCondDlg& dlg, int id) { return dlg.GetDlgItem(id); }

    MessageBoxLog boxes;
    FileDialogLog files;
};

TEST_F(ExportCondDlgTest, ShowsTheLabelsAndProposesTheDataFolder)
{
    CExportCondDlg dlg;
    dlg.m_strCompanyName = " 株式会社表計算";
    dlg.m_strPeriod = " 2024/04/01～2025/03/31";
    std::string company, period, path, caption;
    int focusId = 0;
    DialogScript script(dlg, {[&] {
        company = WindowText(Item(dlg, IDC_COMPANY));
        period = WindowText(Item(dlg, IDC_PERIOD));
        path = WindowText(Item(dlg, IDC_OUTPUT_PATH));
        caption = WindowText(dlg.m_hWnd);
        focusId = GetDlgCtrlID(GetFocus());
    }});
    EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());
    EXPECT_EQ(" 株式会社表計算", company);
    EXPECT_EQ(" 2024/04/01～2025/03/31", period);
    EXPECT_EQ("C:\\data\\*.csv", path);
    EXPECT_EQ("減価償却 - 集計条件", caption);
    EXPECT_EQ(IDC_OUTPUT_PATH, focusId);  // the first tab stop
    EXPECT_TRUE(boxes.calls.empty());
}

// The proposal without a data folder comes from the temporary folder (the
// TMP variable), with one backslash before the pattern.
TEST_F(ExportCondDlgTest, ProposesTheTemporaryFolderWithoutADataFolder)
{
    struct Case {
        const char* tmp;
        const char* proposal;
    };
    const Case cases[] = {
        {"C:\\tmp", "C:\\tmp\\*.csv"},
        {"C:\\tmp\\", "C:\\tmp\\*.csv"},
        {"C:\\tmp\\表", "C:\\tmp\\表\\*.csv"},  // 表 ends in 0x5C: not a separator
    };
    g_fakeDataFolder.clear();
    char saved[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", saved, MAX_PATH);
    for (const Case& c : cases) {
        SetEnvironmentVariableA("TMP", c.tmp);
        CExportCondDlg dlg;
        std::string path;
        DialogScript script(dlg, {[&] { path = WindowText(Item(dlg, IDC_OUTPUT_PATH)); }});
        dlg.DoModal();
        EXPECT_EQ(c.proposal, path) << c.tmp;
    }
    SetEnvironmentVariableA("TMP", saved);
}

// A data folder too long to take the pattern within 260 bytes is proposed
// as it is, never cut.
TEST_F(ExportCondDlgTest, LongDataFolderIsProposedWithoutThePattern)
{
    struct Case {
        size_t nameLength;
        bool withPattern;
    };
    const Case cases[] = {
        {252, false},  // a 256-byte folder: the pattern would pass 260 bytes
        {250, true},   // 254 bytes and the pattern fit
    };
    for (const Case& c : cases) {
        g_fakeDataFolder = "C:\\" + std::string(c.nameLength, 'd') + "\\";
        CExportCondDlg dlg;
        std::string path;
        DialogScript script(dlg, {[&] { path = WindowText(Item(dlg, IDC_OUTPUT_PATH)); }});
        dlg.DoModal();
        EXPECT_EQ(g_fakeDataFolder + (c.withPattern ? "*.csv" : ""), path) << c.nameLength;
    }
}

TEST_F(ExportCondDlgTest, RefusesPastResultsBeforeShowingItself)
{
    CExportCondDlg dlg;
    dlg.m_bPastResults = 1;
    bool visibleAtMessage = true;
    HWND dialogWindow = nullptr;
    boxes.onShow = [&](const MessageBoxCall& call) {
        dialogWindow = dlg.m_hWnd;
        visibleAtMessage = IsWindowVisible(call.owner) != FALSE;
    };
    EXPECT_EQ(IDC_CANCEL, dlg.DoModal());
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_EQ("過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。",
              boxes.calls[0].text);
    EXPECT_EQ(kCaption, boxes.calls[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), boxes.calls[0].flags);
    EXPECT_EQ(dialogWindow, boxes.calls[0].owner);  // owned by the dialog
    EXPECT_FALSE(visibleAtMessage);
}

TEST_F(ExportCondDlgTest, EnterInThePathFieldMovesToBrowse)
{
    CExportCondDlg dlg;
    int focusId = 0;
    DialogScript script(dlg, {
        [&] { PostKeyDown(Item(dlg, IDC_OUTPUT_PATH), VK_RETURN); },
        [&] { focusId = GetDlgCtrlID(GetFocus()); },
    });
    EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());  // not ended by Enter
    EXPECT_EQ(IDC_BROWSE, focusId);
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(ExportCondDlgTest, EnterOnBrowseOpensTheSaveDialogAndTakesTheChoice)
{
    CExportCondDlg dlg;
    HWND dialogWindow = nullptr;
    int focusAfterCancel = 0;
    std::string shown;
    files.choices.clear();  // first: cancelled
    DialogScript script(dlg, {
        [&] {
            dialogWindow = dlg.m_hWnd;
            SetWindowTextA(Item(dlg, IDC_OUTPUT_PATH), "C:\\表\\old.csv");
            SetFocus(Item(dlg, IDC_BROWSE));
            PostKeyDown(Item(dlg, IDC_BROWSE), VK_RETURN);
        },
        [&] {
            focusAfterCancel = GetDlgCtrlID(GetFocus());
            files.choices.push_back("D:\\out\\new.csv");
            PostMessageA(Item(dlg, IDC_BROWSE), BM_CLICK, 0, 0);
        },
        [&] { shown = WindowText(Item(dlg, IDC_OUTPUT_PATH)); },
    });
    EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());
    ASSERT_EQ(2u, files.calls.size());
    const FileDialogCall& call = files.calls[0];
    EXPECT_FALSE(call.open);
    EXPECT_EQ(dialogWindow, call.owner);
    EXPECT_EQ("C:\\表\\", call.initialDir);
    EXPECT_EQ("old.csv", call.fileName);
    EXPECT_EQ("CSV", call.defExt);
    EXPECT_EQ("CSV Files (*.csv)|*.csv||", call.filter);
    EXPECT_EQ("保存ファイルを指定", call.title);
    EXPECT_EQ(0x180Cu, call.flags);
    EXPECT_EQ(IDC_EXECUTE, focusAfterCancel);
    EXPECT_EQ("C:\\表\\old.csv", files.calls[1].initialDir + files.calls[1].fileName);
    EXPECT_EQ("D:\\out\\new.csv", shown);
    EXPECT_STREQ("D:\\out\\new.csv", dlg.m_strOutputPath);
}

// The mnemonics are the standard dialog behaviour: Alt+O moves to the path
// field (the control after the group box), Alt+D clicks browse.
TEST_F(ExportCondDlgTest, MnemonicsOfTheTemplate)
{
    CExportCondDlg dlg;
    int focusAfterAltO = 0;
    DialogScript script(dlg, {
        [&] {
            SetFocus(Item(dlg, IDC_CANCEL));
            PostMessageA(Item(dlg, IDC_CANCEL), WM_SYSCHAR, 'o', 1 << 29);
        },
        [&] {
            focusAfterAltO = GetDlgCtrlID(GetFocus());
            PostMessageA(Item(dlg, IDC_OUTPUT_PATH), WM_SYSCHAR, 'd', 1 << 29);
        },
    });
    EXPECT_EQ(DialogScript::kScriptEnd, dlg.DoModal());
    EXPECT_EQ(IDC_OUTPUT_PATH, focusAfterAltO);
    EXPECT_EQ(1u, files.calls.size());  // browse ran
}

TEST_F(ExportCondDlgTest, BrowseSplitsPathsWithoutBackslash)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* file;
    };
    const Case cases[] = {
        {"C:data.csv", "C:", "data.csv"},
        {"data.csv", "", "data.csv"},
        {"C:\\out\\", "C:\\out\\", ""},
    };
    for (const Case& c : cases) {
        CExportCondDlg dlg;
        files.calls.clear();
        DialogScript script(dlg, {[&] {
            SetWindowTextA(Item(dlg, IDC_OUTPUT_PATH), c.path);
            PostMessageA(Item(dlg, IDC_BROWSE), BM_CLICK, 0, 0);
        }});
        dlg.DoModal();
        ASSERT_EQ(1u, files.calls.size()) << c.path;
        EXPECT_EQ(c.folder, files.calls[0].initialDir) << c.path;
        EXPECT_EQ(c.file, files.calls[0].fileName) << c.path;
    }
}

// Enter on the execute button and F12 on any control execute; F12 with Shift
// or Ctrl held does nothing special. Enter with Shift or Ctrl held in the path
// field gives the dialog's default OK command, which executes too (with the
// path checks, never around them).
TEST_F(ExportCondDlgTest, ExecuteKeys)
{
    struct Case {
        const char* name;
        int target;
        UINT key;
        bool shift;
        bool ctrl;
        int endCode;
    };
    const Case cases[] = {
        {"Enter on execute", IDC_EXECUTE, VK_RETURN, false, false, IDC_EXECUTE},
        {"F12 in the path field", IDC_OUTPUT_PATH, VK_F12, false, false, IDC_EXECUTE},
        {"F12 on browse", IDC_BROWSE, VK_F12, false, false, IDC_EXECUTE},
        {"F12 on cancel", IDC_CANCEL, VK_F12, false, false, IDC_EXECUTE},
        {"Shift+F12", IDC_OUTPUT_PATH, VK_F12, true, false, DialogScript::kScriptEnd},
        {"Ctrl+F12", IDC_OUTPUT_PATH, VK_F12, false, true, DialogScript::kScriptEnd},
        {"Shift+Enter in the path field", IDC_OUTPUT_PATH, VK_RETURN, true, false, IDC_EXECUTE},
        {"Ctrl+Enter in the path field", IDC_OUTPUT_PATH, VK_RETURN, false, true, IDC_EXECUTE},
    };
    // A new file in an existing folder: a path that execute accepts at once.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "gk_dialog_execute.csv";
    DeleteFileA(path.c_str());
    for (const Case& c : cases) {
        CExportCondDlg dlg;
        DialogScript script(dlg, {
            [&] {
                SetWindowTextA(Item(dlg, IDC_OUTPUT_PATH), path.c_str());
                SetFocus(Item(dlg, c.target));
                SetModifiers(c.shift, c.ctrl, false);
                PostKeyDown(Item(dlg, c.target), c.key);
            },
            [&] { SetModifiers(false, false, false); },
        });
        EXPECT_EQ(c.endCode, dlg.DoModal()) << c.name;
        if (c.endCode == IDC_EXECUTE) EXPECT_STREQ(path.c_str(), dlg.m_strOutputPath) << c.name;
        EXPECT_TRUE(boxes.calls.empty()) << c.name;
        EXPECT_TRUE(files.calls.empty()) << c.name;
    }
}

TEST_F(ExportCondDlgTest, EveryWayToCancelShowsTheMessageAndEndsWith1006)
{
    struct Case {
        const char* name;
        std::function<void(CExportCondDlg&)> act;
    };
    const Case cases[] = {
        {"Esc", [](CExportCondDlg& d) { PostKeyDown(d.GetDlgItem(IDC_OUTPUT_PATH), VK_ESCAPE); }},
        {"close box", [](CExportCondDlg& d) { PostMessageA(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"cancel button", [](CExportCondDlg& d) { PostMessageA(d.GetDlgItem(IDC_CANCEL), BM_CLICK, 0, 0); }},
        {"Enter on cancel",
         [](CExportCondDlg& d) {
             // As tabbing there does: the focused button becomes the default one.
             SendMessageA(d.m_hWnd, WM_NEXTDLGCTL, (WPARAM)d.GetDlgItem(IDC_CANCEL), TRUE);
             PostKeyDown(d.GetDlgItem(IDC_CANCEL), VK_RETURN);
         }},
    };
    for (const Case& c : cases) {
        boxes.calls.clear();
        CExportCondDlg dlg;
        HWND dialogWindow = nullptr;
        DialogScript script(dlg, {[&] {
            dialogWindow = dlg.m_hWnd;
            c.act(dlg);
        }});
        EXPECT_EQ(IDC_CANCEL, dlg.DoModal()) << c.name;
        ASSERT_EQ(1u, boxes.calls.size()) << c.name;
        EXPECT_EQ(kCancelText, boxes.calls[0].text) << c.name;
        EXPECT_EQ(kCaption, boxes.calls[0].caption) << c.name;
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION | MB_OK), boxes.calls[0].flags) << c.name;
        EXPECT_EQ(dialogWindow, boxes.calls[0].owner) << c.name;
    }
}

TEST_F(ExportCondDlgTest, TypingStopsAt255Bytes)
{
    CExportCondDlg dlg;
    std::string typed;
    DialogScript script(dlg, {
        [&] {
            HWND edit = Item(dlg, IDC_OUTPUT_PATH);
            SetWindowTextA(edit, "");
            for (int i = 0; i < 300; ++i) PostChar(edit, static_cast<unsigned char>('a' + i % 26));
        },
        [&] { typed = WindowText(Item(dlg, IDC_OUTPUT_PATH)); },
    });
    dlg.DoModal();
    EXPECT_EQ(255u, typed.size());
    EXPECT_EQ("abc", typed.substr(0, 3));
}

TEST_F(ExportCondDlgTest, DestructionReleasesTheFileManager)
{
    int before = g_fakeFileMgrReleases;
    {
        CExportCondDlg dlg;
        DialogScript script(dlg, {});
        dlg.DoModal();
        EXPECT_EQ(before, g_fakeFileMgrReleases);  // still alive after the modal loop
    }
    EXPECT_EQ(before + 1, g_fakeFileMgrReleases);
}

}  // namespace
