// Stored item orders of the text accessor, per table and data set.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "LedgerFixture.h"
#include "textaccessor/textaccessor.h"

namespace {

// A table of `count` one-byte string items, enough to name items above 127.
std::vector<StTAFORMAT> Table(int count)
{
    std::vector<StTAFORMAT> table(count);
    for (int i = 0; i < count; ++i) {
        std::memset(&table[i], 0, sizeof table[i]);
        std::snprintf(table[i].name, sizeof table[i].name, "item%d", i);
        table[i].width = 1;
        table[i].size = 1;
        table[i].type = TA_STRING;
    }
    return table;
}

class OrderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strStore = m_folder.File("ledger.db");
        BuildFixtureStore(m_strStore);
        ASSERT_EQ(Connect(m_strStore), 0);
    }

    // Loads the order stored for `table` into a fresh accessor; the array is
    // prefilled with 99 so that untouched entries show.
    long Load(const char* table, const char* dataId, std::vector<int>* items, long* count)
    {
        char record[200];
        ClTextAccessor acc(table, m_table.data(), (long)m_table.size(), record);
        std::vector<StTAORDER> order(200, StTAORDER{99});
        acc.SetOrder(order.data(), 1);
        long rc = acc.LoadOrder(reinterpret_cast<unsigned char*>(const_cast<char*>(dataId)));
        *count = acc.GetOrderCount();
        items->clear();
        for (long i = 0; i < *count; ++i) items->push_back(order[i].item);
        return rc;
    }

    long Save(const char* table, const char* dataId, std::vector<int> items)
    {
        char record[200];
        ClTextAccessor acc(table, m_table.data(), (long)m_table.size(), record);
        std::vector<StTAORDER> order;
        for (int v : items) order.push_back(StTAORDER{v});
        acc.SetOrder(order.data(), (long)order.size());
        return acc.SaveOrder(reinterpret_cast<unsigned char*>(const_cast<char*>(dataId)));
    }

    TempFolder m_folder;
    std::string m_strStore;
    std::vector<StTAFORMAT> m_table = Table(200);
};

TEST_F(OrderTest, SavedOrderComesBackForItsTableAndDataSetOnly)
{
    ASSERT_EQ(Save("G_SSC", "FIX1", {2, 0, 127, 1}), 0);
    std::vector<int> items;
    long count = 0;
    ASSERT_EQ(Load("G_SSC", "FIX1", &items, &count), 0);
    EXPECT_EQ(items, (std::vector<int>{2, 0, 127, 1}));

    // Another data set or table has nothing stored: refused, order unchanged.
    EXPECT_EQ(Load("G_SSC", "FIX2", &items, &count), -1);
    EXPECT_EQ(items, std::vector<int>{99});
    EXPECT_EQ(Load("G_INFO", "FIX1", &items, &count), -1);
    EXPECT_EQ(count, 1);

    // Storing again replaces the order; an empty order is an order too.
    ASSERT_EQ(Save("G_SSC", "FIX1", {}), 0);
    ASSERT_EQ(Load("G_SSC", "FIX1", &items, &count), 0);
    EXPECT_EQ(count, 0);
}

TEST_F(OrderTest, SaveRefusesItemNumbersThatOneSignedByteCannotHold)
{
    ASSERT_EQ(Save("G_SSC", "FIX1", {3, 4}), 0);
    for (int bad : {128, 199, -1}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Save("G_SSC", "FIX1", {0, bad}), -1);
        std::vector<int> items;
        long count = 0;
        ASSERT_EQ(Load("G_SSC", "FIX1", &items, &count), 0);
        EXPECT_EQ(items, (std::vector<int>{3, 4})) << "nothing was stored";
    }
}

TEST_F(OrderTest, LoadRefusesAStoredRecordThatCannotBeAnOrder)
{
    struct Case {
        const char* name;
        const char* blob;  // SQL expression of the stored entries
    } cases[] = {
        {"count above the record's room", "zeroblob(201)"},
        {"negative item number", "x'0001FF'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Disconnect();
        RawSql(m_strStore, std::string("INSERT OR REPLACE INTO item_orders VALUES('FIX1', CAST('G_SSC' AS BLOB), ") +
                               c.blob + ")");
        ASSERT_EQ(Connect(m_strStore), 0);
        std::vector<int> items;
        long count = 0;
        EXPECT_EQ(Load("G_SSC", "FIX1", &items, &count), -1);
        EXPECT_EQ(items, std::vector<int>{99}) << "order unchanged";
    }
}

TEST_F(OrderTest, WithoutAStoreOrWithANameThatDoesNotFitNothingIsExchanged)
{
    EXPECT_EQ(Save("G_LONGNAME", "FIX1", {1}), -1) << "10-byte table name";
    Disconnect();
    std::vector<int> items;
    long count = 0;
    EXPECT_EQ(Save("G_SSC", "FIX1", {1}), -1);
    EXPECT_EQ(Load("G_SSC", "FIX1", &items, &count), -1);
    EXPECT_EQ(count, 1);
}

}  // namespace
