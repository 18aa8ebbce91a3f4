#include "LedgerFixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif
#include <filesystem>
#include <random>

#include "LedgerAdmin.h"
#include "binding/PelkLink.h"

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    // Process id, clock and a counter: unique even where random_device is
    // not random, and across test programs running side by side.
    static int counter = 0;
    std::random_device rd;
    std::string name = "gk-binding-" + std::to_string(getpid()) + "-" +
                       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                       std::to_string(++counter) + "-" + std::to_string(rd());
    fs::path p = fs::temp_directory_path() / name;
    EXPECT_TRUE(fs::create_directories(p)) << p.u8string();
    m_strPath = p.u8string();
}

TempFolder::~TempFolder()
{
    Disconnect();
    std::error_code ec;
    fs::remove_all(fs::u8path(m_strPath), ec);
}

std::string TempFolder::File(const std::string& name) const
{
    return (fs::u8path(m_strPath) / fs::u8path(name)).u8string();
}

std::string TestDataFile(const std::string& name)
{
    const char* root = std::getenv("GK_TEST_DATA");
    EXPECT_NE(root, nullptr) << "GK_TEST_DATA is not set";
    return (fs::path(root ? root : ".") / "binding" / name).u8string();
}

void BuildFixtureStore(const std::string& path)
{
    ClLedgerStore store;
    std::string error;
    ASSERT_TRUE(store.Create(path, &error)) << error;
    LedgerRow row;
    std::string longName;
    for (int i = 0; i < 129; ++i) longName += u8"表";
    longName += "X";  // 259 Shift-JIS bytes: the whole room but the NUL
    struct {
        const char *id, *no, *kind, *client;
        std::string name;
    } sets[] = {{"FIX1", "5", "0", "1", u8"株式会社表示"},
                {"FIX2", "7", "99", "4", longName},
                {"FIX3", "7", "0", "0", u8"後続"}};
    for (const auto& s : sets) {
        ASSERT_TRUE(LedgerMakeRow(kDataSetTable,
                                  {{"data_id", s.id}, {"data_no", s.no}, {"company_name", s.name},
                                   {"period_start", "20240401"}, {"period_end", "20250331"},
                                   {"data_kind", s.kind}, {"client_kind", s.client}},
                                  &row, &error))
            << error;
        ASSERT_TRUE(LedgerAddDataSet(store, row, &error)) << error;
    }
    LedgerImportFiles files{TestDataFile("types.csv"), TestDataFile("assets.csv"), TestDataFile("subitems.csv")};
    ASSERT_TRUE(LedgerImport(store, "FIX1", files, &error)) << error;
    ASSERT_TRUE(LedgerSetCurrentUser(store, "u1", &error)) << error;
    ASSERT_TRUE(LedgerSelect(store, "u1", 1, 5, &error)) << error;
}

void RawSql(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
    char* msg = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &msg);
    std::string text = msg ? msg : "";
    sqlite3_free(msg);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text;
}

long Connect(const std::string& path)
{
    ClLedgerStore::SetPathOverride(path);
    ClPelkConnect* connect = ClPelkConnect::Inst();
    connect->m_pszTitle = "減価償却";
    connect->SetAppType(ClSysEnvMgr::APPTYPE_ALDER);
    connect->SetUseDataType(3);
    return connect->Initiate();
}

void Disconnect()
{
    ClPelkConnect::Inst()->LogOut();
    ClPelkConnect::Inst()->Terminate();
    ClPelkConnect::Release();
}

namespace {
int g_nMessages = 0;
std::string g_strText, g_strCaption;

int Hook(void*, const char* text, const char* caption, unsigned int)
{
    ++g_nMessages;
    g_strText = text ? text : "";
    g_strCaption = caption ? caption : "";
    return 1;
}
}  // namespace

MessageCapture::MessageCapture()
{
    g_nMessages = 0;
    g_strText.clear();
    g_strCaption.clear();
    ClPelkConnect::SetMessageHook(Hook);
}

MessageCapture::~MessageCapture()
{
    ClPelkConnect::SetMessageHook(nullptr);
}

int MessageCapture::Count() const
{
    return g_nMessages;
}

std::string MessageCapture::LastText() const
{
    return g_strText;
}

std::string MessageCapture::LastCaption() const
{
    return g_strCaption;
}
