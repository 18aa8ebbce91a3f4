// The application's run sequence on real ledger stores: where it stops, what
// the user sees, and what is written.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ExportApp.h"
#include "binding/PelkLink.h"
#include "dialog/ExportCondDlg.h"
#include "tests/app/TestStore.h"
#include "tests/framework/GuiTest.h"

namespace {

const std::vector<TestDataSet> kTwoCompanies = {
    {"A01", 1, u8"株式会社表示", 20240401, 20250331, 0},
    {"P99", 2, u8"過去商事", 20200401, 20210331, 99},
    {"A02", 1, u8"同番号商事", 20230101, 20231231, 0},  // same number as A01, walked later
};

std::vector<std::string> g_libraryMessages;
int RecordLibraryMessage(void*, const char* text, const char*, unsigned int)
{
    g_libraryMessages.push_back(text);
    return IDOK;
}

class RunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_libraryMessages.clear();
        ClPelkConnect::SetMessageHook(&RecordLibraryMessage);
    }
    void TearDown() override { ClPelkConnect::SetMessageHook(nullptr); }

    // Runs InitInstance and ExitInstance as the entry point does.
    BOOL Run()
    {
        CExportApp app;
        BOOL result = app.InitInstance();
        app.ExitInstance();
        return result;
    }

    MessageBoxLog boxes;
};

// After ExitInstance the connection singleton has been released: the next
// Inst() is a new object without the title set by the run.
void ExpectConnectionClosed()
{
    EXPECT_EQ(nullptr, ClPelkConnect::Inst()->m_pszTitle);
    EXPECT_FALSE(ClPelkConnect::Inst()->IsInitiated());
}

TEST_F(RunTest, FailedInitiateStopsBeforeTheDialogAndStillCloses)
{
    TestStore store(nullptr, 0);  // no store file at all
    RunningDialogScript dialogs({});
    CExportApp app;
    EXPECT_FALSE(app.InitInstance());
    // The connection was set up for this edition before Initiate.
    EXPECT_STREQ("減価償却", ClPelkConnect::Inst()->m_pszTitle);
    EXPECT_EQ(ClSysEnvMgr::APPTYPE_ALDER, ClPelkConnect::Inst()->GetAppType());
    EXPECT_EQ(3, ClPelkConnect::Inst()->GetUseDataType());
    app.ExitInstance();
    EXPECT_EQ(0, dialogs.dialogsSeen);
    EXPECT_TRUE(boxes.calls.empty());      // nothing from the program itself
    EXPECT_EQ(1u, g_libraryMessages.size());  // the library's own message
    EXPECT_TRUE(store.ExportFiles().empty());
    ExpectConnectionClosed();
}

TEST_F(RunTest, PastResultsAreRefusedAndNothingIsWritten)
{
    TestStore store(&kTwoCompanies, 2);
    ASSERT_EQ("", store.error);
    RunningDialogScript dialogs({});
    EXPECT_FALSE(Run());
    EXPECT_EQ(0, dialogs.dialogsSeen);  // refused before it was shown
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_EQ("過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。",
              boxes.calls[0].text);
    EXPECT_TRUE(store.ExportFiles().empty());
    ExpectConnectionClosed();
}

TEST_F(RunTest, LabelsOfTheSelectedDataSetAndCancel)
{
    struct Case {
        long selected;
        const char* company;
        const char* period;
    };
    const Case cases[] = {
        {1, " 株式会社表示", " 2024/04/01～2025/03/31"},  // A01, not the later A02
        {7, " ", " 0000/00/00～0000/00/00"},  // no data set has number 7
    };
    for (const Case& c : cases) {
        boxes.calls.clear();
        TestStore store(&kTwoCompanies, c.selected);
        ASSERT_EQ("", store.error);
        std::string company, period;
        RunningDialogScript dialogs({
            [&](CDialog& d) {
                company = WindowText(d.GetDlgItem(IDC_COMPANY));
                period = WindowText(d.GetDlgItem(IDC_PERIOD));
                PostMessageA(d.GetDlgItem(IDC_CANCEL), BM_CLICK, 0, 0);
            },
        });
        EXPECT_FALSE(Run());
        EXPECT_EQ(1, dialogs.dialogsSeen);
        EXPECT_EQ(c.company, company);
        EXPECT_EQ(c.period, period);
        ASSERT_EQ(1u, boxes.calls.size());  // the cancel message only
        EXPECT_EQ("｢減価償却｣の集計を中止します。", boxes.calls[0].text);
        EXPECT_TRUE(store.ExportFiles().empty());
    }
}

// Any end code but 1006 exports; an empty log is deleted and the success
// message names the data file and the asset-type file.
TEST_F(RunTest, OtherEndCodesExportAndReportSuccess)
{
    TestStore store(&kTwoCompanies, 1);
    ASSERT_EQ("", store.error);
    std::string path = store.exportFolder + "assets.csv";
    RunningDialogScript dialogs({
        [&](CDialog& d) {
            SetWindowTextA(d.GetDlgItem(IDC_OUTPUT_PATH), path.c_str());
            d.UpdateData(TRUE);
            d.EndDialog(1);
        },
    });
    EXPECT_TRUE(Run());
    std::vector<std::string> files = store.ExportFiles();
    std::sort(files.begin(), files.end());
    EXPECT_EQ((std::vector<std::string>{"assets.csv", "syurui.SSC"}), files);
    ASSERT_EQ(1u, boxes.calls.size());
    EXPECT_EQ("減価償却情報の出力が正常に終了しました。\n\n償却資産データ ⇒ " + path +
                  "    \n資産種類データ ⇒ " + store.exportFolder +
                  "syurui.SSC    \n\nアプリケーションを終了します。",
              boxes.calls[0].text);
    EXPECT_EQ(nullptr, boxes.calls[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION | MB_OK), boxes.calls[0].flags);
    ExpectConnectionClosed();
}

// A data file the job cannot write must not be reported as a success: here
// a file of the same name that another program holds open without sharing.
TEST_F(RunTest, AFileThatCannotBeWrittenIsReportedByName)
{
    TestStore store(&kTwoCompanies, 1);
    ASSERT_EQ("", store.error);
    std::string path = store.exportFolder + "assets.csv";
    FILE* existing = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, existing);
    fputs("old", existing);
    fclose(existing);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    RunningDialogScript dialogs({
        [&](CDialog& d) {
            SetWindowTextA(d.GetDlgItem(IDC_OUTPUT_PATH), path.c_str());
            PostKeyDown(d.GetDlgItem(IDC_OUTPUT_PATH), VK_F12);
        },
    });
    EXPECT_TRUE(Run());
    CloseHandle(held);
    ASSERT_FALSE(boxes.calls.empty());
    const MessageBoxCall& last = boxes.calls.back();  // after any question of execute
    EXPECT_EQ(0u, last.text.find("減価償却情報の出力に失敗しました。")) << last.text;
    EXPECT_NE(std::string::npos, last.text.find(path)) << last.text;
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK), last.flags);
    for (const MessageBoxCall& call : boxes.calls)
        EXPECT_EQ(std::string::npos, call.text.find("正常に終了")) << call.text;
}

TEST(LabelTextTest, Labels)
{
    StDATAINFO info = {};
    info.lPeriodStart = 20240401;
    info.lPeriodEnd = 20250331;
    strcpy(info.szCompanyName, "表計算");
    EXPECT_STREQ(" 表計算", CExportApp::GetLabelText(0, &info));
    const char* period = CExportApp::GetLabelText(1, &info);
    EXPECT_STREQ(" 2024/04/01\x81\x60" "2025/03/31", period);  // full-width wave dash
    EXPECT_STREQ("", CExportApp::GetLabelText(2, &info));
    EXPECT_STREQ("", CExportApp::GetLabelText(0, nullptr));
    // A name that fills its field is cut to the label buffer, never inside a
    // double-byte character: A and 129 times 表 (259 bytes) keep 126 of them.
    std::string name = "A";
    for (int i = 0; i < 129; ++i) name += "表";
    strcpy(info.szCompanyName, name.c_str());
    EXPECT_EQ(" " + name.substr(0, 253), CExportApp::GetLabelText(0, &info));
    memset(info.szCompanyName, 'A', sizeof info.szCompanyName - 1);
    info.szCompanyName[sizeof info.szCompanyName - 1] = '\0';
    EXPECT_EQ(255u, strlen(CExportApp::GetLabelText(0, &info)));
}

}  // namespace
