// gk13-export on the demo store: the clean company, the company with every
// log entry, the past-results data set, an unwritable target and bad command
// lines, each with its exit code and report.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "Gk13Export.h"
#include "LedgerAdmin.h"
#include "binding/LedgerStore.h"
#include "gk_test_support.h"

namespace {

struct ToolRun {
    int code;
    std::string out, err;  // UTF-8
};

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_store = m_dir.File("demo.db");
        ClLedgerStore store;
        std::string error;
        ASSERT_TRUE(store.Create(m_store, &error)) << error;
        ASSERT_TRUE(LedgerFillDemo(store, &error)) << error;
    }

    ToolRun Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"gk13-export", "--store", m_store, "--no-progress"});
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(&a[0]);
        std::string outPath = m_dir.File("stdout.txt"), errPath = m_dir.File("stderr.txt");
        FILE* out = fopen(outPath.c_str(), "wb");
        FILE* err = fopen(errPath.c_str(), "wb");
        ToolRun run;
        run.code = Gk13ExportMain(static_cast<int>(argv.size()), argv.data(), out, err);
        fclose(out);
        fclose(err);
        run.out = ReadBytes(outPath);
        run.err = ReadBytes(errPath);
        return run;
    }

    ScratchDir m_dir;
    std::string m_store;
};

TEST_F(ToolTest, CleanCompanyPrintsBothPathsAndDeletesTheEmptyLog)
{
    std::string data = m_dir.File("assets.csv");
    ToolRun run = Run({"--out", data});
    EXPECT_EQ(run.code, GK13_EXIT_CLEAN) << run.err;
    EXPECT_NE(run.out.find(u8"減価償却情報の出力が正常に終了しました。"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(u8"償却資産データ ⇒ " + data), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(u8"資産種類データ ⇒ " + m_dir.File("syurui.SSC")), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("log entries: 0 errors, 0 warnings"), std::string::npos) << run.out;
    EXPECT_TRUE(FileExists(data));
    EXPECT_TRUE(FileExists(m_dir.File("syurui.SSC")));
    EXPECT_FALSE(FileExists(m_dir.File("PelkAlderGk13SysErr.txt")));
}

TEST_F(ToolTest, CompanyWithEveryEntryKindShowsTheLogAndKeepsIt)
{
    ToolRun run = Run({"--out", m_dir.File("assets.csv"), "--data", "2", "--edition", "Cedar"});
    EXPECT_EQ(run.code, GK13_EXIT_ENTRIES) << run.err;
    EXPECT_NE(run.out.find(u8"減価償却情報の出力が一応終了しました。"), std::string::npos);
    EXPECT_NE(run.out.find(u8"＜ERROR＞"), std::string::npos);
    EXPECT_NE(run.out.find(u8"エラーログ ⇒ " + m_dir.File("PelkCedarGk13SysErr.txt")), std::string::npos);
    for (int entry = 1; entry <= 14; ++entry)
        EXPECT_NE(run.out.find(" L" + std::to_string(entry) + " "), std::string::npos) << "L" << entry;
    EXPECT_FALSE(ReadBytes(m_dir.File("PelkCedarGk13SysErr.txt")).empty());
    EXPECT_EQ(run.out.find(u8"正常に終了"), std::string::npos);
}

TEST_F(ToolTest, PastResultsAreRefusedWithTheProgramsMessage)
{
    ToolRun run = Run({"--out", m_dir.File("assets.csv"), "--data", "3"});
    EXPECT_EQ(run.code, GK13_EXIT_FAILED);
    EXPECT_NE(run.err.find(u8"過去実績データは、連携の対象として使用できません。"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(m_dir.File("assets.csv")));
}

TEST_F(ToolTest, AnUnwritableTargetIsAFailureNamingTheFile)
{
    std::string data = m_dir.File("assets.csv");
    std::filesystem::create_directory(data);  // a folder where the file should go
    ToolRun run = Run({"--out", data});
    EXPECT_EQ(run.code, GK13_EXIT_FAILED);
    EXPECT_NE(run.err.find(data + ": could not be created"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find(u8"正常に終了"), std::string::npos) << run.out;
}

TEST_F(ToolTest, CommandLineErrors)
{
    EXPECT_EQ(Run({}).code, GK13_EXIT_USAGE);
    EXPECT_EQ(Run({"--out", "x.csv", "--edition", "Oak"}).code, GK13_EXIT_USAGE);
    EXPECT_EQ(Run({"--out", "x.csv", "--data", "two"}).code, GK13_EXIT_USAGE);
    EXPECT_EQ(Run({"--out"}).code, GK13_EXIT_USAGE);
    ToolRun help = Run({"--help"});
    EXPECT_EQ(help.code, GK13_EXIT_CLEAN);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
    ToolRun missing = Run({"--out", m_dir.File("a.csv"), "--data", "42"});
    EXPECT_EQ(missing.code, GK13_EXIT_FAILED);
    EXPECT_NE(missing.err.find("no data set number 42"), std::string::npos);
}

}  // namespace
