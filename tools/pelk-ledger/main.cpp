// pelk-ledger: the accounting side's own command-line tool for the ledger
// store (create it, fill the demo, list data sets, choose the user and the
// selected data set, import and generate data).
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "LedgerAdmin.h"
#include "binding/LedgerStore.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

const char kUsage[] =
    "Usage: pelk-ledger [--store PATH] COMMAND [OPTIONS]\n"
    "\n"
    "The ledger store is PATH, else the file named by PELK_LEDGER_STORE, else\n"
    "the per-user default.\n"
    "\n"
    "Commands:\n"
    "  create                 create an empty store (refused when the file exists)\n"
    "  demo                   create the store when missing and add the demo companies\n"
    "                         DEMO01 (clean), DEMO02 (every log entry) and DEMO99\n"
    "                         (past results); user \"demo\" selects DEMO01\n"
    "  list                   list the data sets; * marks the current user's selection\n"
    "  user USER_ID           make USER_ID the current user\n"
    "  select [--user USER_ID] [--first N] DATA_NO\n"
    "                         set the user's selected data-set number (default: the\n"
    "                         current user; the first number defaults to 0)\n"
    "  dataset --id ID --no N --name NAME --start YYYYMMDD --end YYYYMMDD\n"
    "          [--kind K] [--client C]\n"
    "                         add a data set (kind 99: past results; client 0/1\n"
    "                         corporation, 3/4 individual)\n"
    "  import --data ID [--types FILE] [--assets FILE] [--subitems FILE]\n"
    "                         import UTF-8 CSV files with a header row into a data\n"
    "                         set; all or nothing (see tools/pelk-ledger/README.md)\n"
    "  generate --data ID --no N --count N [--seed S]\n"
    "                         add a synthetic data set of N assets\n"
    "  folder TYPE PATH       set application folder 0 (exports) or 1 (settings)\n"
    "  help                   show this text\n"
    "\n"
    "Exit status: 0 success, 1 refused or failed, 2 usage error.\n";

int Usage(const std::string& problem)
{
    std::cerr << "pelk-ledger: " << problem << "\n(see pelk-ledger --help)\n";
    return 2;
}

int Fail(const std::string& problem)
{
    std::cerr << "pelk-ledger: " << problem << "\n";
    return 1;
}

bool ParseLong(const std::string& text, long* value)
{
    if (text.empty()) return false;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || v < -2147483647LL - 1 || v > 2147483647LL) return false;
    *value = (long)v;
    return true;
}

// Splits "--name value" options from positional arguments.
bool ParseOptions(const std::vector<std::string>& args, size_t from, const std::vector<std::string>& names,
                  std::map<std::string, std::string>* options, std::vector<std::string>* positional,
                  std::string* problem)
{
    for (size_t i = from; i < args.size(); ++i) {
        if (args[i].compare(0, 2, "--") == 0) {
            bool known = false;
            for (const std::string& n : names) known = known || n == args[i];
            if (!known) {
                *problem = "unknown option " + args[i];
                return false;
            }
            if (i + 1 >= args.size()) {
                *problem = args[i] + " needs a value";
                return false;
            }
            (*options)[args[i]] = args[i + 1];
            ++i;
        } else {
            positional->push_back(args[i]);
        }
    }
    return true;
}

bool OpenStore(ClLedgerStore& store, const std::string& path, std::string* error)
{
    if (store.Open(path, error)) return true;
    *error = path + ": " + *error;
    return false;
}

int Run(const std::vector<std::string>& args)
{
    size_t i = 1;
    std::string path;
    if (i < args.size() && args[i] == "--store") {
        if (i + 1 >= args.size()) return Usage("--store needs a path");
        path = args[i + 1];
        i += 2;
    }
    if (i >= args.size()) return Usage("no command given");
    const std::string command = args[i++];
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (path.empty()) path = ClLedgerStore::ResolvePath();

    std::map<std::string, std::string> opt;
    std::vector<std::string> pos;
    std::string problem;
    ClLedgerStore store;
    std::string error;

    if (command == "create") {
        if (i != args.size()) return Usage("create takes no arguments");
        if (!store.Create(path, &error)) return Fail(path + ": " + error);
        std::cout << "created " << path << "\n";
        return 0;
    }
    if (command == "demo") {
        if (i != args.size()) return Usage("demo takes no arguments");
        bool created = false;
        if (!LedgerFileExists(path)) {
            if (!store.Create(path, &error)) return Fail(path + ": " + error);
            created = true;
        } else if (!OpenStore(store, path, &error)) {
            return Fail(error);
        }
        if (!LedgerFillDemo(store, &error)) return Fail(path + ": demo data refused: " + error);
        std::cout << (created ? "created " : "filled ") << path << " with the demo companies\n";
        return 0;
    }
    if (command == "list") {
        if (i != args.size()) return Usage("list takes no arguments");
        if (!OpenStore(store, path, &error) || !LedgerList(store, std::cout, &error)) return Fail(error);
        return 0;
    }
    if (command == "user") {
        if (i + 1 != args.size()) return Usage("user takes one USER_ID");
        if (!OpenStore(store, path, &error) || !LedgerSetCurrentUser(store, args[i], &error)) return Fail(error);
        return 0;
    }
    if (command == "select") {
        if (!ParseOptions(args, i, {"--user", "--first"}, &opt, &pos, &problem)) return Usage(problem);
        long first = 0, second = 0;
        if (pos.size() != 1 || !ParseLong(pos[0], &second)) return Usage("select takes one DATA_NO");
        if (opt.count("--first") && !ParseLong(opt["--first"], &first)) return Usage("--first needs a number");
        if (!OpenStore(store, path, &error)) return Fail(error);
        std::string user = opt.count("--user") ? opt["--user"] : std::string();
        if (user.empty() && !store.GetSetting("current_user", &user)) {
            return Fail("no current user: give --user or run 'pelk-ledger user USER_ID' first");
        }
        if (!LedgerSelect(store, user, first, second, &error)) return Fail(error);
        return 0;
    }
    if (command == "dataset") {
        if (!ParseOptions(args, i, {"--id", "--no", "--name", "--start", "--end", "--kind", "--client"}, &opt,
                          &pos, &problem)) {
            return Usage(problem);
        }
        if (!pos.empty()) return Usage("dataset takes options only");
        for (const char* required : {"--id", "--no", "--name", "--start", "--end"}) {
            if (!opt.count(required)) return Usage(std::string("dataset needs ") + required);
        }
        LedgerRow row;
        if (!LedgerMakeRow(kDataSetTable,
                           {{"data_id", opt["--id"]}, {"data_no", opt["--no"]}, {"company_name", opt["--name"]},
                            {"period_start", opt["--start"]}, {"period_end", opt["--end"]},
                            {"data_kind", opt.count("--kind") ? opt["--kind"] : "0"},
                            {"client_kind", opt.count("--client") ? opt["--client"] : "0"}},
                           &row, &error)) {
            return Fail(error);
        }
        if (!OpenStore(store, path, &error) || !LedgerAddDataSet(store, row, &error)) return Fail(error);
        return 0;
    }
    if (command == "import") {
        if (!ParseOptions(args, i, {"--data", "--types", "--assets", "--subitems"}, &opt, &pos, &problem)) {
            return Usage(problem);
        }
        if (!pos.empty() || !opt.count("--data")) return Usage("import needs --data ID and options only");
        LedgerImportFiles files{opt["--types"], opt["--assets"], opt["--subitems"]};
        if (files.assetTypes.empty() && files.assets.empty() && files.subItems.empty()) {
            return Usage("import needs at least one of --types, --assets, --subitems");
        }
        if (!OpenStore(store, path, &error) || !LedgerImport(store, opt["--data"], files, &error)) {
            return Fail(error + " (nothing imported)");
        }
        return 0;
    }
    if (command == "generate") {
        if (!ParseOptions(args, i, {"--data", "--no", "--count", "--seed"}, &opt, &pos, &problem)) {
            return Usage(problem);
        }
        long no = 0, count = 0, seed = 1;
        if (!pos.empty() || !opt.count("--data") || !ParseLong(opt["--no"], &no) ||
            !ParseLong(opt["--count"], &count) || (opt.count("--seed") && !ParseLong(opt["--seed"], &seed))) {
            return Usage("generate needs --data ID --no N --count N [--seed S]");
        }
        if (!OpenStore(store, path, &error) ||
            !LedgerGenerate(store, opt["--data"], no, count, (uint32_t)seed, &error)) {
            return Fail(error);
        }
        return 0;
    }
    if (command == "folder") {
        long type = 0;
        if (i + 2 != args.size() || !ParseLong(args[i], &type)) return Usage("folder takes TYPE and PATH");
        if (!OpenStore(store, path, &error) || !LedgerSetFolder(store, (int)type, args[i + 1], &error)) {
            return Fail(error);
        }
        return 0;
    }
    return Usage("unknown command " + command);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args;
#ifdef _WIN32
    // Arguments in UTF-8 whatever the code page of the console.
    (void)argc;
    (void)argv;
    int n = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
    for (int k = 0; wide && k < n; ++k) {
        int size = WideCharToMultiByte(CP_UTF8, 0, wide[k], -1, nullptr, 0, nullptr, nullptr);
        std::string s(size > 0 ? size - 1 : 0, '\0');
        if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide[k], -1, &s[0], size, nullptr, nullptr);
        args.push_back(s);
    }
    LocalFree(wide);
    // Output is UTF-8 too; a console shows it as such.
    SetConsoleOutputCP(CP_UTF8);
#else
    args.assign(argv, argv + argc);
#endif
    return Run(args);
}
