// The files of a run: where they are put, that they are emptied and rewritten,
// and that a file which cannot be opened, written or closed is recorded with
// its path rather than passing for a success.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "export/GkPaths.h"
#include "gk_test_support.h"

namespace {

const char kLog[] = "PelkAlderGk13SysErr.txt";

std::string Built(short kind, const char* path)
{
    char out[GK_PATH_SIZE];
    return GkBuildPath(kind, path, kLog, out) ? std::string(out) : std::string("(refused)");
}

TEST(JobPaths, FilesLieBesideTheDataFile)
{
    struct {
        const char* path;
        const char* ssc;
        const char* log;
    } cases[] = {
        {"C:\\out\\assets.csv", "C:\\out\\syurui.SSC", "C:\\out\\PelkAlderGk13SysErr.txt"},
        {"C:data.csv", "C:syurui.SSC", "C:PelkAlderGk13SysErr.txt"},  // no separator: beside, not onto
        {"data.csv", "syurui.SSC", "PelkAlderGk13SysErr.txt"},
        {"C:\\out\\", "C:\\out\\syurui.SSC", "C:\\out\\PelkAlderGk13SysErr.txt"},
#ifndef _WIN32
        {"out/assets.csv", "out/syurui.SSC", "out/PelkAlderGk13SysErr.txt"},
#else
        // A 0x5C second byte of a double-byte character is no separator.
        {"C:\\out\\資産表.csv", "C:\\out\\syurui.SSC", "C:\\out\\PelkAlderGk13SysErr.txt"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Built(GK_FILE_DATA, c.path), c.path);
        EXPECT_EQ(Built(GK_FILE_SSC, c.path), c.ssc) << c.path;
        EXPECT_EQ(Built(GK_FILE_LOG, c.path), c.log) << c.path;
    }
}

TEST(JobPaths, APathLongerThan260BytesIsRefusedNeverCut)
{
    std::string folder = "C:\\" + std::string(240, 'f') + "\\";  // 244 bytes
    std::string data = folder + "a.csv";                          // 249: fits
    EXPECT_EQ(Built(GK_FILE_DATA, data.c_str()), data);
    EXPECT_EQ(Built(GK_FILE_SSC, data.c_str()), folder + "syurui.SSC");       // 254
    EXPECT_EQ(Built(GK_FILE_LOG, data.c_str()), "(refused)");                  // 267
    std::string tooLong = std::string(261, 'x');
    EXPECT_EQ(Built(GK_FILE_DATA, tooLong.c_str()), "(refused)");
    EXPECT_EQ(Built(GK_FILE_DATA, std::string(260, 'x').c_str()), std::string(260, 'x'));
}

TEST(JobFiles, ExistingFilesAreEmptiedAndAnEmptyRunLeavesSevenLines)
{
    ScratchDir dir;
    for (const char* name : {"assets.csv", "syurui.SSC", kLog}) {
        std::ofstream old(dir.File(name), std::ios::binary);
        old << std::string(5000, 'z');
    }
    FixtureRule rule;  // no assets, no types
    StDATAINFO info = NewDataInfo("社", 0);
    ClGkWriter writer;
    RunSteps(writer, rule, info, dir.File("assets.csv"));
    EXPECT_FALSE(writer.HasFailure());
    std::string data = ReadBytes(dir.File("assets.csv"));
    size_t lines = 0;
    for (size_t at = data.find("\r\n"); at != std::string::npos; at = data.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 7u);
    EXPECT_EQ(data.find("zzzz"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File(kLog)), "");
    std::string ssc = ReadBytes(dir.File("syurui.SSC"));
    EXPECT_EQ(ssc.substr(ssc.size() - 15), "[SisanSyurui]\r\n");
}

TEST(JobWalk, LumpSumSubItemsUpToTheHundredth)
{
    struct {
        int items;
        int rows;
        int limitEntries;
    } cases[] = {{0, 0, 0}, {3, 3, 0}, {99, 99, 0}, {100, 99, 1}, {120, 99, 1}};
    for (const auto& c : cases) {
        ScratchDir dir;
        FixtureRule rule;
        FixtureAsset lump = NewAsset("L1", 4);
        for (int i = 0; i < c.items; ++i)
            lump.items.push_back(NewItem("", 1, 100));
        rule.assets.push_back(lump);
        StDATAINFO info = NewDataInfo("社", 0);
        ClGkWriter writer;
        RunSteps(writer, rule, info, dir.File("assets.csv"));
        EXPECT_EQ(rule.finishedIkkatsu, 1) << c.items;
        EXPECT_EQ(writer.GetSummary().lSubItemRows, c.rows) << c.items;
        std::string data = ReadBytes(dir.File("assets.csv"));
        if (c.rows > 0) {
            EXPECT_NE(data.find("\r\n0000L101,"), std::string::npos);
            EXPECT_EQ(data.find("\r\n0000L100,"), std::string::npos);
        }
        if (c.rows == 99) {
            EXPECT_NE(data.find("\r\n0000L199,"), std::string::npos);
        }
        std::string expectedLog;
        if (c.limitEntries)
            expectedLog = "\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n100件目から後の内訳は出力されません。\r\n";
        EXPECT_EQ(ReadBytes(dir.File(kLog)), expectedLog) << c.items;
    }
}

TEST(JobWalk, SummaryCountsRowsEntriesAndControlTotals)
{
    ScratchDir dir;
    FixtureRule rule;
    FixtureAsset a = NewAsset("A1", 6);
    a.asset.acquisitionCost = Yen(1000, 5000);
    a.asset.closingBookValue = Yen(400);
    rule.assets.push_back(a);
    FixtureAsset lump = NewAsset("A-2", 4);  // sub-items with a bad code: L11 each
    lump.items.push_back(NewItem("", 300, 100));
    lump.items.push_back(NewItem("", 200, 100));
    rule.assets.push_back(lump);
    StDATAINFO info = NewDataInfo("社", 0);
    ClGkWriter writer;
    RunSteps(writer, rule, info, dir.File("assets.csv"));
    const StGKSUMMARY& s = writer.GetSummary();
    EXPECT_EQ(s.lAssetRows, 1);
    EXPECT_EQ(s.lSubItemRows, 2);
    EXPECT_EQ(s.alEntries[GK_LOG_L11], 2);
    EXPECT_EQ(static_cast<int64_t>(s.acquisitionCost), 15005000LL);
    EXPECT_EQ(static_cast<int64_t>(s.closingBookValue), 4000000LL);
}

TEST(JobCodes, RegistryAnswersAndTheOlderRegistrationDecides)
{
    ClGkWriter writer;
    EXPECT_EQ(writer.RegisterAssetCode("000123"), 0);
    EXPECT_EQ(writer.RegisterAssetCode("00012301"), 2);  // prefix of an earlier 6-character code
    EXPECT_EQ(writer.RegisterAssetCode("000123"), 1);
    EXPECT_EQ(writer.RegisterAssetCode("abcdef"), 0);
    EXPECT_EQ(writer.RegisterAssetCode("ABCDEF"), 0);    // case counts

    // The sub-item code first: its 6-character prefix is then no collision.
    ClGkWriter other;
    EXPECT_EQ(other.RegisterAssetCode("00045601"), 0);
    EXPECT_EQ(other.RegisterAssetCode("000456"), 0);
    // Both an equal code and the prefix are registered now: the older
    // registration, the equal code, decides.
    EXPECT_EQ(other.RegisterAssetCode("00045601"), 1);
    EXPECT_EQ(other.RegisterAssetCode("00045602"), 2);
    // A collided code is not added: a third one is reported again.
    EXPECT_EQ(other.RegisterAssetCode("00045602"), 2);

    // Enough codes to make the table grow several times.
    ClGkWriter many;
    char code[16];
    for (int i = 0; i < 20000; ++i) {
        snprintf(code, sizeof code, "%06d", i);
        ASSERT_EQ(many.RegisterAssetCode(code), 0) << code;
    }
    for (int i = 0; i < 20000; i += 997) {
        snprintf(code, sizeof code, "%06d", i);
        EXPECT_EQ(many.RegisterAssetCode(code), 1) << code;
        snprintf(code, sizeof code, "%06d77", i);
        EXPECT_EQ(many.RegisterAssetCode(code), 2) << code;
    }
}

// The registry against a plain model: every registration kept in order, and
// the answer that of the oldest registration that is equal or a 6-byte prefix.
// A two-letter alphabet makes equal codes and prefixes common.
TEST(JobCodes, RegistryAgreesWithAWalkOverEveryRegistration)
{
    // Without a reservation the table grows as it fills; with one it starts
    // at its final size.
    for (long reserved : {0L, 3000L}) {
        std::mt19937 random(7);
        std::vector<std::string> registered;
        ClGkWriter writer;
        writer.ReserveAssetCodes(reserved);
        for (int i = 0; i < 6000; ++i) {
            static const size_t kLengths[] = {6, 8, 8, 7, 5, 9};
            std::string code(kLengths[random() % 6], 'a');
            for (char& c : code)
                c = "ab"[random() % 2];
            int expected = 0;
            for (const std::string& r : registered) {
                if (r == code) {
                    expected = 1;
                    break;
                }
                if (code.size() > 6 && r == code.substr(0, 6)) {
                    expected = 2;
                    break;
                }
            }
            ASSERT_EQ(writer.RegisterAssetCode(code.c_str()), expected) << code << " at " << i << ", reserved " << reserved;
            if (expected == 0)
                registered.push_back(code);
        }
    }
}

TEST(JobCodes, HalfWidthAlnumCheck)
{
    EXPECT_TRUE(ClGkWriter::IsHalfWidthAlnum(""));
    EXPECT_TRUE(ClGkWriter::IsHalfWidthAlnum("Az09"));
    for (const char* bad : {"A-1", "A 1", "A_1", "ｱ1", "Ａ1", "表"})
        EXPECT_FALSE(ClGkWriter::IsHalfWidthAlnum(bad)) << bad;
}

// ---- Files that cannot be written.

std::string Describe(const StGKFILESTATE& s)
{
    return s.strPath + " failure " + std::to_string(s.nFailure);
}

TEST(JobFailures, AMissingFolderIsRecordedForEveryFile)
{
    ScratchDir dir;
    std::string path = dir.File("missing") + (dir.File("x").substr(dir.Path().size(), 1)) + "assets.csv";
    FixtureRule rule;
    rule.assets.push_back(NewAsset("A1", 6));
    StDATAINFO info = NewDataInfo("社", 0);
    ClGkWriter writer;
    RunSteps(writer, rule, info, path);
    EXPECT_TRUE(writer.HasFailure());
    for (short kind : {GK_FILE_DATA, GK_FILE_SSC, GK_FILE_LOG}) {
        EXPECT_EQ(writer.GetFileState(kind).nFailure, GK_FAILURE_OPEN) << Describe(writer.GetFileState(kind));
    }
    EXPECT_EQ(writer.GetFileState(GK_FILE_DATA).strPath, path);
}

TEST(JobFailures, AFolderInPlaceOfTheDataFileIsRecordedAndTheOthersStillWritten)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.File("assets.csv"));
    FixtureRule rule;
    rule.assets.push_back(NewAsset("A1", 6));
    StDATAINFO info = NewDataInfo("社", 0);
    ClGkWriter writer;
    RunSteps(writer, rule, info, dir.File("assets.csv"));
    EXPECT_TRUE(writer.HasFailure());
    EXPECT_EQ(writer.GetFileState(GK_FILE_DATA).nFailure, GK_FAILURE_OPEN);
    EXPECT_EQ(writer.GetFileState(GK_FILE_DATA).strPath, dir.File("assets.csv"));
    EXPECT_EQ(writer.GetFileState(GK_FILE_SSC).nFailure, GK_FAILURE_NONE);
    EXPECT_EQ(writer.GetFileState(GK_FILE_LOG).nFailure, GK_FAILURE_NONE);
    EXPECT_FALSE(ReadBytes(dir.File("syurui.SSC")).empty());
}

TEST(JobFailures, ADerivedPathBeyond260BytesIsRecordedUnderItsFullName)
{
    ScratchDir dir;
    std::string sep = dir.File("x").substr(dir.Path().size(), 1);
    // A folder name that leaves room for the data file and the asset-type
    // file, but not for the longer name of the log.
    const std::string name = "assets-data.csv";
    size_t room = 255 - dir.Path().size() - 2 - name.size();
    std::string folder = dir.Path() + sep + std::string(room, 'f');
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    if (ec)
        GTEST_SKIP() << "the file system refuses a folder name of " << room << " bytes";
    std::string path = folder + sep + name;
    ASSERT_EQ(path.size(), 255u);
    FixtureRule rule;
    StDATAINFO info = NewDataInfo("社", 0);
    ClGkWriter writer;
    RunSteps(writer, rule, info, path);
    EXPECT_EQ(writer.GetFileState(GK_FILE_LOG).nFailure, GK_FAILURE_PATH);
    EXPECT_EQ(writer.GetFileState(GK_FILE_LOG).strPath, folder + sep + kLog);
    EXPECT_EQ(writer.GetFileState(GK_FILE_DATA).nFailure, GK_FAILURE_NONE);
    EXPECT_EQ(writer.GetFileState(GK_FILE_SSC).nFailure, GK_FAILURE_NONE);
    EXPECT_TRUE(writer.HasFailure());
    // Nothing was written under a cut name: the data file and syurui.SSC only.
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2u);
}

#ifndef _WIN32
TEST(JobFailures, AFullDiskIsRecordedAsAWriteOrCloseFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    ClGkWriter writer;
    ASSERT_EQ(writer.OpenFile(GK_FILE_DATA, "/dev/full"), 1);
    StDATAINFO info = NewDataInfo("社", 0);
    writer.WriteDataFileHeader(&info);
    FixtureAsset a = NewAsset("A1", 6);
    StKOTEITSUKIINFO months = {};
    StIKKATSUINFO item = {};
    for (int i = 0; i < 100; ++i)
        writer.WriteAssetRow(&a.asset, &a.year, &months, &item);
    writer.CloseFile(GK_FILE_DATA);
    int failure = writer.GetFileState(GK_FILE_DATA).nFailure;
    EXPECT_TRUE(failure == GK_FAILURE_WRITE || failure == GK_FAILURE_CLOSE) << failure;
    EXPECT_TRUE(writer.HasFailure());
}
#endif

}  // namespace
