#include "tests/app/TestStore.h"

#include "LedgerAdmin.h"
#include "binding/LedgerStore.h"
#include "binding/PelkCmn.h"

namespace {
int g_serial = 0;

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}
}  // namespace

TestStore::TestStore(const std::vector<TestDataSet>* dataSets, long selectedNo)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "gk_app_" + std::to_string(GetCurrentProcessId()) + "_" +
             std::to_string(++g_serial) + "\\";
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    exportFolder = folder + "Export\\";
    CreateDirectoryA(exportFolder.c_str(), nullptr);
    storePath = folder + "ledger.db";
    ClLedgerStore::SetPathOverride(storePath);
    if (!dataSets) return;

    ClLedgerStore store;
    if (!store.Create(storePath, &error)) return;
    for (const TestDataSet& d : *dataSets) {
        LedgerRow row;
        if (!LedgerMakeRow(kDataSetTable,
                           {{"data_id", d.id},
                            {"data_no", std::to_string(d.no)},
                            {"company_name", d.companyUtf8},
                            {"period_start", std::to_string(d.start)},
                            {"period_end", std::to_string(d.end)},
                            {"data_kind", std::to_string(d.kind)}},
                           &row, &error) ||
            !LedgerAddDataSet(store, row, &error))
            return;
    }
    if (!LedgerSetCurrentUser(store, "tester", &error) ||
        !LedgerSelect(store, "tester", 1, selectedNo, &error) ||
        !LedgerSetFolder(store, 0, exportFolder, &error))
        return;
}

TestStore::~TestStore()
{
    ClLedgerStore::SetPathOverride("");
    RemoveTree(folder);
}

std::vector<std::string> TestStore::ExportFiles() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((exportFolder + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}
