// A converted row costs no heap allocation beyond what the code registry
// needs for its table: counted by replacing the global allocation functions.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "gk_test_support.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

TEST(RowCost, ConvertingRowsAllocatesNothing)
{
    ScratchDir dir;
    std::string path = dir.File("assets.csv");
    ClGkWriter writer;
    writer.OpenFile(GK_FILE_LOG, path.c_str());
    writer.OpenFile(GK_FILE_DATA, path.c_str());
    StDATAINFO info = NewDataInfo("社", 0);
    writer.WriteDataFileHeader(&info);

    FixtureAsset regular = NewAsset("", 5);
    SetText(regular.asset.assetName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");  // with a log entry
    SetText(regular.asset.quantityText, "1.5個");
    SetText(regular.asset.memo, "memo,with a comma");
    regular.asset.acquisitionCost = Yen(1000);
    regular.year.computedDepr = Yen(10);
    FixtureAsset lump = NewAsset("L", 4);
    StIKKATSUINFO item = NewItem("item", 10, 100);
    StKOTEITSUKIINFO months = {};

    // Codes 000000 to 000499: the registry's first table holds them all.
    char code[16];
    long before = g_allocations.load();
    for (int i = 0; i < 500; ++i) {
        snprintf(code, sizeof code, "%d", i);
        SetText(regular.asset.assetCode, code);
        writer.WriteAssetRow(&regular.asset, &regular.year, &months, &item);
        snprintf(item.subNumber, sizeof item.subNumber, "%d", i % 99 + 1);
        writer.WriteAssetRow(&lump.asset, &lump.year, &months, &item);
    }
    long after = g_allocations.load();
    writer.CloseFile(GK_FILE_DATA);
    writer.CloseFile(GK_FILE_LOG);
    EXPECT_EQ(after - before, 0);
    // The count is live: an allocation in the same window would show.
    long probe = g_allocations.load();
    std::string* heap = new std::string(64, 'x');
    delete heap;
    EXPECT_GT(g_allocations.load(), probe);
    EXPECT_EQ(writer.GetSummary().lAssetRows, 500);
}

}  // namespace
