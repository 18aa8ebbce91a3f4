// The run sequence through the real path checks: the path of an export is
// remembered for the user and data set, and the next run proposes it.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/ExportApp.h"
#include "binding/PelkLink.h"
#include "res/resource.h"
#include "tests/app/TestStore.h"
#include "tests/framework/GuiTest.h"

namespace {

const std::vector<TestDataSet> kCompanies = {
    {"A01", 1, u8"株式会社表示", 20240401, 20250331, 0},
    {"A02", 2, u8"第二商事", 20240401, 20250331, 0},
};

int IgnoreLibraryMessage(void*, const char*, const char*, unsigned int)
{
    return IDOK;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The settings file of this test program: named after the program file.
std::string SettingsFile(const TestStore& store)
{
    return store.folder + "Settings\\PelkAlder17ToGk13.env";
}

class RememberedRunTest : public ::testing::Test {
protected:
    void SetUp() override { ClPelkConnect::SetMessageHook(&IgnoreLibraryMessage); }
    void TearDown() override { ClPelkConnect::SetMessageHook(nullptr); }

    // One run: records the proposed path, then types path and presses F12
    // (or cancels when path is empty).
    BOOL Run(const std::string& path, std::string* proposal)
    {
        RunningDialogScript dialogs({
            [&](CDialog& d) {
                *proposal = WindowText(d.GetDlgItem(IDC_OUTPUT_PATH));
                if (path.empty()) {
                    PostMessageA(d.GetDlgItem(IDC_CANCEL), BM_CLICK, 0, 0);
                    return;
                }
                SetWindowTextA(d.GetDlgItem(IDC_OUTPUT_PATH), path.c_str());
                PostKeyDown(d.GetDlgItem(IDC_OUTPUT_PATH), VK_F12);
            },
        });
        CExportApp app;
        BOOL result = app.InitInstance();
        app.ExitInstance();
        return result;
    }

    MessageBoxLog boxes;
};

TEST_F(RememberedRunTest, NextRunProposesThePathOfTheLastExport)
{
    TestStore store(&kCompanies, 1);
    ASSERT_EQ("", store.error);
    const std::string path = store.exportFolder + "表\\assets.csv";  // folder made on Yes
    std::string proposal;

    boxes.answers = {IDYES, IDOK};
    EXPECT_TRUE(Run(path, &proposal));
    EXPECT_EQ(store.exportFolder + "*.csv", proposal);  // nothing remembered yet
    ASSERT_EQ(2u, boxes.calls.size());
    EXPECT_EQ("指定されたフォルダは存在しません。\n\n作成してもよろしいですか？", boxes.calls[0].text);
    EXPECT_EQ(0u, boxes.calls[1].text.find("減価償却情報の出力が正常に終了しました。"));
    EXPECT_EQ("tester/1/1:" + path + "\n", ReadBytes(SettingsFile(store)));

    // The next run proposes it; executing again asks before overwriting.
    boxes.calls.clear();
    boxes.answers = {IDYES, IDOK};
    EXPECT_TRUE(Run(path, &proposal));
    EXPECT_EQ(path, proposal);
    ASSERT_EQ(2u, boxes.calls.size());
    EXPECT_EQ("同名のファイルが存在します。\n\n上書きしてもよろしいですか？", boxes.calls[0].text);
    EXPECT_EQ("tester/1/1:" + path + "\n", ReadBytes(SettingsFile(store)));  // still one line

    // A cancelled run remembers nothing new.
    boxes.calls.clear();
    EXPECT_FALSE(Run("", &proposal));
    EXPECT_EQ(path, proposal);
    EXPECT_EQ("tester/1/1:" + path + "\n", ReadBytes(SettingsFile(store)));
}

}  // namespace
