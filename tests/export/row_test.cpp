// Column rules of the row conversion, one asset at a time: amounts and their
// limits, rates, quantities with their two-stage rounding, rules D and E,
// codes, memo split, the lump-sum path.
#include <gtest/gtest.h>

#include "gk_test_support.h"

namespace {

const char kStars[] = "************";

// An asset whose amounts leave every column of its method filled.
FixtureAsset Asset(int method)
{
    FixtureAsset a = NewAsset("000001", method);
    a.asset.acquisitionDate = 20200401;
    return a;
}

struct AmountCase {
    int64_t tenThousandths;
    const char* text;
    bool logged;
};

TEST(RowAmounts, BoundariesOfTheAmountText)
{
    const AmountCase cases[] = {
        {0, "", false},
        {5000, "0", false},                        // 0.5 yen
        {-15000, "-1", false},                     // -1.5 yen
        {-5000, "0", false},                       // below one yen: no sign
        {999999999990000LL, "99999999999", false},
        {999999999995000LL, kStars, true},         // 99,999,999,999.5 yen
        {1000000000000000LL, kStars, true},
        {-99999999990000LL, "-9999999999", false},
        {-100000000000000LL, kStars, true},
    };
    for (const AmountCase& c : cases) {
        FixtureAsset a = Asset(6);
        a.asset.acquisitionCost.int64 = c.tenThousandths;
        ConvertedRow row = ConvertOne(a);
        EXPECT_EQ(row.Field(21), c.text) << c.tenThousandths;
        EXPECT_EQ(row.log.find(std::string("金額｢")) != std::string::npos, c.logged) << c.tenThousandths;
    }
}

TEST(RowAmounts, RateAndPercentColumns)
{
    FixtureAsset a = Asset(1);
    a.asset.deprRate = 125;
    a.asset.businessUseRatio = 80;
    a.asset.sellingAdminRatio = 130;  // above 100: manufacturing share turns negative
    ConvertedRow row = ConvertOne(a);
    EXPECT_EQ(row.Field(18), "0.125");
    EXPECT_EQ(row.Field(61), "80.00");
    EXPECT_EQ(row.Field(75), "130.00");
    EXPECT_EQ(row.Field(78), "-30.00");

    for (int method : {3, 7}) {
        FixtureAsset b = Asset(method);
        b.asset.deprRate = 125;
        b.asset.usefulLife = 5;
        ConvertedRow r = ConvertOne(b);
        EXPECT_EQ(r.Field(18), "") << method;
        EXPECT_EQ(r.Field(20), method == 3 ? "60" : "") << method;
    }
}

struct QuantityCase {
    const char* text;
    const char* number;
    const char* unit;
    bool logged;
};

TEST(RowQuantity, SplitsNumberAndUnitAndRoundsTwice)
{
    const QuantityCase cases[] = {
        {"", "0.00", "", false},
        {"1.2349", "1.23", "", false},
        {"1.23495", "1.24", "", false},
        {"1.005", "1.01", "", false},
        {"99.995", "100.00", "", false},
        {"1,234個", "1234.00", "個", false},
        {"12個個個", "12.00", "個個", false},  // the unit keeps 4 bytes; the number reads up to the rest
        {"1 5本", "15.00", "本", false},
        {"-2.5", "-2.50", "", false},
        {"abc", "0.00", "abc", false},
        {"999999.9", "999999.90", "", false},
        {"1000000", "1000000.00", "", true},
    };
    for (const QuantityCase& c : cases) {
        FixtureAsset a = Asset(6);
        SetText(a.asset.quantityText, c.text);
        ConvertedRow row = ConvertOne(a);
        EXPECT_EQ(row.Field(13), c.number) << c.text;
        EXPECT_EQ(row.Field(14), c.unit) << c.text;
        EXPECT_EQ(row.log.find(std::string("数量｢")) != std::string::npos, c.logged) << c.text;
    }
}

TEST(RowQuantity, NumberBeyondWhatTheColumnHoldsIsLoggedAndLeftEmpty)
{
    FixtureAsset a = Asset(6);
    SetText(a.asset.quantityText, "1e300");
    ConvertedRow row = ConvertOne(a);
    EXPECT_EQ(row.Field(13), "");
    EXPECT_NE(row.log.find(std::string("数量｢")), std::string::npos);
}

struct RuleECase {
    int method;
    int32_t acquisition;
    int32_t dbRate;
    int64_t force;
    bool entered;
};

TEST(RowRules, RuleEDecidesWhetherTheYearsDepreciationIsEntered)
{
    const RuleECase cases[] = {
        {5, 20070401, 20130331, 0, false},
        {5, 20070401, 20130401, 0, true},
        {1, 20070331, 0, 0, false},
        {1, 20070401, 0, 0, true},
        {2, 20070401, 0, 0, true},
        {6, 20070331, 0, 0, true},
        {6, 20070401, 0, 0, false},
        {8, 20070401, 20130331, 0, true},
        {8, 20070401, 20130401, 0, false},
        {3, 20200401, 0, 1, true},
        {7, 20000101, 0, 1, false},
    };
    for (const RuleECase& c : cases) {
        FixtureAsset a = Asset(c.method);
        a.asset.acquisitionDate = c.acquisition;
        a.asset.dbRateDate = c.dbRate;
        a.year.forceEntryAmount.int64 = c.force;
        a.year.computedDepr = Yen(1000);
        a.year.specialDepr = Yen(200);
        a.year.additionalDepr = Yen(30, 9999);
        ConvertedRow row = ConvertOne(a);
        EXPECT_EQ(row.Field(57), c.entered ? "*" : "") << c.method << " " << c.acquisition;
        EXPECT_EQ(row.Field(58), c.entered ? "1230" : "") << c.method << " " << c.acquisition;
    }
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(RowRules, PeriodDepreciationThatDoesNotFitItsColumnIsStarredAndLogged)
{
    const int64_t kMax = 99999999999LL * 10000;  // largest amount each part may show
    const int64_t kMin = -9999999999LL * 10000;
    struct {
        int64_t computed, special, additional;
        const char* text;
        size_t entries;  // amount entries of the row (columns 44, 48, 54 and 58)
    } cases[] = {
        {0, 0, 0, "0", 0},
        {kMax, kMax, kMax, "299999999997", 0},             // 12 characters fit
        {kMin, kMin, kMin, "-29999999997", 0},
        {1000000000000LL * 10000, 0, 0, kStars, 2},        // 13 digits would be cut
        {900000000000000000LL, 100000000000000000LL, 0, kStars, 3},  // reaches 10^14 yen
    };
    for (const auto& c : cases) {
        FixtureAsset a = Asset(1);
        a.asset.acquisitionDate = 20070401;  // rule E holds
        a.year.computedDepr.int64 = c.computed;
        a.year.specialDepr.int64 = c.special;
        a.year.additionalDepr.int64 = c.additional;
        ConvertedRow row = ConvertOne(a);
        EXPECT_EQ(row.Field(58), c.text) << c.computed;
        EXPECT_EQ(Count(row.log, "金額｢"), c.entries) << c.computed;
    }
    FixtureAsset a = Asset(1);
    a.asset.acquisitionDate = 20070401;
    a.year.computedDepr.int64 = 900000000000000000LL;
    a.year.specialDepr.int64 = 100000000000000000LL;
    EXPECT_NE(ConvertOne(a).log.find("金額｢100000000000000｣"), std::string::npos);
}

TEST(RowRules, RuleDGivesTheLimitAmount)
{
    FixtureAsset byType = Asset(1);
    byType.asset.assetTypeCode = 10;  // the residual value, even when 0
    ConvertedRow r = ConvertOne(byType);
    EXPECT_EQ(r.Field(31), "*");
    EXPECT_EQ(r.Field(32), "");

    FixtureAsset byAmount = Asset(2);
    byAmount.asset.deprLimitIsAmount = 1;
    byAmount.asset.deprLimit = Yen(5000);
    r = ConvertOne(byAmount);
    EXPECT_EQ(r.Field(31), "*");
    EXPECT_EQ(r.Field(32), "5000");
    EXPECT_EQ(r.Field(30), "");

    FixtureAsset byRate = Asset(2);
    byRate.asset.deprLimit = Yen(95);
    r = ConvertOne(byRate);
    EXPECT_EQ(r.Field(30), "95");
    EXPECT_EQ(r.Field(31), "");

    FixtureAsset newMethod = Asset(6);
    newMethod.asset.assetTypeCode = 10;
    newMethod.asset.deprLimitIsAmount = 1;
    newMethod.asset.deprLimit = Yen(5000);
    r = ConvertOne(newMethod);
    EXPECT_EQ(r.Field(31), "");
    EXPECT_EQ(r.Field(32), "");
}

TEST(RowRules, MethodTextsTransitionAndMonths)
{
    const char* texts[] = {"", "旧定率法", "旧定額法", "均等法", nullptr, "定率法", "定額法", "少額資産", "定率法", ""};
    for (int method = 0; method <= 9; ++method) {
        if (method == 4)
            continue;
        EXPECT_EQ(ConvertOne(Asset(method)).Field(4), texts[method]) << method;
    }
    FixtureAsset land = Asset(6);
    land.asset.assetTypeCode = 11;
    EXPECT_EQ(ConvertOne(land).Field(4), "非償却資産");

    for (int32_t date : {20120331, 20120401, 20130331, 20130401}) {
        FixtureAsset a = Asset(5);
        a.asset.dbRateDate = date;
        bool inside = date == 20120401 || date == 20130331;
        EXPECT_EQ(ConvertOne(a).Field(19), inside ? "250%定率法" : "") << date;
    }

    FixtureAsset months = Asset(6);
    months.asset.deprMonthsEntered = 1;
    months.asset.periodsPerYear = 4;
    months.asset.deprPeriodCount = 3;
    ConvertedRow r = ConvertOne(months);
    EXPECT_EQ(r.Field(33), "*");
    EXPECT_EQ(r.Field(34), "9");
    months.asset.periodsPerYear = 0;  // nothing to divide by: the column stays empty
    r = ConvertOne(months);
    EXPECT_EQ(r.Field(33), "*");
    EXPECT_EQ(r.Field(34), "");
}

TEST(RowRules, TypeCodeAndDeclarationKind)
{
    struct {
        int32_t code;
        const char* column2;
        const char* kind;
        bool logged;
    } cases[] = {
        {7, "07", "申告なし", false}, {2, "02", "構築物", false}, {3, "03", "機械及び装置", false},
        {5, "05", "工具器具及び備品", false}, {0, "00", "", false}, {12, "12", "", false},
        {-5, "-5", "", false}, {99, "99", "", false}, {100, "10", "", true}, {123, "12", "", true},
        {-99, "-9", "", false}, {-100, "-1", "", true},
    };
    for (const auto& c : cases) {
        FixtureAsset a = Asset(6);
        a.asset.assetTypeCode = c.code;
        ConvertedRow row = ConvertOne(a);
        EXPECT_EQ(row.Field(2), c.column2) << c.code;
        EXPECT_EQ(row.Field(84), c.kind) << c.code;
        EXPECT_EQ(row.log.find(std::string("資産種類コード｢")) != std::string::npos, c.logged) << c.code;
    }
}

TEST(RowRules, DisposalColumns)
{
    FixtureAsset sold = Asset(7);
    sold.asset.disposalKind = 4;
    sold.asset.disposalDate = 20240930;
    sold.asset.disposalPrice = Yen(100);
    ConvertedRow r = ConvertOne(sold);
    EXPECT_EQ(r.Field(63), "20240930");
    EXPECT_EQ(r.Field(64), "");
    EXPECT_EQ(r.Field(65), "");
    EXPECT_EQ(r.Field(66), "");
    EXPECT_EQ(r.Field(107), "売却");

    FixtureAsset retired = Asset(6);
    retired.asset.disposalKind = 5;
    retired.asset.disposalDate = 20240930;
    retired.asset.disposalPrice = Yen(100);
    r = ConvertOne(retired);
    EXPECT_EQ(r.Field(63), "20240930");
    EXPECT_EQ(r.Field(64), "除却日まで償却");
    EXPECT_EQ(r.Field(65), "除却");
    EXPECT_EQ(r.Field(66), "");
    EXPECT_EQ(r.Field(107), "");
}

TEST(RowTexts, AssetCodeIsCutAndFilledToSixCharacters)
{
    EXPECT_EQ(ConvertOne(NewAsset("12", 6)).Field(0), "000012");
    ConvertedRow r = ConvertOne(NewAsset("ABCDEFGH", 6));
    EXPECT_EQ(r.Field(0), "CDEFGH");
    EXPECT_NE(r.log.find(std::string("資産コード｢ABCDEFGH｣は、連携可能最大桁数")), std::string::npos);
    // The sixth byte from the end is the second byte of a double-byte
    // character: five bytes are kept and one 0 is put in front.
    r = ConvertOne(NewAsset("X表ABCDE", 6));
    EXPECT_EQ(r.Field(0), "0ABCDE");
}

TEST(RowTexts, TextsThatFillTheirWholeRoomAreReadInFull)
{
    FixtureAsset a = NewAsset("ABCDEFGHIJKLMNO", 5);  // 15 bytes and the NUL
    SetText(a.asset.quantityText, "12345678");        // 8 bytes and the NUL
    a.asset.revisedAcquisitionCost = Yen(123456);     // the record's last 8 bytes
    ConvertedRow row = ConvertOne(a);
    EXPECT_EQ(row.Field(0), "JKLMNO");
    EXPECT_NE(row.log.find("資産コード｢ABCDEFGHIJKLMNO｣"), std::string::npos);
    EXPECT_EQ(row.Field(13), "12345678.00");
    EXPECT_EQ(row.Field(41), "123456");
}

TEST(RowTexts, MemoIsSplitIntoTwoLinesOfTwentyBytes)
{
    struct {
        const char* memo;
        const char* upper;
        const char* lower;
        bool logged;
    } cases[] = {
        {"abcdefghijklmnopqrst", "abcdefghijklmnopqrst", "", false},
        {"abcdefghijklmnopqrstuvwxyz0123456789ABCDE", "abcdefghijklmnopqrst", "uvwxyz0123456789ABCD", true},
        // 40 bytes whose 20th byte starts a double-byte character.
        {"abcdefghijklmnopqrs備品ABCDEFGHIJKLMNOPQ", "abcdefghijklmnopqrs", "備品ABCDEFGHIJKLMNOP", false},
    };
    for (const auto& c : cases) {
        FixtureAsset a = Asset(6);
        SetText(a.asset.memo, c.memo);
        ConvertedRow row = ConvertOne(a);
        EXPECT_EQ(row.Field(141), c.upper) << c.memo;
        EXPECT_EQ(row.Field(142), c.lower) << c.memo;
        EXPECT_EQ(row.log.find(std::string("メモ欄｢")) != std::string::npos, c.logged) << c.memo;
    }
}

TEST(RowTexts, SeparatorsInTextValuesNeverShiftTheColumns)
{
    FixtureAsset a = NewAsset("C,1", 6);
    SetText(a.asset.assetName, "机\r\n椅子,棚");
    SetText(a.asset.quantityText, "3,");
    SetText(a.asset.memo, "line1\nline2");
    ConvertedRow row = ConvertOne(a);
    ASSERT_EQ(row.fields.size(), 143u);
    EXPECT_EQ(row.Field(0), std::string("000C，1"));
    EXPECT_EQ(row.Field(9), std::string("机  椅子，棚"));
    EXPECT_EQ(row.Field(14), std::string("，"));
    EXPECT_EQ(row.Field(141), "line1 line2");
    for (const char* field : {"資産コード", "資産名称", "単位", "メモ欄"})
        EXPECT_NE(row.log.find(std::string("資産コード｢C,1｣の") + field + "に、カンマまたは改行"),
                  std::string::npos) << field;
}

TEST(RowSubItems, LumpSumPathFillsOnlyItsColumns)
{
    FixtureAsset a = NewAsset("B1", 4);
    a.asset.businessUseRatio = 90;
    a.asset.sellingAdminRatio = 40;
    a.asset.acquisitionCost = Yen(999);  // the asset's own figures are not written
    SetText(a.asset.memo, "memo");
    a.items.push_back(NewItem("机", 150000, 250));
    a.items.back().subAcquisitionDate = 20240501;
    ConvertedRow row = ConvertOne(a);
    ASSERT_EQ(row.fields.size(), 143u);
    std::vector<std::string> expected(143);
    expected[0] = "0000B101";
    expected[4] = std::string("一括決算");
    expected[9] = std::string("机");
    expected[12] = "20240501";
    expected[13] = "2.50";
    expected[21] = "150000";
    expected[61] = "90.00";
    expected[62] = "100.00";
    expected[75] = "40.00";
    expected[76] = "100.00";
    expected[78] = "60.00";
    expected[79] = "100.00";
    EXPECT_EQ(row.fields, expected);
    EXPECT_EQ(row.log, "");
}

TEST(RowSubItems, QuantityLimitOfASubItem)
{
    FixtureAsset a = NewAsset("B1", 4);
    a.items.push_back(NewItem("", 0, 99999999));
    a.items.push_back(NewItem("", 0, 100000000));
    ConvertedRow below = ConvertOne(a, 0);
    ConvertedRow at = ConvertOne(a, 1);
    EXPECT_EQ(below.Field(13), "999999.99");
    EXPECT_EQ(below.log, "");
    EXPECT_EQ(at.Field(13), "1000000.00");
    EXPECT_EQ(at.log, std::string("\n＜WARNING＞\n数量｢1000000.00｣は、連携可能最大桁数をオーバーしています。\n"
                           "減価償却データが、正しく連携されない可能性があります。\r\n"));
}

}  // namespace
