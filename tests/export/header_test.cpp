// The header lines of the asset data file and of syurui.SSC for every client
// kind, and the cut of a long company name.
#include <gtest/gtest.h>

#include <ctime>

#include "gk_test_support.h"

namespace {

std::vector<std::string> LinesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, at - start));
        start = at + 2;
    }
    return lines;
}

struct Files {
    std::vector<std::string> data, ssc;
};

Files Write(const StDATAINFO& info, int32_t date)
{
    ScratchDir dir;
    FixtureRule rule;
    ClGkWriter writer;
    writer.SetExportDate(date);
    RunSteps(writer, rule, info, dir.File("assets.csv"));
    return {LinesOf(ReadBytes(dir.File("assets.csv"))), LinesOf(ReadBytes(dir.File("syurui.SSC")))};
}

TEST(Headers, ClientKindDecidesTheCorporationLines)
{
    struct {
        unsigned char kind;
        const char* dataLine4;
        const char* sscLine3;
        const char* sscLine11;
    } cases[] = {
        {0, "法人個人区分=法人", ";顧問先\t\t：[0004 法人関与先]", "HoujinKojinKubun=1"},
        {1, "法人個人区分=法人", ";顧問先\t\t：[0004 法人関与先]", "HoujinKojinKubun=1"},
        {3, "法人個人区分=個人", ";顧問先\t\t：[0004 個人関与先]", "HoujinKojinKubun=2"},
        {4, "法人個人区分=個人", ";顧問先\t\t：[0004 個人関与先]", "HoujinKojinKubun=2"},
        {2, "", "", ""},
        {255, "", "", ""},
    };
    for (const auto& c : cases) {
        Files f = Write(NewDataInfo("社", c.kind), 20240305);
        ASSERT_EQ(f.data.size(), 7u);
        ASSERT_EQ(f.ssc.size(), 17u);
        EXPECT_EQ(f.data[3], c.dataLine4) << int(c.kind);
        EXPECT_EQ(f.ssc[2], c.sscLine3) << int(c.kind);
        EXPECT_EQ(f.ssc[10], c.sscLine11) << int(c.kind);
        EXPECT_EQ(f.ssc[3], ";日付\t\t：2024/3/5");
    }
}

TEST(Headers, ALongCompanyNameKeepsTheFirst152BytesOfItsLine)
{
    StDATAINFO info = NewDataInfo("", 0);
    std::string name;
    for (int i = 0; i < 100; ++i)
        name += "株";  // 200 bytes
    SetText(info.szCompanyName, name);
    Files f = Write(info, 20240305);
    ASSERT_GE(f.data.size(), 3u);
    EXPECT_EQ(f.data[2].size(), 152u);
    // "顧問先名称=" is 11 bytes; 141 bytes of the name follow, the last one
    // the first half of a character.
    EXPECT_EQ(f.data[2], std::string("顧問先名称=") + name.substr(0, 141));
}

TEST(Headers, DateLineTakesTheLocalDateWhenNoneIsSet)
{
    time_t before = time(nullptr);
    Files f = Write(NewDataInfo("社", 0), 0);
    time_t after = time(nullptr);
    std::vector<std::string> accepted;
    for (time_t t : {before, after}) {
        struct tm local = *localtime(&t);
        char line[64];
        snprintf(line, sizeof line, ";日付\t\t：%d/%d/%d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        accepted.push_back(line);
    }
    ASSERT_GE(f.ssc.size(), 4u);
    EXPECT_TRUE(f.ssc[3] == accepted[0] || f.ssc[3] == accepted[1]) << f.ssc[3];
}

}  // namespace
