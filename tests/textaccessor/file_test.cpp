// ClTextFile: open modes, reports, and the bytes that reach the disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "binding/PelkMsgMgr.h"
#include "ta_fixture.h"
#include "textaccessor/TextFile.h"

namespace {

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::string("ta_") + info->name() + ".txt";
        std::remove(m_path.c_str());
    }
    void TearDown() override { std::remove(m_path.c_str()); }

    void Put(const std::string& bytes)
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    std::string Get()
    {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string m_path;
};

TEST_F(TextFileTest, LinesReachTheDiskUntranslated)
{
    TestRec rec = MakeRec("a\nb", 1, -1, 2, 3);
    ClTextAccessor ta("TEST", kTestFormat, 5, &rec);
    ClTextFile file;
    ASSERT_EQ(file.Open(m_path.c_str(), TF_WRITE | TF_TRUNCATE), 0);
    ASSERT_EQ(file.Attach(&ta), 0);
    ASSERT_EQ(ta.SetMode(DELIM_COMMA, QUOTE_NONE), 0);
    ASSERT_EQ(ta.CommentWrite(";表"), 0);
    ASSERT_EQ(ta.Write(), 0);
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(Get(), ";\x95\x5C\r\na\nb,1,-0.00,2,3\r\n");

    // Reading it back drops the CR of each CR LF, on every platform.
    ClTextAccessor reader("TEST", kTestFormat, 5, &rec);
    ASSERT_EQ(file.Open(m_path.c_str(), TF_READ), 0);
    ASSERT_EQ(file.Attach(&reader), 0);
    reader.SetMode(DELIM_COMMA, QUOTE_NONE);
    reader.SetCommentMark(";");
    EXPECT_EQ(reader.Read(), 2);  // "a" alone: the bare LF ended the line
    char line[TA_LINE_BUFFER];
    reader.GetReadLine(line);
    EXPECT_STREQ(line, "a");
    EXPECT_EQ(reader.Read(), 0);
    reader.GetReadLine(line);
    EXPECT_STREQ(line, "b,1,-0.00,2,3");
    EXPECT_STREQ(rec.szName, "b");
    EXPECT_EQ(reader.GetPhysicalLineNo(), 3);
    EXPECT_EQ(reader.GetLogicalLineNo(), 2);
    EXPECT_EQ(reader.Read(), 1);
}

TEST_F(TextFileTest, OpenModes)
{
    ClTextFile file;
    ClMsgMgr* mgr = ClMsgMgr::Inst();

    EXPECT_EQ(file.Open(m_path.c_str(), TF_READ), -1000);  // missing
    EXPECT_STREQ(mgr->GetLastErrorSource(), "TextFile");
    EXPECT_GT(mgr->GetLastErrorLine(), 0);

    Put("old\r\n");
    EXPECT_EQ(file.Open(m_path.c_str(), TF_WRITE), -1000);  // exists: never emptied
    EXPECT_EQ(Get(), "old\r\n");

    ASSERT_EQ(file.Open(m_path.c_str(), TF_WRITE | TF_APPEND), 0);
    EXPECT_EQ(mgr->GetLastErrorCode(), 0);
    EXPECT_EQ(mgr->GetLastErrorSource(), nullptr);
    TestRec rec{};
    ClTextAccessor ta("TEST", kTestFormat, 5, &rec);
    file.Attach(&ta);
    ta.CommentWrite("new");
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(Get(), "old\r\nnew\r\n");

    ASSERT_EQ(file.Open(m_path.c_str(), TF_READ | TF_WRITE | TF_TRUNCATE), 0);  // write wins
    ASSERT_EQ(file.Close(), 0);
    EXPECT_EQ(Get(), "");

    std::remove(m_path.c_str());
    ASSERT_EQ(file.Open(m_path.c_str(), TF_WRITE), 0);  // a new file
    EXPECT_TRUE(file.IsOpen());
    ASSERT_EQ(file.Open(m_path.c_str(), TF_WRITE | TF_TRUNCATE), 0);  // an open file is closed first

    EXPECT_EQ(file.Open(m_path.c_str(), static_cast<TFOpenMode>(0)), -1000);
    EXPECT_EQ(file.Open("no_such_folder/x.txt", TF_WRITE | TF_TRUNCATE), -1000);
    EXPECT_EQ(file.Open(nullptr, TF_WRITE | TF_TRUNCATE), -1000);
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(TextFileTest, CloseAndAttachReports)
{
    ClTextFile file;
    ClMsgMgr* mgr = ClMsgMgr::Inst();
    mgr->SetLastError(-5, "x", 1);
    EXPECT_EQ(file.Close(), 0);  // not open
    EXPECT_EQ(mgr->GetLastErrorCode(), 0);

    EXPECT_EQ(file.Attach(nullptr), -1003);
    EXPECT_EQ(mgr->GetLastErrorCode(), -1003);
    EXPECT_STREQ(mgr->GetLastErrorSource(), "TextFile");
}

}  // namespace
