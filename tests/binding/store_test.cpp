// The stand-in libraries over a small store: records filled byte for byte,
// the data-set walk and the selection rules, the asset walk with lump-sum
// sub-items and asset types, and the connection's refusals.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <climits>
#include <cstring>
#include <string>

#include "LedgerAdmin.h"
#include "LedgerFixture.h"
#include "binding/PelkBCore.h"
#include "binding/PelkCmn.h"
#include "binding/PelkFileMgr.h"
#include "binding/PelkLink.h"
#include "binding/PelkMsgMgr.h"

namespace {

template <typename R>
void PutText(R& r, size_t offset, const char* sjis)
{
    std::memcpy(reinterpret_cast<char*>(&r) + offset, sjis, std::strlen(sjis));
}

template <typename R, typename T>
void PutNum(R& r, size_t offset, T v)
{
    std::memcpy(reinterpret_cast<char*>(&r) + offset, &v, sizeof v);
}

std::string Repeat(const char* s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Reports the first differing byte, which names the field at fault.
template <typename R>
::testing::AssertionResult SameBytes(const R& expected, const R& actual)
{
    const unsigned char* e = reinterpret_cast<const unsigned char*>(&expected);
    const unsigned char* a = reinterpret_cast<const unsigned char*>(&actual);
    for (size_t i = 0; i < sizeof(R); ++i) {
        if (e[i] != a[i]) {
            return ::testing::AssertionFailure() << "first difference at byte " << i << ": expected 0x" << std::hex
                                                 << (int)e[i] << ", got 0x" << (int)a[i];
        }
    }
    return ::testing::AssertionSuccess();
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strStore = m_folder.File("ledger.db");
        BuildFixtureStore(m_strStore);
        ASSERT_EQ(Connect(m_strStore), 0);
    }

    // A rule object attached as the export attaches it, walk readied.
    void Ready(ClRuleGenkashokyaku& rule, const char* dataId = "FIX1")
    {
        ASSERT_EQ(rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr()), 0);
        ASSERT_EQ(rule.SetCurDataID(dataId), 0);
        ASSERT_EQ(rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink()), 0);
        ASSERT_EQ(rule.MoveReady(nullptr, 0, 0), 0);
    }

    ClSetData* SetData() { return static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(5, 1)); }

    TempFolder m_folder;
    std::string m_strStore;
};

TEST_F(StoreTest, DataSetCursorDeliversEveryDataSetInStoreOrderThenStops)
{
    ClSetData* data = SetData();
    ASSERT_NE(data, nullptr);
    long cursor = 0;
    ASSERT_EQ(data->GetDatCursor(&cursor), 0);
    ASSERT_EQ(data->ReadyDat(cursor, 0), 0);
    const char* ids[] = {"FIX1", "FIX2", "FIX3"};
    StDATAINFO got[3];
    for (int i = 0; i < 3; ++i) {
        std::memset(&got[i], 0, sizeof got[i]);
        ASSERT_EQ(data->WalkDat(&got[i], cursor), 0) << i;
        EXPECT_STREQ(got[i].szDataID, ids[i]);
    }
    StDATAINFO end;
    EXPECT_NE(data->WalkDat(&end, cursor), 0);
    EXPECT_EQ(data->ReleaseDatCursor(cursor), 0);

    // FIX2 byte for byte: a company name that fills its whole room (0x5C
    // trail bytes included), past results, individual client.
    StDATAINFO expected;
    std::memset(&expected, 0, sizeof expected);
    PutText(expected, offsetof(StDATAINFO, szDataID), "FIX2");
    PutNum<StDATAINFO, int32_t>(expected, offsetof(StDATAINFO, lDataNo), 7);
    PutText(expected, offsetof(StDATAINFO, szCompanyName), (Repeat("表", 129) + "X").c_str());
    PutNum<StDATAINFO, int32_t>(expected, offsetof(StDATAINFO, lPeriodStart), 20240401);
    PutNum<StDATAINFO, int32_t>(expected, offsetof(StDATAINFO, lPeriodEnd), 20250331);
    PutNum<StDATAINFO, int16_t>(expected, offsetof(StDATAINFO, nDataKind), 99);
    PutNum<StDATAINFO, uint8_t>(expected, offsetof(StDATAINFO, cClientKind), 4);
    EXPECT_TRUE(SameBytes(expected, got[1]));
}

TEST_F(StoreTest, SelectionRulesPickTheFirstMatchOrAnAllZeroRecord)
{
    struct Case {
        const char* name;
        const char* sql;       // run on the store before the look-up
        const char* dataId;    // expected selected data set; "" for all zero
        const char* userId;    // expected current user ID
    } cases[] = {
        {"selected number 5", "", "FIX1", "u1"},
        {"duplicate number: first wins", "UPDATE users SET selected_no2=7", "FIX2", "u1"},
        {"number matching nothing", "UPDATE users SET selected_no2=9", "", "u1"},
        {"current user unknown", "UPDATE settings SET value='ghost' WHERE key='current_user'", "", "ghost"},
        {"no current user", "DELETE FROM settings WHERE key='current_user'", "", ""},
    };
    StDATAINFO zero;
    std::memset(&zero, 0, sizeof zero);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildFixtureStore(m_folder.File(std::string(c.name) + ".db"));
        std::string path = m_folder.File(std::string(c.name) + ".db");
        if (*c.sql) RawSql(path, c.sql);
        ASSERT_EQ(Connect(path), 0);
        char user[65];
        std::memset(user, 'x', sizeof user);
        long rc = ClDataMgr::Inst()->GetSysUserObject()->GetCurUserID(user);
        EXPECT_STREQ(user, c.userId);
        EXPECT_EQ(rc == 0, *c.userId != '\0');
        StDATAINFO* info = SetData()->GetSelectedInfo();
        ASSERT_NE(info, nullptr);
        if (*c.dataId) {
            EXPECT_STREQ(info->szDataID, c.dataId);
        } else {
            EXPECT_TRUE(SameBytes(zero, *info));
        }
        Disconnect();
    }
}

TEST_F(StoreTest, SelectedNumbersOfKnownAndUnknownUsers)
{
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    long first = -9, second = -9;
    EXPECT_EQ(user->GetSelectedNo("u1", &first, &second), 0);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 5);
    EXPECT_NE(user->GetSelectedNo("nobody", &first, &second), 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

TEST_F(StoreTest, AssetRecordsAreFilledByteForByte)
{
    ClRuleGenkashokyaku rule;
    Ready(rule);
    long n = -1;
    ASSERT_EQ(rule.GetCount(&n), 0);
    ASSERT_EQ(n, 5);

    StKOTEISHISANINFO asset[3];
    StKOTEINENINFO year[3];
    StKOTEITSUKIINFO months;
    for (int i = 0; i < 3; ++i) {
        std::memset(&asset[i], 0, sizeof asset[i]);
        std::memset(&year[i], 0, sizeof year[i]);
        std::memset(&months, 0, sizeof months);
        ASSERT_EQ(rule.Move(i, &asset[i], &year[i], &months), 0) << i;
    }

    // Asset 1: every field with a distinct value; the largest amount ends
    // exactly with the record.
    typedef StKOTEISHISANINFO A;
    A e1;
    std::memset(&e1, 0, sizeof e1);
    PutText(e1, offsetof(A, assetCode), "A00001");
    PutNum<A, int32_t>(e1, offsetof(A, assetTypeCode), 5);
    PutText(e1, offsetof(A, assetName), "表示装置");
    PutText(e1, offsetof(A, quantityText), "2台");
    PutText(e1, offsetof(A, memo), "ソフト購入, 据付込み");
    PutNum<A, int16_t>(e1, offsetof(A, disposalKind), 4);
    PutText(e1, offsetof(A, capexText), "資本的支出");
    PutNum<A, int32_t>(e1, offsetof(A, dbRateDate), 20130331);
    PutNum<A, int32_t>(e1, offsetof(A, acquisitionDate), 20120401);
    PutNum<A, int64_t>(e1, offsetof(A, acquisitionCost), 12345678912LL);
    PutNum<A, int64_t>(e1, offsetof(A, reductionAmount), -55000LL);
    PutNum<A, int64_t>(e1, offsetof(A, openingBookValue), 10000000000LL);
    PutNum<A, int16_t>(e1, offsetof(A, deprMethod), 5);
    PutNum<A, int16_t>(e1, offsetof(A, usefulLife), 8);
    PutNum<A, int32_t>(e1, offsetof(A, deprRate), 250);
    PutNum<A, int32_t>(e1, offsetof(A, residualRate), 100);
    PutNum<A, uint8_t>(e1, offsetof(A, deprLimitIsAmount), 1);
    PutNum<A, int64_t>(e1, offsetof(A, deprLimit), 10000LL);
    PutNum<A, int16_t>(e1, offsetof(A, businessUseRatio), 80);
    PutNum<A, int16_t>(e1, offsetof(A, sellingAdminRatio), 60);
    PutNum<A, int16_t>(e1, offsetof(A, deprPeriodCount), 10);
    PutNum<A, int16_t>(e1, offsetof(A, periodsPerYear), 12);
    PutNum<A, int64_t>(e1, offsetof(A, residualValue), 10000LL);
    PutNum<A, int64_t>(e1, offsetof(A, deprBaseAmount), 12345670000LL);
    PutNum<A, int64_t>(e1, offsetof(A, sellingAdminAmount), 1500000000LL);
    PutNum<A, int64_t>(e1, offsetof(A, manufacturingAmount), 1000000000LL);
    PutNum<A, int64_t>(e1, offsetof(A, accumulatedDepr), 4845670000LL);
    PutNum<A, int64_t>(e1, offsetof(A, closingBookValue), 7500000000LL);
    PutNum<A, int32_t>(e1, offsetof(A, disposalDate), 20250115);
    PutNum<A, int64_t>(e1, offsetof(A, disposalPrice), 3000000000LL);
    PutNum<A, uint8_t>(e1, offsetof(A, deprMonthsEntered), 1);
    PutNum<A, int64_t>(e1, offsetof(A, revisedAcquisitionCost), LLONG_MAX);
    std::memcpy(e1.ikkatsuKey, asset[0].ikkatsuKey, sizeof e1.ikkatsuKey);
    EXPECT_TRUE(SameBytes(e1, asset[0]));

    StKOTEINENINFO y1;
    std::memset(&y1, 0, sizeof y1);
    PutNum<StKOTEINENINFO, int64_t>(y1, offsetof(StKOTEINENINFO, computedDepr), 2500000000LL);
    PutNum<StKOTEINENINFO, int64_t>(y1, offsetof(StKOTEINENINFO, specialDepr), 10000000LL);
    PutNum<StKOTEINENINFO, int64_t>(y1, offsetof(StKOTEINENINFO, additionalDepr), 20000000LL);
    PutNum<StKOTEINENINFO, int64_t>(y1, offsetof(StKOTEINENINFO, forceEntryAmount), 30000000LL);
    EXPECT_TRUE(SameBytes(y1, year[0]));

    // Asset 2: nothing but its number was given, so everything is zero.
    A e2;
    std::memset(&e2, 0, sizeof e2);
    std::memcpy(e2.ikkatsuKey, asset[1].ikkatsuKey, sizeof e2.ikkatsuKey);
    EXPECT_TRUE(SameBytes(e2, asset[1]));
    StKOTEINENINFO y0;
    std::memset(&y0, 0, sizeof y0);
    EXPECT_TRUE(SameBytes(y0, year[1]));

    // Asset 3: texts that fill their rooms up to the NUL.
    A e3;
    std::memset(&e3, 0, sizeof e3);
    PutText(e3, offsetof(A, assetCode), "ABCDEFGHIJKLMNO");
    PutText(e3, offsetof(A, assetName), Repeat("表", 96).c_str());
    PutText(e3, offsetof(A, quantityText), "123456台");
    PutText(e3, offsetof(A, memo), (Repeat("ソ", 40) + "X").c_str());
    PutText(e3, offsetof(A, capexText), "12345678901234567");
    PutNum<A, int16_t>(e3, offsetof(A, deprMethod), 6);
    std::memcpy(e3.ikkatsuKey, asset[2].ikkatsuKey, sizeof e3.ikkatsuKey);
    EXPECT_TRUE(SameBytes(e3, asset[2]));

    // The monthly record is left as the caller cleared it.
    StKOTEITSUKIINFO zeroMonths;
    std::memset(&zeroMonths, 0, sizeof zeroMonths);
    EXPECT_TRUE(SameBytes(zeroMonths, months));
    rule.MoveFinish();
}

TEST_F(StoreTest, WalkOrderRestartsAndBounds)
{
    ClRuleGenkashokyaku rule;
    Ready(rule);
    StKOTEISHISANINFO a;
    StKOTEINENINFO y;
    StKOTEITSUKIINFO m;
    // Ascending, then back to an earlier asset, then forward again.
    const long order[] = {0, 1, 4, 2, 2, 0, 3};
    const char* codes[] = {"A00001", "", "ABCDEFGHIJKLMNO", "L00004", "L00005"};
    for (long i : order) {
        std::memset(&a, 0, sizeof a);
        ASSERT_EQ(rule.Move(i, &a, &y, &m), 0) << i;
        EXPECT_STREQ(a.assetCode, codes[i]) << i;
    }
    std::memset(&a, 0, sizeof a);
    EXPECT_NE(rule.Move(5, &a, &y, &m), 0);
    EXPECT_NE(rule.Move(-1, &a, &y, &m), 0);
    EXPECT_EQ(a.assetCode[0], '\0');
    rule.MoveFinish();
    EXPECT_NE(rule.Move(0, &a, &y, &m), 0) << "no walk after MoveFinish";

    // Search conditions are not offered; such a walk is refused.
    StFINDINFO find;
    std::memset(&find, 0, sizeof find);
    EXPECT_NE(rule.MoveReady(&find, 0, 0), 0);
    long n = 7;
    EXPECT_NE(rule.GetCount(&n), 0);
    EXPECT_EQ(n, 0);
}

TEST_F(StoreTest, LumpSumSubItemsFollowTheAssetKey)
{
    ClRuleGenkashokyaku rule;
    Ready(rule);
    StKOTEISHISANINFO a;
    StKOTEINENINFO y;
    StKOTEITSUKIINFO m;
    std::memset(&a, 0, sizeof a);
    ASSERT_EQ(rule.Move(3, &a, &y, &m), 0);
    ASSERT_EQ(a.deprMethod, DEPR_LUMP_SUM);
    unsigned char key[16];
    std::memcpy(key, a.ikkatsuKey, sizeof key);
    ASSERT_EQ(rule.MoveReadyIkkatsu(key), 0);
    long count = 0;
    ASSERT_EQ(rule.GetIkkatsuCount(&count), 0);
    ASSERT_EQ(count, 2);

    StIKKATSUINFO item[2];
    for (int j = 0; j < 2; ++j) {
        std::memset(&item[j], 0, sizeof item[j]);
        ASSERT_EQ(rule.MoveIkkatsu(j, &item[j]), 0);
    }
    StIKKATSUINFO e;
    std::memset(&e, 0, sizeof e);
    PutText(e, offsetof(StIKKATSUINFO, subNumber), "123456789012");
    PutText(e, offsetof(StIKKATSUINFO, subName), Repeat("能", 41).c_str());
    PutNum<StIKKATSUINFO, int32_t>(e, offsetof(StIKKATSUINFO, subAcquisitionDate), 20240501);
    PutNum<StIKKATSUINFO, int64_t>(e, offsetof(StIKKATSUINFO, subAcquisitionCost), 1000005000LL);
    PutNum<StIKKATSUINFO, int32_t>(e, offsetof(StIKKATSUINFO, subQuantity), 250);
    EXPECT_TRUE(SameBytes(e, item[0]));
    StIKKATSUINFO zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_TRUE(SameBytes(zero, item[1]));
    EXPECT_NE(rule.MoveIkkatsu(2, &item[1]), 0);
    EXPECT_EQ(rule.MoveFinishIkkatsu(), 0);

    // The asset walk goes on where it was, and a lump-sum asset without
    // sub-items has none.
    unsigned char key3[16];
    std::memcpy(key3, key, sizeof key3);
    ASSERT_EQ(rule.Move(4, &a, &y, &m), 0);
    std::memcpy(key, a.ikkatsuKey, sizeof key);
    ASSERT_EQ(rule.MoveReadyIkkatsu(key), 0);
    ASSERT_EQ(rule.GetIkkatsuCount(&count), 0);
    EXPECT_EQ(count, 0);
    // The key of an asset of this data set other than the current one still
    // reaches its sub-items.
    ASSERT_EQ(rule.MoveReadyIkkatsu(key3), 0);
    ASSERT_EQ(rule.GetIkkatsuCount(&count), 0);
    EXPECT_EQ(count, 2);
    std::memset(&item[0], 0, sizeof item[0]);
    ASSERT_EQ(rule.MoveIkkatsu(0, &item[0]), 0);
    EXPECT_TRUE(SameBytes(e, item[0]));

    // A cleared or foreign key leads to nothing.
    std::memset(key, 0, sizeof key);
    EXPECT_NE(rule.MoveReadyIkkatsu(key), 0);
    EXPECT_NE(rule.GetIkkatsuCount(&count), 0);
    EXPECT_EQ(count, 0);
    rule.MoveFinish();
}

TEST_F(StoreTest, SubItemsOfAnotherDataSetAreNotReachable)
{
    ClRuleGenkashokyaku fix1, fix3;
    Ready(fix1);
    StKOTEISHISANINFO a;
    StKOTEINENINFO y;
    StKOTEITSUKIINFO m;
    ASSERT_EQ(fix1.Move(3, &a, &y, &m), 0);
    Ready(fix3, "FIX3");
    long n = -1;
    ASSERT_EQ(fix3.GetCount(&n), 0);
    EXPECT_EQ(n, 0);
    ASSERT_EQ(fix3.MoveReadyIkkatsu(a.ikkatsuKey), 0);
    long count = -1;
    EXPECT_EQ(fix3.GetIkkatsuCount(&count), 0);
    EXPECT_EQ(count, 0);
}

TEST_F(StoreTest, AssetTypesArriveAsOneArrayInCodeOrder)
{
    ClRuleGenkashokyaku rule;
    Ready(rule);
    StSHISANKUBUNINFO* types = nullptr;
    long n = 0;
    ASSERT_EQ(rule.LoadShisanKubunInfo(&types, &n), 0);
    ASSERT_EQ(n, 3);
    ASSERT_NE(types, nullptr);
    struct {
        int32_t code;
        const char* name;
        int16_t method;
        int32_t ratio;
    } expected[] = {{1, "建物", 2, 0}, {2, "構築物", 2, 10}, {11, "土地", 0, 0}};
    for (int k = 0; k < 3; ++k) {
        StSHISANKUBUNINFO e;
        std::memset(&e, 0, sizeof e);
        PutNum<StSHISANKUBUNINFO, int32_t>(e, offsetof(StSHISANKUBUNINFO, lTypeCode), expected[k].code);
        PutText(e, offsetof(StSHISANKUBUNINFO, szTypeName), expected[k].name);
        PutNum<StSHISANKUBUNINFO, int16_t>(e, offsetof(StSHISANKUBUNINFO, nMethodCode), expected[k].method);
        PutNum<StSHISANKUBUNINFO, int32_t>(e, offsetof(StSHISANKUBUNINFO, lResidualRatio), expected[k].ratio);
        EXPECT_TRUE(SameBytes(e, types[k])) << k;
    }
    CoTaskMemFree(types);

    // A data set without types: null and 0.
    ClRuleGenkashokyaku other;
    Ready(other, "FIX3");
    types = reinterpret_cast<StSHISANKUBUNINFO*>(&n);
    n = 5;
    EXPECT_EQ(other.LoadShisanKubunInfo(&types, &n), 0);
    EXPECT_EQ(types, nullptr);
    EXPECT_EQ(n, 0);
}

TEST_F(StoreTest, StoredTextsWithoutAnExactShiftJisFormAreLeftOutNotReplaced)
{
    Disconnect();
    // U+301C (wave dash) would come out of a lenient converter as the
    // full-width tilde; a 97-character name no longer fits its room.
    RawSql(m_strStore, "UPDATE assets SET name=char(0x301C) || 'A', memo='" + Repeat(u8"表", 41) +
                           "' WHERE asset_no=1; UPDATE asset_types SET name=char(0x301C) WHERE code=2");
    ASSERT_EQ(Connect(m_strStore), 0);
    ClRuleGenkashokyaku rule;
    Ready(rule);
    StKOTEISHISANINFO a;
    StKOTEINENINFO y;
    StKOTEITSUKIINFO m;
    std::memset(&a, 0, sizeof a);
    ClMsgMgr::Inst()->SetLastError(0, nullptr, 0);
    EXPECT_EQ(rule.Move(0, &a, &y, &m), PELK_ERR_TEXT);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorCode(), PELK_ERR_TEXT);
    char empty[193] = {};
    EXPECT_EQ(std::memcmp(a.assetName, empty, sizeof a.assetName), 0);
    EXPECT_EQ(std::memcmp(a.memo, empty, sizeof a.memo), 0);
    EXPECT_STREQ(a.assetCode, "A00001") << "the other fields are still filled";
    EXPECT_EQ(a.acquisitionCost.int64, 12345678912LL);

    StSHISANKUBUNINFO* types = nullptr;
    long n = 0;
    EXPECT_EQ(rule.LoadShisanKubunInfo(&types, &n), PELK_ERR_TEXT);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(types[1].lTypeCode, 2);
    EXPECT_EQ(types[1].szTypeName[0], '\0');
    CoTaskMemFree(types);
}

TEST_F(StoreTest, NumbersOutOfTheirFieldRangeAreLeftOutNotWrapped)
{
    Disconnect();
    RawSql(m_strStore, "UPDATE assets SET method=70000, useful_life=12 WHERE asset_no=1");
    ASSERT_EQ(Connect(m_strStore), 0);
    ClRuleGenkashokyaku rule;
    Ready(rule);
    StKOTEISHISANINFO a;
    StKOTEINENINFO y;
    StKOTEITSUKIINFO m;
    std::memset(&a, 0, sizeof a);
    EXPECT_NE(rule.Move(0, &a, &y, &m), 0);
    EXPECT_EQ(a.deprMethod, 0);
    EXPECT_EQ(a.usefulLife, 12);
}

// ---- the connection -------------------------------------------------------------

TEST(ConnectTest, InitiateRefusesBadStoresWithOneMessageNamingFileAndProblem)
{
    TempFolder folder;
    std::string good = folder.File("good.db");
    BuildFixtureStore(good);
    struct Case {
        const char* name;
        const char* file;
        const char* problem;
    } cases[] = {
        {"missing", "missing.db", "does not exist"},
        {"not a database", "garbage.db", "cannot be read as a ledger store"},
        {"another database", "foreign.db", "not a ledger store"},
        {"newer schema", "newer.db", "newer than this program"},
        {"damaged", "damaged.db", "damaged"},
    };
    {
        FILE* f = std::fopen(folder.File("garbage.db").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::string text(3000, 'x');
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    RawSql(folder.File("foreign.db"), "CREATE TABLE t(x)");
    BuildFixtureStore(folder.File("newer.db"));
    RawSql(folder.File("newer.db"), "PRAGMA user_version=2");
    BuildFixtureStore(folder.File("damaged.db"));
    {
        // Overwrite the schema page after the file header.
        FILE* f = std::fopen(folder.File("damaged.db").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, 100, SEEK_SET);
        std::string junk(1500, '\xA5');
        std::fwrite(junk.data(), 1, junk.size(), f);
        std::fclose(f);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageCapture messages;
        std::string path = folder.File(c.file);
        EXPECT_NE(Connect(path), 0);
        EXPECT_EQ(messages.Count(), 1);
        EXPECT_NE(messages.LastText().find(path), std::string::npos) << messages.LastText();
        EXPECT_NE(messages.LastText().find(c.problem), std::string::npos) << messages.LastText();
        EXPECT_EQ(messages.LastCaption(), "減価償却");
        EXPECT_NE(ClPelkConnect::Inst()->ExpSysLink(), 0);
        char user[65] = "x";
        EXPECT_NE(ClDataMgr::Inst()->GetSysUserObject()->GetCurUserID(user), 0);
        EXPECT_STREQ(user, "");
        Disconnect();
    }
    // Nothing was created or changed by the refusals.
    FILE* missing = std::fopen(folder.File("missing.db").c_str(), "rb");
    EXPECT_EQ(missing, nullptr);
    if (missing) std::fclose(missing);

    MessageCapture messages;
    EXPECT_EQ(Connect(good), 0);
    EXPECT_EQ(ClPelkConnect::Inst()->ExpSysLink(), 0);
    EXPECT_EQ(messages.Count(), 0);
}

TEST(ConnectTest, InitiateRefusesAStoreThatCannotBeRead)
{
    TempFolder folder;
    std::string path = folder.File("locked.db");
    BuildFixtureStore(path);
#ifdef _WIN32
    // Another program holds the file without sharing it.
    int n = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], n);
    HANDLE holder = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
#else
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
#endif
    MessageCapture messages;
    EXPECT_NE(Connect(path), 0);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_NE(messages.LastText().find(path), std::string::npos) << messages.LastText();
    EXPECT_NE(messages.LastText().find("cannot be"), std::string::npos) << messages.LastText();
    Disconnect();
#ifdef _WIN32
    CloseHandle(holder);
#else
    chmod(path.c_str(), 0644);
#endif
}

TEST(ConnectTest, DispMsgNamesTheApplicationForEveryPlaceholder)
{
    MessageCapture messages;
    ClPelkConnect::Inst()->DispMsg(nullptr, "ES_APRPACKAGENAMEが古いため、\nES_APRPACKAGENAMEを更新してください。",
                                   "減価償却", 0x30);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), std::string(PELK_APP_NAME "が古いため、\n" PELK_APP_NAME "を更新してください。"));
    EXPECT_EQ(messages.LastCaption(), "減価償却");
}

TEST(FileMgrTest, FoldersDefaultBesideTheStoreAndFollowTheStoredSetting)
{
    TempFolder folder;
    std::string path = folder.File("ledger.db");
    BuildFixtureStore(path);
    char sep = LedgerPathSeparator();

    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_DATA), "") << "no store open";
    ASSERT_EQ(Connect(path), 0);
    EXPECT_EQ(std::string(ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_DATA)),
              folder.Path() + sep + "Export" + sep);
    std::string settings = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS);
    EXPECT_EQ(settings, folder.Path() + sep + "Settings" + sep);
    // The folder exists, so a settings file can be written into it.
    FILE* f = std::fopen((settings + "probe.env").c_str(), "wb");
    EXPECT_NE(f, nullptr);
    if (f) std::fclose(f);

    Disconnect();
    {
        ClLedgerStore store;
        std::string error;
        ASSERT_TRUE(store.Open(path, &error)) << error;
        ASSERT_TRUE(LedgerSetFolder(store, 1, folder.File(u8"設定表"), &error)) << error;
        EXPECT_FALSE(LedgerSetFolder(store, 0, folder.File(u8"\u301C"), &error));
    }
    ASSERT_EQ(Connect(path), 0);
    std::string expected = folder.Path() + sep + "設定表" + sep;  // Shift-JIS
    EXPECT_EQ(std::string(ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS)), expected);
    ClFileMgr::Release();

    // A folder stored behind the tool's back without a Shift-JIS form is
    // not offered in an altered form.
    Disconnect();
    RawSql(path, "UPDATE settings SET value=value || char(0x301C) WHERE key='folder1'");
    ASSERT_EQ(Connect(path), 0);
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS), "");
    ClFileMgr::Release();
}

}  // namespace
