// gk13-export: the command line, the run sequence without the dialog, and the
// report. The run follows the program's: connect (title, edition's
// application type, Initiate, ExpSysLink), find the selected data set, refuse
// past results, run the job's three steps, then report from the job's file
// states and the error log.
#include "Gk13Export.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "binding/LedgerStore.h"
#include "binding/PelkBCore.h"
#include "binding/PelkCmn.h"
#include "binding/PelkLink.h"
#include "binding/SjisText.h"
#include "export/GkEdition.h"
#include "export/GkExport.h"
#include "export/GkText.h"

namespace {

const char kUsage[] =
    "Usage: gk13-export --out PATH [OPTIONS]\n"
    "\n"
    "Writes the asset data file PATH, the asset-type file syurui.SSC and the error\n"
    "log beside it for the selected data set of the ledger store.\n"
    "\n"
    "  --out PATH          the asset data file to write (required)\n"
    "  --store PATH        the ledger store (default: PELK_LEDGER_STORE, else the\n"
    "                      per-user store)\n"
    "  --edition NAME      Alder (default), Birch or Cedar: the application type\n"
    "                      declared when connecting and the name of the error log\n"
    "  --user USER_ID      take this user's selected data set (default: the current user)\n"
    "  --data DATA_NO      export the data set of this number instead\n"
    "  --no-progress       no progress bar, even on a terminal\n"
    "  --help              this text\n"
    "\n"
    "Exit status:\n"
    "  0  written; the log was empty and has been deleted\n"
    "  1  written; the log has entries (they are shown, and the log is kept)\n"
    "  2  failed: the store, the data set or a file could not be used; the\n"
    "     message names what failed (a past-results data set is refused here too)\n"
    "  3  the command line was not understood\n";

// Texts of the program (Shift-JIS literals).
const char kTitle[] = "減価償却";
const char kPastResults[] = "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
const char kDoneClean[] = "減価償却情報の出力が正常に終了しました。";
const char kDoneEntries[] = "減価償却情報の出力が一応終了しました。";
const char kDataLabel[] = "償却資産データ ⇒ ";
const char kTypesLabel[] = "資産種類データ ⇒ ";
const char kLogLabel[] = "エラーログ ⇒ ";

FILE* g_err = nullptr;

// Shift-JIS bytes as UTF-8. A byte that is not part of a valid character (an
// entry cut after 152 bytes may end inside one) is shown as '?'.
std::string Utf8(const std::string& sjis)
{
    std::string out;
    if (SjisToUtf8(sjis, &out))
        return out;
    out.clear();
    size_t start = 0;
    while (start < sjis.size()) {
        size_t end = start + 1;
        if (GkIsLeadByte(static_cast<unsigned char>(sjis[start])) && end < sjis.size())
            ++end;
        std::string piece;
        if (SjisToUtf8(sjis.substr(start, end - start), &piece))
            out += piece;
        else
            out += '?';
        start = end;
    }
    return out;
}

// A path of the command line as UTF-8: natively it is UTF-8 already; on
// Windows it arrives in the ANSI code page (932).
std::string PathText(const std::string& path)
{
#ifdef _WIN32
    return Utf8(path);
#else
    return path;
#endif
}

int MessageToStderr(void*, const char* text, const char* caption, unsigned int)
{
    fprintf(g_err, "%s: %s\n", Utf8(caption ? caption : "").c_str(), Utf8(text ? text : "").c_str());
    return 1;  // IDOK
}

struct Options {
    std::string out, store, user, edition = "Alder";
    long dataNo = -1;
    bool progress = true;
};

bool ParseLong(const char* text, long* value)
{
    char* end = nullptr;
    long v = strtol(text, &end, 10);
    if (end == text || *end != '\0')
        return false;
    *value = v;
    return true;
}

// 0: parsed; GK13_EXIT_USAGE after a message; -1 after --help.
int Parse(int argc, char** argv, Options* o, FILE* out, FILE* err)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                fprintf(err, "gk13-export: %s needs a value\n", name);
                return nullptr;
            }
            return argv[++i];
        };
        const char* v = nullptr;
        if (a == "--help" || a == "-h") {
            fputs(kUsage, out);
            return -1;
        } else if (a == "--no-progress") {
            o->progress = false;
        } else if (a == "--out" || a == "--store" || a == "--user" || a == "--edition" || a == "--data") {
            if ((v = value(a.c_str())) == nullptr)
                return GK13_EXIT_USAGE;
            if (a == "--out")
                o->out = v;
            else if (a == "--store")
                o->store = v;
            else if (a == "--user")
                o->user = v;
            else if (a == "--edition")
                o->edition = v;
            else if (!ParseLong(v, &o->dataNo)) {
                fprintf(err, "gk13-export: --data needs a data-set number, not \"%s\"\n", v);
                return GK13_EXIT_USAGE;
            }
        } else {
            fprintf(err, "gk13-export: unknown argument \"%s\" (see --help)\n", a.c_str());
            return GK13_EXIT_USAGE;
        }
    }
    if (o->out.empty()) {
        fprintf(err, "gk13-export: --out PATH is required (see --help)\n");
        return GK13_EXIT_USAGE;
    }
    if (GkFindEdition(o->edition.c_str()) == nullptr) {
        fprintf(err, "gk13-export: unknown edition \"%s\" (Alder, Birch or Cedar)\n", o->edition.c_str());
        return GK13_EXIT_USAGE;
    }
    return 0;
}

// The data set of number dataNo, walked as the program walks them.
bool FindDataSet(long dataNo, StDATAINFO* found)
{
    ClSetData* set = static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(5, 1));
    if (set == nullptr)
        return false;
    long cursor = 0;
    bool ok = false;
    if (set->GetDatCursor(&cursor) != 0)
        return false;
    set->ReadyDat(cursor, 0);
    StDATAINFO record;
    memset(&record, 0, sizeof record);
    while (set->WalkDat(&record, cursor) == 0) {
        if (record.lDataNo == dataNo) {
            *found = record;
            ok = true;
            break;
        }
        memset(&record, 0, sizeof record);
    }
    set->ReleaseDatCursor(cursor);
    return ok;
}

struct Progress {
    FILE* err;
    bool shown = false;
};

void ShowProgress(void* context, long done, long total)
{
    Progress* p = static_cast<Progress*>(context);
    const int width = 40;
    int filled = total > 0 ? static_cast<int>((static_cast<double>(done) / total) * width) : width;
    fprintf(p->err, "\r[%.*s%*s] %3d%%  %ld/%ld assets", filled, "########################################",
            width - filled, "", total > 0 ? static_cast<int>(done * 100 / total) : 100, done, total);
    fflush(p->err);
    p->shown = true;
}

// Whole yen with digit grouping; the fraction only when there is one.
std::string Yen(__int128 tenThousandths)
{
    bool negative = tenThousandths < 0;
    unsigned __int128 m = negative ? -static_cast<unsigned __int128>(tenThousandths)
                                   : static_cast<unsigned __int128>(tenThousandths);
    unsigned fraction = static_cast<unsigned>(m % 10000);
    m /= 10000;
    std::string digits;
    int n = 0;
    do {
        if (n > 0 && n % 3 == 0)
            digits.insert(digits.begin(), ',');
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
        ++n;
    } while (m != 0);
    if (fraction != 0) {
        char f[8];
        snprintf(f, sizeof f, ".%04u", fraction);
        digits += f;
    }
    return (negative ? "-" : "") + digits + " yen";
}

void PrintSummary(const StGKSUMMARY& s, bool failed, FILE* out)
{
    fprintf(out, "rows %s: %ld (assets %ld, lump-sum sub-items %ld)\n",
            failed ? "converted, not all written" : "written", s.lAssetRows + s.lSubItemRows, s.lAssetRows,
            s.lSubItemRows);
    long errors = 0, warnings = 0;
    std::string kinds;
    for (int e = 1; e < GK_LOG_KIND_COUNT; ++e) {
        if (s.alEntries[e] == 0)
            continue;
        (GkLogEntryIsError(e) ? errors : warnings) += s.alEntries[e];
        char item[48];
        if (e == GK_LOG_SEPARATOR)
            snprintf(item, sizeof item, " separator %ld", s.alEntries[e]);
        else
            snprintf(item, sizeof item, " L%d %ld", e, s.alEntries[e]);
        kinds += item;
    }
    fprintf(out, "log entries: %ld errors, %ld warnings%s%s\n", errors, warnings, kinds.empty() ? "" : " |",
            kinds.c_str());
    fprintf(out, "control totals: acquisition cost %s, closing book value %s\n", Yen(s.acquisitionCost).c_str(),
            Yen(s.closingBookValue).c_str());
}

const char* FailureText(int failure)
{
    switch (failure) {
    case GK_FAILURE_PATH:
        return "its path would be longer than 260 bytes";
    case GK_FAILURE_OPEN:
        return "could not be created or emptied";
    case GK_FAILURE_WRITE:
        return "could not be written completely";
    case GK_FAILURE_CLOSE:
        return "could not be closed (its end may be missing)";
    default:
        return "";
    }
}

// The report, as the completion report gives it; answers the exit code.
int Report(ClGkExport& job, FILE* out, FILE* err)
{
    ClGkWriter& w = job.GetWriter();
    const std::string data = w.GetFileState(GK_FILE_DATA).strPath;
    const std::string ssc = w.GetFileState(GK_FILE_SSC).strPath;
    const std::string log = w.GetFileState(GK_FILE_LOG).strPath;
    if (job.HasFailure()) {
        fprintf(err, "gk13-export: the export failed; its files are not complete:\n");
        if (job.RuleMissing())
            fprintf(err, "  the depreciation records could not be read (no rule object)\n");
        for (short kind : {GK_FILE_DATA, GK_FILE_SSC, GK_FILE_LOG}) {
            const StGKFILESTATE& s = w.GetFileState(kind);
            if (s.nFailure != GK_FAILURE_NONE)
                fprintf(err, "  %s: %s\n", PathText(s.strPath).c_str(), FailureText(s.nFailure));
        }
        return GK13_EXIT_FAILED;
    }
    std::string entries;
    {
        FILE* f = fopen(log.c_str(), "rb");
        if (f) {
            char buffer[4096];
            size_t n;
            while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
                entries.append(buffer, n);
            fclose(f);
        }
    }
    if (entries.empty()) {
        remove(log.c_str());
        fprintf(out, "%s\n%s%s\n%s%s\n", Utf8(kDoneClean).c_str(), Utf8(kDataLabel).c_str(),
                PathText(data).c_str(), Utf8(kTypesLabel).c_str(), PathText(ssc).c_str());
        return GK13_EXIT_CLEAN;
    }
    std::string shown;
    for (char c : Utf8(entries)) {
        if (c != '\r')
            shown += c;
    }
    fprintf(out, "%s\n%s\n%s%s\n", Utf8(kDoneEntries).c_str(), shown.c_str(), Utf8(kLogLabel).c_str(),
            PathText(log).c_str());
    return GK13_EXIT_ENTRIES;
}

// Closes the connection and the libraries' singletons on every way out.
struct Connection {
    ~Connection()
    {
        ClPelkConnect* c = ClPelkConnect::Inst();
        if (c->IsInitiated()) {
            c->LogOut();
            c->Terminate();
        }
        ClPelkConnect::Release();
        ClDataMgr::Release();
        ClLinkMgr::Release();
        ClPelkConnect::SetMessageHook(nullptr);
        ClLedgerStore::SetPathOverride("");
    }
};

}  // namespace

int Gk13ExportMain(int argc, char** argv, FILE* out, FILE* err)
{
    Options o;
    int parsed = Parse(argc, argv, &o, out, err);
    if (parsed == -1)
        return GK13_EXIT_CLEAN;
    if (parsed != 0)
        return parsed;
    const StGKEDITION* edition = GkFindEdition(o.edition.c_str());

    g_err = err;
    Connection connection;
    ClPelkConnect::SetMessageHook(MessageToStderr);
    if (!o.store.empty())
        ClLedgerStore::SetPathOverride(o.store);
    ClPelkConnect* c = ClPelkConnect::Inst();
    c->m_pszTitle = kTitle;
    c->SetAppType(static_cast<ClSysEnvMgr::_AppType>(edition->nAppType));
    c->SetUseDataType(3);
    if (c->Initiate() != 0)
        return GK13_EXIT_FAILED;  // the connection has said why
    if (c->ExpSysLink() != 0) {
        fprintf(err, "gk13-export: the accounting system refused the link\n");
        return GK13_EXIT_FAILED;
    }

    long dataNo = o.dataNo;
    if (dataNo < 0) {
        char user[80] = {};
        ClSysUser* users = ClDataMgr::Inst()->GetSysUserObject();
        if (o.user.empty())
            users->GetCurUserID(user);
        else
            snprintf(user, sizeof user, "%s", o.user.c_str());
        long first = 0, second = 0;
        if (user[0] == '\0' || users->GetSelectedNo(user, &first, &second) != 0) {
            fprintf(err, "gk13-export: no user with a selected data set (give --user or --data)\n");
            return GK13_EXIT_FAILED;
        }
        dataNo = second;
    }
    StDATAINFO info;
    memset(&info, 0, sizeof info);
    if (!FindDataSet(dataNo, &info)) {
        fprintf(err, "gk13-export: the store has no data set number %ld\n", dataNo);
        return GK13_EXIT_FAILED;
    }
    if (info.nDataKind == 99) {
        MessageToStderr(nullptr, kPastResults, kTitle, 0);
        return GK13_EXIT_FAILED;
    }
    char id[sizeof info.szDataID + 1] = {};
    memcpy(id, info.szDataID, sizeof info.szDataID);
    char company[sizeof info.szCompanyName + 1] = {};
    memcpy(company, info.szCompanyName, sizeof info.szCompanyName);
    fprintf(out, "data set %s (no. %ld): %s, %d to %d\n", id, static_cast<long>(info.lDataNo),
            Utf8(company).c_str(), static_cast<int>(info.lPeriodStart), static_cast<int>(info.lPeriodEnd));

    Progress progress{err};
    int code;
    {
        ClGkExport job;
        job.SetPath(o.out.c_str());
        job.SetEdition(edition);
        job.SetDataID(id);
        if (o.progress && isatty(fileno(err)))
            job.SetProgress(ShowProgress, &progress);
        job.BeginDataFile(&info);
        job.ExportAssets();
        job.ExportAssetTypes(&info);
        if (progress.shown)
            fputc('\n', err);
        code = Report(job, out, err);
        PrintSummary(job.GetWriter().GetSummary(), code == GK13_EXIT_FAILED, out);
    }
    return code;
}
