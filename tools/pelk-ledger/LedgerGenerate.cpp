// Synthetic data sets for benchmarks: `count` assets with a realistic mix
// of depreciation methods, lump-sum assets with sub-items and disposals,
// reproducible from a seed, and asset types 1 to 11. Codes are six base-36 digits of the asset
// number, so they stay unique and clean up to 36^6 assets.
#include <cstdio>
#include <string>

#include "LedgerAdmin.h"
#include "binding/LedgerStore.h"

namespace {

class Random {
public:
    explicit Random(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
    uint32_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    uint32_t Below(uint32_t n) { return Next() % n; }

private:
    uint32_t m_state;
};

std::string Code36(long n)
{
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string s(6, '0');
    for (int i = 5; i >= 0 && n > 0; --i, n /= 36) s[i] = kDigits[n % 36];
    return s;
}

struct MethodShare {
    int method;
    uint32_t percent;  // cumulative
};

// Straight line dominates, as in most ledgers.
const MethodShare kMix[] = {{6, 40}, {5, 50}, {8, 60}, {2, 70}, {1, 75}, {7, 85}, {3, 90}, {4, 100}};

}  // namespace

bool LedgerGenerate(ClLedgerStore& store, const std::string& dataId, long dataNo, long count, uint32_t seed,
                    std::string* error)
{
    if (count < 0 || count > 10000000) {
        *error = "the asset count must be 0 to 10000000";
        return false;
    }
    LedgerRow dataSet;
    if (!LedgerMakeRow(kDataSetTable,
                       {{"data_id", dataId}, {"data_no", std::to_string(dataNo)},
                        {"company_name", u8"株式会社ベンチマーク"}, {"period_start", "20240401"},
                        {"period_end", "20250331"}},
                       &dataSet, error)) {
        return false;
    }
    if (!store.BeginWrite(error)) return false;
    ClLedgerWriter writer(store, dataId);
    Random random(seed);
    bool ok = writer.AddDataSet(dataSet, error);
    for (int code = 1; ok && code <= 11; ++code) {
        LedgerRow type;
        ok = LedgerMakeRow(kAssetTypeTable,
                           {{"code", std::to_string(code)}, {"name", u8"種類" + std::to_string(code)},
                            {"method", code == 6 ? "4" : "2"}},
                           &type, error) &&
             writer.AddAssetType(type, error);
    }
    LedgerRow asset = EmptyRow(kAssetTable);
    LedgerRow sub = EmptyRow(kSubItemTable);
    auto set = [&](const char* name, int64_t v) { asset[FieldIndex(kAssetTable, name)].number = v; };
    auto text = [&](const char* name, const std::string& v) { asset[FieldIndex(kAssetTable, name)].text = v; };
    for (long i = 0; ok && i < count; ++i) {
        uint32_t pick = random.Below(100);
        int method = 6;
        for (const MethodShare& m : kMix) {
            if (pick < m.percent) {
                method = m.method;
                break;
            }
        }
        bool old = method == 1 || method == 2;
        int year = old ? 1990 + (int)random.Below(17) : 2007 + (int)random.Below(18);
        int64_t acquired = year * 10000 + (1 + random.Below(12)) * 100 + 1 + random.Below(28);
        int64_t yen = method == 7 ? 10000 + random.Below(190000) : 100000 + random.Below(50000000);
        int64_t cost = yen * 10000;
        int life = 2 + (int)random.Below(48);
        int64_t depr = cost / life;
        int64_t age = 2024 - year;
        int64_t accumulated = depr * age < cost ? depr * age : cost - 10000;
        if (accumulated + depr > cost - 10000) depr = cost - 10000 - accumulated;
        for (auto& v : asset) {
            v.number = 0;
            v.text.clear();
        }
        set("asset_no", i + 1);
        text("code", Code36(i + 1));
        set("type", method == 4 ? 6 : 1 + random.Below(11));
        text("name", u8"資産" + std::to_string(i + 1));
        text("quantity", method == 4 ? std::string() : std::to_string(1 + random.Below(20)) + u8"個");
        set("method", method);
        set("acquisition_date", acquired);
        set("db_rate_date", acquired);
        set("acquisition_cost", cost);
        set("opening_book_value", cost - accumulated);
        set("useful_life", life);
        set("depr_rate", 1000 / life);
        set("depr_limit", 95 * 10000);
        set("business_use_ratio", 100);
        set("selling_admin_ratio", 100);
        set("period_count", 12);
        set("periods_per_year", 12);
        set("depr_base_amount", cost);
        set("selling_admin_amount", depr);
        set("accumulated_depr", accumulated + depr);
        set("closing_book_value", cost - accumulated - depr);
        set("computed_depr", depr);
        uint32_t fate = random.Below(100);
        if (fate < 3) {
            set("disposal_kind", 4);
            set("disposal_date", 20241001);
            set("disposal_price", cost / 10);
        } else if (fate < 5) {
            set("disposal_kind", 5);
            set("disposal_date", 20250101);
        }
        ok = writer.AddAsset(asset, error);
        long subCount = method == 4 ? 1 + (long)random.Below(5) : 0;
        for (long j = 0; ok && j < subCount; ++j) {
            sub[0].number = i + 1;
            sub[1].number = j + 1;
            sub[FieldIndex(kSubItemTable, "name")].text = u8"内訳" + std::to_string(j + 1);
            sub[FieldIndex(kSubItemTable, "acquisition_date")].number = acquired;
            sub[FieldIndex(kSubItemTable, "acquisition_cost")].number = cost / subCount;
            sub[FieldIndex(kSubItemTable, "quantity")].number = 100 * (1 + random.Below(3));
            ok = writer.AddSubItem(sub, error);
        }
    }
    if (!ok) {
        store.Rollback();
        return false;
    }
    return store.Commit(error);
}
