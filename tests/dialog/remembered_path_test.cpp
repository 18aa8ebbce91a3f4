// The settings file of remembered output paths: lookup by user and data
// set, replacement by a fresh last line that keeps every other line as it
// was, keys anchored at line starts, files of any size, long user ids, and a
// failed write that leaves the old file whole; and the dialog's proposal
// from it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "dialog/ExportCondDlg.h"
#include "dialog/RememberedPathFile.h"
#include "tests/dialog/FakeFileMgr.h"
#include "tests/dialog/TestFolder.h"
#include "tests/framework/GuiTest.h"

namespace {

class RememberedPathFileTest : public ::testing::Test {
protected:
    std::string Load(const std::string& key)
    {
        char path[261] = {};
        found = ReadRememberedPath(file.c_str(), key, path);
        return path;
    }
    int Save(const std::string& key, const char* path)
    {
        return WriteRememberedPath(file.c_str(), key, path);
    }
    // Files of the folder other than the settings file (temporaries).
    int OtherFiles()
    {
        int count = 0;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((folder / "*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) return 0;
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != ".." && name != "Test.env") ++count;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return count;
    }

    TestFolder folder;
    std::string file = folder / "Test.env";
    int found = -1;
};

TEST_F(RememberedPathFileTest, KeyFormat)
{
    EXPECT_EQ("abc/1/3:", MakeRememberedPathKey("abc", 1, 3));
    EXPECT_EQ("表/-2/0:", MakeRememberedPathKey("表", -2, 0));
}

TEST_F(RememberedPathFileTest, FirstRunNextRunAndOtherKeys)
{
    EXPECT_EQ("", Load("abc/1/3:"));  // no file yet
    EXPECT_EQ(0, found);

    EXPECT_EQ(1, Save("abc/1/3:", "C:\\out\\表\\assets.csv"));
    EXPECT_EQ("abc/1/3:C:\\out\\表\\assets.csv\n", ReadFileBytes(file));
    EXPECT_EQ("C:\\out\\表\\assets.csv", Load("abc/1/3:"));
    EXPECT_EQ(1, found);

    // Another user, another data set: no proposal; a line of their own.
    EXPECT_EQ("", Load("xyz/1/3:"));
    EXPECT_EQ(0, found);
    EXPECT_EQ("", Load("abc/1/4:"));
    EXPECT_EQ(0, found);
    EXPECT_EQ(1, Save("abc/1/4:", "D:\\b.csv"));
    EXPECT_EQ("abc/1/3:C:\\out\\表\\assets.csv\nabc/1/4:D:\\b.csv\n", ReadFileBytes(file));
    EXPECT_EQ(0, OtherFiles());
}

TEST_F(RememberedPathFileTest, ReplacementKeepsOtherLinesAndOrder)
{
    // Other lines hold bytes that must survive untouched: CR, blanks, 0x5C
    // trail bytes, an empty path.
    const std::string before =
        "u1/1/1:C:\\a.csv\n"
        "abc/1/3:C:\\old.csv\n"
        "u2/1/1:C:\\表 b.csv\r\n"
        "u3/1/1:\n";
    WriteFileBytes(file, before);
    EXPECT_EQ(1, Save("abc/1/3:", "C:\\new.csv"));
    EXPECT_EQ("u1/1/1:C:\\a.csv\nu2/1/1:C:\\表 b.csv\r\nu3/1/1:\nabc/1/3:C:\\new.csv\n",
              ReadFileBytes(file));

    // An entry with an empty path is found, and proposes the empty path.
    EXPECT_EQ("", Load("u3/1/1:"));
    EXPECT_EQ(1, found);
    EXPECT_EQ(0, OtherFiles());
}

TEST_F(RememberedPathFileTest, LastLineWithoutLineFeed)
{
    WriteFileBytes(file, "u1/1/1:C:\\a.csv\nabc/1/3:C:\\last.csv");
    EXPECT_EQ("C:\\last.csv", Load("abc/1/3:"));

    // Replaced: nothing of it remains.
    EXPECT_EQ(1, Save("abc/1/3:", "C:\\new.csv"));
    EXPECT_EQ("u1/1/1:C:\\a.csv\nabc/1/3:C:\\new.csv\n", ReadFileBytes(file));

    // Another key appended: the unterminated line keeps a line of its own.
    WriteFileBytes(file, "abc/1/3:C:\\last.csv");
    EXPECT_EQ(1, Save("xyz/1/3:", "C:\\x.csv"));
    EXPECT_EQ("abc/1/3:C:\\last.csv\nxyz/1/3:C:\\x.csv\n", ReadFileBytes(file));
    EXPECT_EQ("C:\\last.csv", Load("abc/1/3:"));
    EXPECT_EQ("C:\\x.csv", Load("xyz/1/3:"));
}

TEST_F(RememberedPathFileTest, KeysMatchOnlyWholeAtLineStarts)
{
    WriteFileBytes(file, "abc/1/30:C:\\thirty.csv\nxabc/1/3:C:\\other-user.csv\n");
    EXPECT_EQ("", Load("abc/1/3:"));  // neither 1/30 nor the user xabc
    EXPECT_EQ(0, found);

    EXPECT_EQ(1, Save("abc/1/3:", "C:\\three.csv"));
    EXPECT_EQ(1, Save("abc/1/30:", "C:\\thirty2.csv"));
    EXPECT_EQ("xabc/1/3:C:\\other-user.csv\nabc/1/3:C:\\three.csv\nabc/1/30:C:\\thirty2.csv\n",
              ReadFileBytes(file));
    EXPECT_EQ("C:\\three.csv", Load("abc/1/3:"));
    EXPECT_EQ("C:\\other-user.csv", Load("xabc/1/3:"));

    // A path that contains another key is not a line start either.
    WriteFileBytes(file, "u/1/1:C:\\abc/1/3:x\n");
    EXPECT_EQ(1, Save("abc/1/3:", "C:\\mine.csv"));
    EXPECT_EQ("u/1/1:C:\\abc/1/3:x\nabc/1/3:C:\\mine.csv\n", ReadFileBytes(file));
}

TEST_F(RememberedPathFileTest, LargeFileAndLongUserIds)
{
    // About 300 KB: well past what 16-bit offsets can address.
    std::string content;
    for (int i = 0; i < 5000; ++i)
        content += "user" + std::to_string(i) + "/1/2:C:\\exports\\folder-of-user-" +
                   std::to_string(i) + "\\assets.csv\n";
    ASSERT_GT(content.size(), 200000u);
    WriteFileBytes(file, content);

    const std::string middle = "user2500/1/2:";
    EXPECT_EQ("C:\\exports\\folder-of-user-2500\\assets.csv", Load(middle));
    EXPECT_EQ("C:\\exports\\folder-of-user-4999\\assets.csv", Load("user4999/1/2:"));

    // A 64-byte user id makes a key of more than 50 bytes.
    const std::string longKey = MakeRememberedPathKey(std::string(64, 'L').c_str(), -2147483647 - 1, 2147483647);
    ASSERT_GT(longKey.size(), 50u);
    std::string longPath = "C:\\";
    while (longPath.size() < 260) longPath += "表";
    longPath.resize(260);
    EXPECT_EQ(1, Save(middle, "C:\\moved.csv"));
    EXPECT_EQ(1, Save(longKey, longPath.c_str()));

    size_t cut = content.find(middle);
    size_t next = content.find('\n', cut) + 1;
    std::string expected = content.substr(0, cut) + content.substr(next) + middle +
                           "C:\\moved.csv\n" + longKey + longPath + "\n";
    EXPECT_EQ(expected, ReadFileBytes(file));
    EXPECT_EQ(longPath, Load(longKey));
}

TEST_F(RememberedPathFileTest, ReadBackStopsAt260Bytes)
{
    WriteFileBytes(file, "abc/1/3:" + std::string(300, 'p') + "\n");
    EXPECT_EQ(std::string(260, 'p'), Load("abc/1/3:"));
}

int FailHalfway(void* file, const char* data, size_t size)
{
    DWORD written = 0;
    WriteFile(static_cast<HANDLE>(file), data, static_cast<DWORD>(size / 2), &written, nullptr);
    return 0;  // as a full disk would
}

TEST_F(RememberedPathFileTest, FailedWriteLeavesTheOldFileWhole)
{
    const std::string before = "u1/1/1:C:\\a.csv\nabc/1/3:C:\\old.csv\nu2/1/1:C:\\b.csv\n";
    WriteFileBytes(file, before);
    GkFileWriter previous = GkSetRememberedPathWriter(&FailHalfway);
    int replaced = Save("abc/1/3:", "C:\\new.csv");
    int appended = Save("new/1/1:", "C:\\n.csv");
    GkSetRememberedPathWriter(previous);
    EXPECT_EQ(0, replaced);
    EXPECT_EQ(0, appended);
    EXPECT_EQ(before, ReadFileBytes(file));
    EXPECT_EQ(0, OtherFiles());  // no temporary file left behind

    // A file held open by another program without sharing: nothing changes.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(0, Save("abc/1/3:", "C:\\new.csv"));
    CloseHandle(held);
    EXPECT_EQ(before, ReadFileBytes(file));
    EXPECT_EQ(0, OtherFiles());
}

}  // namespace

namespace {

// The dialog's own view: the settings file in the settings folder (created
// when missing), named after the program file, keyed by the dialog's user id
// and selection numbers, and proposed when the dialog opens.
class RememberedPathDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fakeDataFolder = "C:\\data\\";
        g_fakeSettingsFolder = settingsRoot / "設定\\表\\";  // two missing levels
    }
    void TearDown() override { g_fakeSettingsFolder.clear(); }

    std::string Proposal(const char* userId, long first, long second)
    {
        CExportCondDlg dlg;
        std::strcpy(dlg.m_szUserID, userId);
        dlg.m_lSelectedNo1 = first;
        dlg.m_lSelectedNo2 = second;
        std::string shown;
        DialogScript script(dlg, {[&] { shown = WindowText(dlg.GetDlgItem(IDC_OUTPUT_PATH)); }});
        dlg.DoModal();
        return shown;
    }

    TestFolder settingsRoot;
};

TEST_F(RememberedPathDialogTest, SavedPathIsProposedForTheSameUserAndDataSet)
{
    EXPECT_EQ("C:\\data\\*.csv", Proposal("abc", 1, 3));

    {
        CExportCondDlg dlg;
        std::strcpy(dlg.m_szUserID, "abc");
        dlg.m_lSelectedNo1 = 1;
        dlg.m_lSelectedNo2 = 3;
        EXPECT_EQ(1, dlg.SaveRememberedPath("D:\\out\\表\\assets.csv"));
    }
    EXPECT_EQ("abc/1/3:D:\\out\\表\\assets.csv\n",
              ReadFileBytes(g_fakeSettingsFolder + "PelkAlder17ToGk13.env"));

    EXPECT_EQ("D:\\out\\表\\assets.csv", Proposal("abc", 1, 3));
    EXPECT_EQ("C:\\data\\*.csv", Proposal("abc", 1, 30));
    EXPECT_EQ("C:\\data\\*.csv", Proposal("xabc", 1, 3));
}

TEST_F(RememberedPathDialogTest, NoSettingsFolderStoresNothing)
{
    g_fakeSettingsFolder.clear();
    CExportCondDlg dlg;
    EXPECT_EQ(0, dlg.SaveRememberedPath("C:\\a.csv"));
    char path[261] = {};
    EXPECT_EQ(0, dlg.LoadRememberedPath(path));
}

}  // namespace
