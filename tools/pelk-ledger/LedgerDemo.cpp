// The demo store: what a first run of the export finds when no store exists.
//
//   DEMO01 (no. 1)  a company whose export is clean: every depreciation
//                   method 1 to 8, lump-sum assets with sub-items, a sale, a
//                   retirement, a capital expenditure, asset types 1 to 11.
//                   Selected for the user "demo" by default.
//   DEMO02 (no. 2)  a company whose assets provoke every warning and error of
//                   the export's log at least once (noted per asset).
//   DEMO99 (no. 3)  past results only (data kind 99).
// Names and memos include Shift-JIS characters whose second byte is 0x5C
// (表, ソ, 能), which a byte-naive path or CSV writer would damage.
// The store holds UTF-8, so the texts here are u8 literals (plain literals
// are compiled to Shift-JIS).
#include <sqlite3.h>

#include <string>
#include <vector>

#include "LedgerAdmin.h"
#include "binding/LedgerStore.h"

namespace {

typedef std::vector<std::pair<const char*, std::string>> Fields;

struct DemoAsset {
    Fields fields;
    std::vector<Fields> subItems;  // asset_no is filled in
};

bool AddRow(const LedgerTable& table, const Fields& fields, LedgerRow* row, std::string* error)
{
    *row = EmptyRow(table);
    for (const auto& f : fields) {
        int index = FieldIndex(table, f.first);
        std::string problem;
        if (index < 0 || !ParseField(table.fields[index], f.second, &(*row)[index], &problem)) {
            *error = std::string("demo data, ") + f.first + " \"" + f.second + "\": " +
                     (index < 0 ? std::string("unknown field") : problem);
            return false;
        }
    }
    return true;
}

bool AddCompany(ClLedgerStore& store, const Fields& dataSet, const std::vector<Fields>& types,
                const std::vector<DemoAsset>& assets, std::string* error)
{
    LedgerRow row;
    if (!AddRow(kDataSetTable, dataSet, &row, error)) return false;
    ClLedgerWriter writer(store, row[0].text);
    if (!writer.AddDataSet(row, error)) {
        *error = *error == "duplicate key" ? "data set " + row[0].text + " already exists"
                                           : "data set " + row[0].text + ": " + *error;
        return false;
    }
    for (const Fields& t : types) {
        if (!AddRow(kAssetTypeTable, t, &row, error) || !writer.AddAssetType(row, error)) return false;
    }
    for (const DemoAsset& a : assets) {
        if (!AddRow(kAssetTable, a.fields, &row, error) || !writer.AddAsset(row, error)) return false;
        std::string assetNo = a.fields[0].second;
        long itemNo = 0;
        for (Fields sub : a.subItems) {
            sub.insert(sub.begin(), {"item_no", std::to_string(++itemNo)});
            sub.insert(sub.begin(), {"asset_no", assetNo});
            if (!AddRow(kSubItemTable, sub, &row, error) || !writer.AddSubItem(row, error)) return false;
        }
    }
    return true;
}

// Asset types 1 to 11 with the methods their assets usually take.
std::vector<Fields> StandardTypes()
{
    return {
        {{"code", "1"}, {"name", u8"建物"}, {"method", "2"}, {"residual_ratio", "0"}},
        {{"code", "2"}, {"name", u8"構築物"}, {"method", "2"}, {"residual_ratio", "0"}},
        {{"code", "3"}, {"name", u8"機械及び装置"}, {"method", "1"}, {"residual_ratio", "0"}},
        {{"code", "4"}, {"name", u8"車両運搬具"}, {"method", "1"}, {"residual_ratio", "0"}},
        {{"code", "5"}, {"name", u8"工具器具備品"}, {"method", "1"}, {"residual_ratio", "0"}},
        {{"code", "6"}, {"name", u8"一括償却資産"}, {"method", "4"}, {"residual_ratio", "0"}},
        {{"code", "7"}, {"name", u8"ソフトウェア"}, {"method", "2"}, {"residual_ratio", "0"}},
        {{"code", "8"}, {"name", u8"少額資産"}, {"method", "3"}, {"residual_ratio", "0"}},
        {{"code", "9"}, {"name", u8"繰延資産"}, {"method", "3"}, {"residual_ratio", "0"}},
        {{"code", "10"}, {"name", u8"建物附属設備"}, {"method", "2"}, {"residual_ratio", "10"}},
        {{"code", "11"}, {"name", u8"土地"}, {"method", "0"}, {"residual_ratio", "0"}},
    };
}

// A regular asset with consistent figures: cost, life, rate, the opening
// value and this year's depreciation.
Fields Regular(const char* no, const char* code, const char* type, const char* name, const char* method,
               const char* acquired, const char* cost, const char* life, const char* rate, const char* opening,
               const char* depr, const char* closing, const char* accumulated)
{
    return {{"asset_no", no},           {"code", code},
            {"type", type},             {"name", name},
            {"quantity", u8"1台"},        {"method", method},
            {"acquisition_date", acquired}, {"db_rate_date", acquired},
            {"acquisition_cost", cost}, {"opening_book_value", opening},
            {"useful_life", life},      {"depr_rate", rate},
            {"depr_limit", "95"},       {"business_use_ratio", "100"},
            {"selling_admin_ratio", "100"}, {"period_count", "12"},
            {"periods_per_year", "12"}, {"depr_base_amount", cost},
            {"selling_admin_amount", depr}, {"accumulated_depr", accumulated},
            {"closing_book_value", closing}, {"computed_depr", depr}};
}

Fields With(Fields f, std::initializer_list<std::pair<const char*, std::string>> more)
{
    for (const auto& m : more) {
        bool replaced = false;
        for (auto& existing : f) {
            if (std::string(existing.first) == m.first) {
                existing.second = m.second;
                replaced = true;
            }
        }
        if (!replaced) f.push_back(m);
    }
    return f;
}

Fields Sub(const char* name, const char* acquired, const char* cost, const char* quantity)
{
    return {{"name", name}, {"acquisition_date", acquired}, {"acquisition_cost", cost}, {"quantity", quantity}};
}

bool CleanCompany(ClLedgerStore& store, std::string* error)
{
    std::vector<DemoAsset> assets = {
        {Regular("1", "000101", "1", u8"本社事務所", "1", "19980401", "48000000", "50", "45", "17520000",
                 "788400", "16731600", "31268400"), {}},
        {Regular("2", "000102", "10", u8"表示装置付き空調設備", "2", "20050601", "3200000", "15", "66",
                 "1046400", "211200", "835200", "2364800"), {}},
        {With(Regular("3", "000103", "9", u8"開業費", "3", "20230401", "600000", "5", "200", "480000",
                      "120000", "360000", "240000"), {{"quantity", ""}}), {}},
        {With(Regular("4", "000104", "6", u8"一括償却資産（パソコン）", "4", "20240501", "540000", "3", "0",
                      "540000", "180000", "360000", "180000"), {{"quantity", ""}}),
         {Sub(u8"ノートパソコン", "20240501", "180000", "1"), Sub(u8"ソフトウェア付きタブレット", "20240601", "150000", "2"),
          Sub(u8"表計算用モニタ", "20240701", "210000", "3")}},
        {Regular("5", "000105", "3", u8"包装機械", "5", "20100401", "12000000", "10", "250", "3686400",
                 "921600", "2764800", "9235200"), {}},
        {Regular("6", "000106", "7", u8"販売管理ソフトウェア", "6", "20220401", "1500000", "5", "200", "900000",
                 "300000", "600000", "900000"), {}},
        {With(Regular("7", "000107", "8", u8"事務用椅子", "7", "20240801", "90000", "0", "0", "0", "90000", "0",
                      "90000"), {{"quantity", u8"5脚"}}), {}},
        {With(Regular("8", "000108", "5", u8"高性能サーバー", "8", "20200401", "2400000", "5", "400", "518400",
                      "207360", "311040", "2088960"), {{"db_rate_date", "20200401"}}), {}},
        // Sold during the period.
        {With(Regular("9", "000109", "4", u8"営業用車両", "6", "20180401", "3000000", "6", "167", "495000",
                      "248000", "0", "3000000"),
              {{"disposal_kind", "4"}, {"disposal_date", "20240930"}, {"disposal_price", "300000"}}), {}},
        // Retired during the period.
        {With(Regular("10", "000110", "5", u8"旧型複合機", "2", "20030401", "800000", "5", "200", "40000", "0",
                      "0", "800000"),
              {{"disposal_kind", "5"}, {"disposal_date", "20241231"}, {"memo", u8"老朽化のため除却"}}), {}},
        // A capital expenditure on the head office.
        {With(Regular("11", "000111", "1", u8"本社外壁改修", "6", "20240701", "5000000", "38", "27", "5000000",
                      "101250", "4898750", "101250"),
              {{"capex", u8"資本的支出"}, {"memo", u8"本社事務所の資本的支出"}}), {}},
        {With(Regular("12", "000112", "2", u8"駐車場舗装", "6", "20150401", "2000000", "10", "100", "1000000",
                      "200000", "800000", "1200000"), {{"quantity", u8"1式"}}), {}},
        {With(Regular("13", "000113", "11", u8"工場用地", "0", "19900401", "30000000", "0", "0", "30000000",
                      "0", "30000000", "0"), {{"quantity", u8"1筆"}}), {}},
        {With(Regular("14", "000114", "6", u8"一括償却資産（備品）", "4", "20230401", "360000", "3", "0",
                      "240000", "120000", "120000", "240000"), {{"quantity", ""}}),
         {Sub(u8"応接セット", "20230401", "190000", "1"), Sub(u8"能率向上用シュレッダー", "20230501", "170000", "1")}},
    };
    return AddCompany(store,
                      {{"data_id", "DEMO01"}, {"data_no", "1"}, {"company_name", u8"株式会社サンプル商事"},
                       {"period_start", "20240401"}, {"period_end", "20250331"}, {"client_kind", "0"}},
                      StandardTypes(), assets, error);
}

bool FaultyCompany(ClLedgerStore& store, std::string* error)
{
    auto base = [](const char* no, const char* code, const char* name) {
        return Regular(no, code, "5", name, "6", "20200401", "1000000", "5", "200", "600000", "200000",
                       "400000", "600000");
    };
    auto lump = [](const char* no, const char* code) {
        return With(Regular(no, code, "6", u8"一括償却資産", "4", "20240401", "300000", "3", "0", "300000",
                            "100000", "200000", "100000"), {{"quantity", ""}});
    };
    std::vector<Fields> many;
    for (int i = 1; i <= 101; ++i) many.push_back(Sub(u8"消耗備品", "20240401", "3000", "1"));
    std::vector<DemoAsset> assets = {
        {base("1", "ABC1234567", u8"長い資産コード"), {}},                           // L1
        {base("2", "AB-12", u8"記号入りコード"), {}},                                // L2
        {base("3", "000300", u8"重複コード一"), {}},
        {base("4", "000300", u8"重複コード二"), {}},                                 // L3
        {With(base("5", "000500", u8"種類コード超過"), {{"type", "100"}}), {}},      // L4
        {base("6", "000600", u8"非常に長い資産名称で連携可能な文字数を超えている資産"), {}},  // L5
        {With(base("7", "000700", u8"数量超過"), {{"quantity", "1234567"}}), {}},    // L6
        {With(base("8", "000800", u8"金額超過"),                                     // L7
              {{"acquisition_cost", "100000000000"}, {"depr_base_amount", "100000000000"}}), {}},
        {With(base("9", "000900", u8"メモ超過"),                                     // L8
              {{"memo", u8"このメモは連携先で受け付けられる文字数を大きく超えています"}}), {}},
        {lump("10", "001000"), many},                                              // L9
        {lump("11", "LUMP0001"), {Sub(u8"内訳", "20240401", "100000", "1")}},        // L10
        {lump("12", "L-01"), {Sub(u8"内訳", "20240401", "100000", "1")}},            // L11
        {lump("13", "L12345"), {Sub(u8"内訳一", "20240401", "100000", "1")}},
        {lump("14", "0L12345"), {Sub(u8"内訳二", "20240401", "100000", "1")}},       // L12
        {base("15", "000123", u8"通常資産"), {}},
        {lump("16", "000123"), {Sub(u8"内訳", "20240401", "100000", "1")}},          // L13
        {lump("17", "001700"),                                                     // L14, L6
         {Sub(u8"非常に長い内訳名称で連携可能な文字数を超えている内訳", "20240401", "100000", "1"),
          Sub(u8"数量超過の内訳", "20240401", "100000", "1000000")}},
    };
    return AddCompany(store,
                      {{"data_id", "DEMO02"}, {"data_no", "2"}, {"company_name", u8"有限会社エラー検証"},
                       {"period_start", "20240101"}, {"period_end", "20241231"}, {"client_kind", "3"}},
                      StandardTypes(), assets, error);
}

bool PastResults(ClLedgerStore& store, std::string* error)
{
    std::vector<DemoAsset> assets = {
        {Regular("1", "000101", "1", u8"本社事務所", "1", "19980401", "48000000", "50", "45", "18316800",
                 "796800", "17520000", "30480000"), {}},
    };
    return AddCompany(store,
                      {{"data_id", "DEMO99"}, {"data_no", "3"}, {"company_name", u8"株式会社サンプル商事（過去実績）"},
                       {"period_start", "20230401"}, {"period_end", "20240331"}, {"data_kind", "99"},
                       {"client_kind", "0"}},
                      StandardTypes(), assets, error);
}

}  // namespace

bool LedgerFillDemo(ClLedgerStore& store, std::string* error)
{
    if (!store.BeginWrite(error)) return false;
    bool ok = CleanCompany(store, error) && FaultyCompany(store, error) && PastResults(store, error);
    if (ok) {
        // The user and selection of the first run: the clean company.
        sqlite3_stmt* st = nullptr;
        ok = sqlite3_prepare_v2(store.Db(),
                                "INSERT OR REPLACE INTO users(user_id, selected_no1, selected_no2) VALUES('demo', 1, 1)",
                                -1, &st, nullptr) == SQLITE_OK &&
             sqlite3_step(st) == SQLITE_DONE;
        sqlite3_finalize(st);
        if (!ok) *error = store.DbError();
        ok = ok && store.SetSetting("current_user", "demo", error);
    }
    if (!ok) {
        store.Rollback();
        return false;
    }
    return store.Commit(error);
}
