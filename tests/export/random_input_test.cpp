// Arbitrary bytes in the source records: the conversion never crashes, never
// reads or writes beyond a record (checked by the sanitizers in a
// -DGK_SANITIZE=ON build), and every row it writes is one line of exactly 143
// fields (an asset-type row: 16), whatever the texts hold.
#include <gtest/gtest.h>

#include <cstring>
#include <algorithm>
#include <random>

#include "gk_test_support.h"

namespace {

template <class T>
void Scramble(T& record, std::mt19937& random)
{
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<unsigned char>(random());
}

// Makes some fields likely values, so the branches behind them are reached.
void Steer(StKOTEISHISANINFO& a, std::mt19937& random)
{
    switch (random() % 4) {
    case 0:
        a.deprMethod = static_cast<int16_t>(random() % 10);
        break;
    case 1:
        a.deprMethod = 4;
        break;
    default:
        break;
    }
    if (random() % 2)
        a.assetTypeCode = static_cast<int32_t>(random() % 14) - 1;
    if (random() % 2)
        a.disposalKind = static_cast<int16_t>(4 + random() % 2);
    if (random() % 3 == 0)
        a.deprMonthsEntered = 1;
    if (random() % 3 == 0) {
        const char* quantities[] = {"1e300", "nan", "-inf", "0x1p99", "1,2,3", "99.995", "  7", "1e-300"};
        strcpy(a.quantityText, quantities[random() % 8]);
    }
}

std::vector<std::string> Lines(const std::string& bytes, size_t skip)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, at - start));
        start = at + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "the file ends in CR LF";
    if (lines.size() < skip)
        return {};
    return std::vector<std::string>(lines.begin() + static_cast<long>(skip), lines.end());
}

void ExpectFields(const std::vector<std::string>& rows, size_t fields)
{
    for (const std::string& row : rows) {
        ASSERT_EQ(static_cast<size_t>(std::count(row.begin(), row.end(), ',')), fields - 1) << row;
        ASSERT_EQ(row.find_first_of("\r\n"), std::string::npos) << row;
    }
}

TEST(RandomInput, RowsStayWithinTheirRecordsAndTheirColumns)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        ScratchDir dir;
        std::string path = dir.File("assets.csv");
        long rows = 0;
        {
            ClGkWriter writer;
            writer.SetExportDate(20240101);
            writer.OpenFile(GK_FILE_LOG, path.c_str());
            writer.OpenFile(GK_FILE_DATA, path.c_str());
            StDATAINFO info;
            Scramble(info, random);
            writer.WriteDataFileHeader(&info);
            for (int i = 0; i < 2500; ++i) {
                StKOTEISHISANINFO asset;
                StKOTEINENINFO year;
                StKOTEITSUKIINFO months;
                StIKKATSUINFO item;
                Scramble(asset, random);
                Scramble(year, random);
                Scramble(months, random);
                Scramble(item, random);
                Steer(asset, random);
                if (random() % 2)
                    snprintf(item.subNumber, sizeof item.subNumber, "%u", static_cast<unsigned>(random() % 120));
                writer.WriteAssetRow(&asset, &year, &months, &item);
            }
            writer.CloseFile(GK_FILE_DATA);
            writer.CloseFile(GK_FILE_LOG);
            writer.OpenFile(GK_FILE_SSC, path.c_str());
            writer.WriteAssetTypeHeader(&info);
            for (int i = 0; i < 500; ++i) {
                StSHISANKUBUNINFO type;
                Scramble(type, random);
                if (random() % 2)
                    type.lTypeCode = static_cast<int32_t>(random() % 13);
                writer.WriteAssetTypeRow(&type);
            }
            writer.CloseFile(GK_FILE_SSC);
            writer.CloseFile(GK_FILE_LOG);
            EXPECT_FALSE(writer.HasFailure());
            rows = writer.GetSummary().lAssetRows + writer.GetSummary().lSubItemRows;
        }
        // The header block may hold stray line breaks from the company name;
        // the rows are counted from the end.
        std::vector<std::string> data = Lines(ReadBytes(path), 0);
        ASSERT_GE(data.size(), static_cast<size_t>(rows));
        ExpectFields(std::vector<std::string>(data.end() - rows, data.end()), 143);
        std::vector<std::string> types = Lines(ReadBytes(dir.File("syurui.SSC")), 17);
        ASSERT_EQ(types.size(), 500u);
        ExpectFields(types, 16);
    }
}

}  // namespace
