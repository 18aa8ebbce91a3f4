// Import and tool operations: refused input names file, line and column,
// and leaves the store exactly as it was; concurrent writers wait or fail.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <string>

#include "LedgerAdmin.h"
#include "LedgerFixture.h"
#include "binding/PelkBCore.h"

namespace {

const char kTypesHeader[] = "code,name,method,residual_ratio\n";
const char kAssetsHeader[] = "asset_no,code,name,acquisition_date,acquisition_cost\n";
const char kSubHeader[] = "asset_no,item_no,name,quantity\n";

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// Everything a refused operation could have touched, as one text.
std::string Snapshot(const std::string& path)
{
    sqlite3* db = nullptr;
    std::string all;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return "unopened";
    for (const char* sql : {"SELECT * FROM data_sets", "SELECT * FROM assets", "SELECT * FROM sub_items",
                            "SELECT * FROM asset_types", "SELECT * FROM users", "SELECT * FROM settings",
                            "SELECT * FROM item_orders"}) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const unsigned char* t = sqlite3_column_text(st, c);
                all += t ? reinterpret_cast<const char*>(t) : "NULL";
                all += '|';
            }
            all += '\n';
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return all;
}

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strStore = m_folder.File("ledger.db");
        BuildFixtureStore(m_strStore);
        std::string error;
        ASSERT_TRUE(m_store.Open(m_strStore, &error)) << error;
    }

    TempFolder m_folder;
    std::string m_strStore;
    ClLedgerStore m_store;
};

TEST_F(ImportTest, BadInputIsRefusedWholeWithFileLineAndColumn)
{
    std::string longCode(16, 'A');
    struct Case {
        const char* name;
        std::string types, assets, subItems;  // file contents; empty: file not given
        std::string where;                    // expected in the message, after the file name
        const char* file;                     // which file the message names
    } cases[] = {
        {"text without a Shift-JIS form", "", std::string(kAssetsHeader) + "10,B1," + u8"\u301C" + ",20240401,1\n",
         "", ":2: column 3 (name): text cannot be represented in Shift-JIS", "assets.csv"},
        {"text longer than its room in ASCII", "", std::string(kAssetsHeader) + "10," + longCode + ",x,,\n", "",
         ":2: column 2 (code): text is 16 Shift-JIS bytes, at most 15 fit", "assets.csv"},
        {"text longer than its room in Shift-JIS bytes", "",
         std::string(kAssetsHeader) + "10," + u8"表表表表表表表表" + ",x,,\n", "",
         ":2: column 2 (code): text is 16 Shift-JIS bytes", "assets.csv"},
        {"no such date", "", std::string(kAssetsHeader) + "10,B1,x,20240230,1\n", "",
         ":2: column 4 (acquisition_date): not a date", "assets.csv"},
        {"malformed amount", "", std::string(kAssetsHeader) + "10,B1,x,20240401,12a\n", "",
         ":2: column 5 (acquisition_cost): malformed number", "assets.csv"},
        {"amount finer than ten-thousandths", "", std::string(kAssetsHeader) + "10,B1,x,20240401,1.23456\n", "",
         ":2: column 5 (acquisition_cost): more than 4 decimals", "assets.csv"},
        {"amount beyond 64 bits", "", std::string(kAssetsHeader) + "10,B1,x,20240401,922337203685478\n", "",
         ":2: column 5 (acquisition_cost): number out of range", "assets.csv"},
        {"quantity finer than hundredths", "", std::string(kAssetsHeader) + "10,B1,x,,\n",
         std::string(kSubHeader) + "10,1,x,2.555\n", ":2: column 4 (quantity): more than 2 decimals",
         "subitems.csv"},
        {"duplicate key inside the file", "", std::string(kAssetsHeader) + "10,B1,x,,\n10,B2,y,,\n", "",
         ":3: asset_no: duplicate key", "assets.csv"},
        {"duplicate key of the store", "", std::string(kAssetsHeader) + "1,B1,x,,\n", "",
         ":2: asset_no: duplicate key", "assets.csv"},
        {"duplicate asset type", std::string(kTypesHeader) + "2,x,1,0\n", "", "", ":2: code: duplicate key",
         "types.csv"},
        {"sub-item of no asset", "", "", std::string(kSubHeader) + "99,1,x,1\n",
         ":2: asset_no/item_no: no such asset", "subitems.csv"},
        {"unknown column", "", "asset_no,code,colour\n10,B1,red\n", "", ":1: column 3 (colour): unknown column",
         "assets.csv"},
        {"missing key column", "", "code,name\nB1,x\n", "", ":1: required column asset_no is missing",
         "assets.csv"},
        {"short row", "", std::string(kAssetsHeader) + "10,B1\n", "", ":2: 2 fields, the header has 5",
         "assets.csv"},
        {"unclosed quote", "", std::string(kAssetsHeader) + "10,\"B1,x,,\n", "", ":2: a quoted field is not closed",
         "assets.csv"},
        {"a good file does not go in with a bad one", std::string(kTypesHeader) + "50,ok,1,0\n",
         std::string(kAssetsHeader) + "10,B1,x,2024,1\n", "", ":2: column 4 (acquisition_date): not a date",
         "assets.csv"},
    };
    const std::string before = Snapshot(m_strStore);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LedgerImportFiles files;
        if (!c.types.empty()) WriteFile(files.assetTypes = m_folder.File("types.csv"), c.types);
        if (!c.assets.empty()) WriteFile(files.assets = m_folder.File("assets.csv"), c.assets);
        if (!c.subItems.empty()) WriteFile(files.subItems = m_folder.File("subitems.csv"), c.subItems);
        std::string error;
        EXPECT_FALSE(LedgerImport(m_store, "FIX1", files, &error));
        EXPECT_NE(error.find(m_folder.File(c.file) + c.where), std::string::npos) << error;
        EXPECT_EQ(Snapshot(m_strStore), before);
    }
}

TEST_F(ImportTest, AGoodImportAddsEveryRowAtOnce)
{
    LedgerImportFiles files{m_folder.File("t.csv"), m_folder.File("a.csv"), m_folder.File("s.csv")};
    WriteFile(files.assetTypes, std::string(kTypesHeader) + u8"50,\"型, 特別\",1,0\n");
    WriteFile(files.assets, "\xEF\xBB\xBF" + std::string(kAssetsHeader) + u8"10,B1,\"二行の\n名称\",20240229,-0.5\r\n");
    WriteFile(files.subItems, std::string(kSubHeader) + "10,1,x,1\n");
    std::string error;
    ASSERT_TRUE(LedgerImport(m_store, "FIX3", files, &error)) << error;

    m_store.Close();
    ASSERT_EQ(Connect(m_strStore), 0);
    ClRuleGenkashokyaku rule;
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID("FIX3");
    ASSERT_EQ(rule.MoveReady(nullptr, 0, 0), 0);
    long n = 0;
    rule.GetCount(&n);
    ASSERT_EQ(n, 1);
    StKOTEISHISANINFO a = {};
    StKOTEINENINFO y = {};
    StKOTEITSUKIINFO m = {};
    ASSERT_EQ(rule.Move(0, &a, &y, &m), 0);
    EXPECT_STREQ(a.assetName, "二行の\n名称");
    EXPECT_EQ(a.acquisitionDate, 20240229);
    EXPECT_EQ(a.acquisitionCost.int64, -5000);
    ASSERT_EQ(rule.MoveReadyIkkatsu(a.ikkatsuKey), 0);
    rule.GetIkkatsuCount(&n);
    EXPECT_EQ(n, 1);
    StSHISANKUBUNINFO* types = nullptr;
    ASSERT_EQ(rule.LoadShisanKubunInfo(&types, &n), 0);
    ASSERT_EQ(n, 1);
    EXPECT_STREQ(types[0].szTypeName, "型, 特別");
    CoTaskMemFree(types);
}

TEST_F(ImportTest, ToolOperationsValidateBeforeWriting)
{
    const std::string before = Snapshot(m_strStore);
    std::string error;
    LedgerRow row;
    EXPECT_FALSE(LedgerImport(m_store, "NOPE", {"", m_folder.File("none.csv"), ""}, &error));
    EXPECT_NE(error.find("none.csv: cannot be read"), std::string::npos) << error;
    EXPECT_FALSE(LedgerSetCurrentUser(m_store, std::string(65, 'u'), &error));
    EXPECT_FALSE(LedgerSetCurrentUser(m_store, u8"\u301C", &error));
    EXPECT_FALSE(LedgerSelect(m_store, "", 1, 1, &error));
    EXPECT_FALSE(LedgerSetFolder(m_store, 2, "x", &error));
    EXPECT_FALSE(LedgerSetFolder(m_store, 0, std::string(260, 'f'), &error));
    ASSERT_TRUE(LedgerMakeRow(kDataSetTable,
                              {{"data_id", "FIX1"}, {"data_no", "9"}, {"company_name", "x"},
                               {"period_start", "20240401"}, {"period_end", "20250331"}},
                              &row, &error));
    EXPECT_FALSE(LedgerAddDataSet(m_store, row, &error));
    EXPECT_EQ(error, "data set FIX1 already exists");
    ASSERT_TRUE(LedgerMakeRow(kDataSetTable, {{"data_id", "N 1"}, {"data_no", "9"}}, &row, &error));
    EXPECT_FALSE(LedgerAddDataSet(m_store, row, &error));
    ASSERT_TRUE(LedgerMakeRow(kDataSetTable, {{"data_id", "N1"}, {"data_no", "0"}}, &row, &error));
    EXPECT_FALSE(LedgerAddDataSet(m_store, row, &error));
    EXPECT_FALSE(LedgerGenerate(m_store, "FIX2", 3, 10, 1, &error)) << "the data set exists";
    EXPECT_EQ(Snapshot(m_strStore), before);
}

TEST_F(ImportTest, AWriterWaitsForAWalkAndThenFailsCleanly)
{
    ASSERT_EQ(Connect(m_strStore), 0);
    ClRuleGenkashokyaku rule;
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID("FIX1");
    ASSERT_EQ(rule.MoveReady(nullptr, 0, 0), 0);
    StKOTEISHISANINFO a = {};
    StKOTEINENINFO y = {};
    StKOTEITSUKIINFO m = {};
    ASSERT_EQ(rule.Move(0, &a, &y, &m), 0);

    const std::string before = Snapshot(m_strStore);
    m_store.SetBusyTimeout(200);
    std::string error;
    EXPECT_FALSE(LedgerSetCurrentUser(m_store, "u2", &error));
    EXPECT_NE(error.find("locked"), std::string::npos) << error;
    EXPECT_EQ(Snapshot(m_strStore), before);

    // The walk still reads the state it started with.
    ASSERT_EQ(rule.Move(1, &a, &y, &m), 0);
    rule.MoveFinish();
    EXPECT_TRUE(LedgerSetCurrentUser(m_store, "u2", &error)) << error;
}

}  // namespace
