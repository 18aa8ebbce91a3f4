// Whole runs over small data sets: the asset data file, the error log and the
// asset-type file compared byte for byte with files written by hand.
#include <gtest/gtest.h>

#include "gk_test_support.h"

namespace {

// A clean run of a corporation: regular assets of several methods, a lump-sum
// asset with three sub-items, and asset types of every class.
FixtureRule DataSet1()
{
    FixtureRule rule;

    FixtureAsset pc = NewAsset("12", 6);
    pc.asset.assetTypeCode = 7;
    SetText(pc.asset.assetName, "ノートパソコン");
    SetText(pc.asset.quantityText, "1台");
    SetText(pc.asset.memo, "営業部用");
    pc.asset.acquisitionDate = 20200401;
    pc.asset.acquisitionCost = Yen(300000);
    pc.asset.usefulLife = 4;
    pc.asset.deprRate = 250;
    pc.asset.openingBookValue = Yen(150000);
    pc.asset.deprBaseAmount = Yen(300000);
    pc.asset.accumulatedDepr = Yen(225000);
    pc.asset.closingBookValue = Yen(75000);
    pc.asset.businessUseRatio = 100;
    pc.asset.sellingAdminRatio = 100;
    pc.asset.sellingAdminAmount = Yen(75000);
    pc.year.computedDepr = Yen(75000);
    rule.assets.push_back(pc);

    FixtureAsset lathe = NewAsset("A00002", 5);
    lathe.asset.assetTypeCode = 3;
    SetText(lathe.asset.assetName, "旋盤");
    SetText(lathe.asset.quantityText, "2");
    SetText(lathe.asset.capexText, "資本的支出");
    lathe.asset.acquisitionDate = 20120601;
    lathe.asset.dbRateDate = 20120601;
    lathe.asset.acquisitionCost = Yen(5000000);
    lathe.asset.usefulLife = 10;
    lathe.asset.deprRate = 167;
    lathe.asset.revisedAcquisitionCost = Yen(3000000);
    lathe.asset.openingBookValue = Yen(2000000);
    lathe.asset.deprBaseAmount = Yen(2000000);
    lathe.asset.accumulatedDepr = Yen(3434000);
    lathe.asset.closingBookValue = Yen(1566000);
    lathe.asset.businessUseRatio = 80;
    lathe.asset.sellingAdminRatio = 30;
    lathe.asset.sellingAdminAmount = Yen(130200);
    lathe.asset.manufacturingAmount = Yen(303800);
    lathe.year.computedDepr = Yen(334000);
    lathe.year.specialDepr = Yen(100000);
    rule.assets.push_back(lathe);

    FixtureAsset furniture = NewAsset("B1", 4);
    furniture.asset.businessUseRatio = 100;
    furniture.asset.sellingAdminRatio = 100;
    furniture.items.push_back(NewItem("机", 150000, 300));
    furniture.items.push_back(NewItem("椅子", 80000, 250));
    furniture.items.push_back(NewItem("書庫", 120000, 100));
    for (int i = 0; i < 3; ++i)
        furniture.items[static_cast<size_t>(i)].subAcquisitionDate = 20240501 + i;
    rule.assets.push_back(furniture);

    FixtureAsset store = NewAsset("C9", 2);
    store.asset.assetTypeCode = 1;
    SetText(store.asset.assetName, "倉庫");
    SetText(store.asset.quantityText, "1棟");
    store.asset.acquisitionDate = 20050401;
    store.asset.acquisitionCost = Yen(10000000);
    store.asset.usefulLife = 24;
    store.asset.deprRate = 42;
    store.asset.residualRate = 10;
    store.asset.residualValue = Yen(1000000);
    store.asset.deprLimit = Yen(95);
    store.asset.openingBookValue = Yen(2000000);
    store.asset.deprBaseAmount = Yen(9000000);
    store.asset.accumulatedDepr = Yen(8378000);
    store.asset.closingBookValue = Yen(1622000);
    store.asset.disposalKind = 4;
    store.asset.disposalDate = 20250115;
    store.asset.disposalPrice = Yen(1500000);
    store.asset.businessUseRatio = 100;
    store.asset.sellingAdminRatio = 100;
    store.asset.sellingAdminAmount = Yen(378000);
    store.year.computedDepr = Yen(378000);
    rule.assets.push_back(store);

    rule.types.push_back(NewType(2, "構築物", 2, 0));
    rule.types.push_back(NewType(9, "繰延資産", 1, 0));
    rule.types.push_back(NewType(11, "土地", 1, 0));
    rule.types.push_back(NewType(10, "一括償却資産", 4, 15));
    rule.types.push_back(NewType(5, "A車両運搬具等", 5, 0));
    rule.types.push_back(NewType(7, "車両運搬具等A", 5, 0));
    return rule;
}

// Every kind of log entry except the sub-item limit, for a client that is
// neither a corporation nor an individual.
FixtureRule DataSet2()
{
    FixtureRule rule;

    FixtureAsset big = NewAsset("ABCDEFGH", 6);     // L1, cut to CDEFGH
    big.asset.assetTypeCode = 123;                  // L4
    SetText(big.asset.assetName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");  // L5
    SetText(big.asset.quantityText, "1234567");     // L6
    big.asset.acquisitionCost = Yen(100000000000);  // L7
    SetText(big.asset.memo, "abcdefghijklmnopqrstuvwxyz0123456789ABCDE");  // L8
    rule.assets.push_back(big);

    FixtureAsset hyphen = NewAsset("A-1", 7);       // L2
    rule.assets.push_back(hyphen);

    FixtureAsset repeat = NewAsset("CDEFGH", 1);    // L3
    rule.assets.push_back(repeat);

    FixtureAsset plain = NewAsset("000123", 6);
    plain.asset.acquisitionDate = 20200101;
    rule.assets.push_back(plain);

    FixtureAsset lump = NewAsset("123", 4);         // L13 for each sub-item
    lump.items.push_back(NewItem("名前が三十二バイトを超える長い内訳名称です", 10000, 100000000));  // L14, L6
    lump.items.push_back(NewItem("", -10000000000, 0));  // L7
    rule.assets.push_back(lump);

    FixtureAsset longCode = NewAsset("12345678", 4);  // L10
    longCode.items.push_back(NewItem("", 0, 0));
    rule.assets.push_back(longCode);

    FixtureAsset sameRow = NewAsset("X345678", 4);    // L12
    sameRow.items.push_back(NewItem("", 0, 0));
    rule.assets.push_back(sameRow);

    FixtureAsset badRow = NewAsset("AB-", 4);         // L11
    badRow.items.push_back(NewItem("", 0, 0));
    rule.assets.push_back(badRow);

    FixtureAsset shelf = NewAsset("S1", 6);           // separators in the name and the memo
    shelf.asset.acquisitionDate = 20200101;
    SetText(shelf.asset.assetName, "棚,A\nB");
    SetText(shelf.asset.memo, "x,y");
    rule.assets.push_back(shelf);

    rule.types.push_back(NewType(5, "備品,什器", 5, 0));
    return rule;
}

struct GoldenCase {
    const char* name;
    FixtureRule (*make)();
    const char* company;
    unsigned char clientKind;
    int32_t exportDate;
    const char* data;
    const char* log;  // null: the log stays empty
    const char* ssc;
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.name;
}

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, WritesTheThreeFilesByteForByte)
{
    const GoldenCase& c = GetParam();
    ScratchDir dir;
    FixtureRule rule = c.make();
    StDATAINFO info = NewDataInfo(c.company, c.clientKind);
    {
        ClGkWriter writer;
        writer.SetExportDate(c.exportDate);
        RunSteps(writer, rule, info, dir.File("assets.csv"));
        EXPECT_FALSE(writer.HasFailure());
    }
    EXPECT_EQ(ReadBytes(dir.File("assets.csv")), Expected(c.data));
    EXPECT_EQ(ReadBytes(dir.File("PelkAlderGk13SysErr.txt")), c.log ? Expected(c.log) : std::string());
    EXPECT_EQ(ReadBytes(dir.File("syurui.SSC")), Expected(c.ssc));
}

INSTANTIATE_TEST_SUITE_P(DataSets, GoldenTest,
    ::testing::Values(
        GoldenCase{"clean", DataSet1, "株式会社サンプル商事", 0, 20240305, "set1_data.txt", nullptr, "set1_ssc.txt"},
        GoldenCase{"entries", DataSet2, "個人事業主", 2, 20241231, "set2_data.txt", "set2_log.txt", "set2_ssc.txt"}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

}  // namespace
