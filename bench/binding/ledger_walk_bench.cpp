// Walks every asset of a generated data set the way the export does:
// MoveReady, GetCount, Move for ascending indexes, and for lump-sum assets
// MoveReadyIkkatsu, GetIkkatsuCount, MoveIkkatsu and MoveFinishIkkatsu;
// then the asset types. Reports the median walk time over several runs and
// the process's memory at quarters of the walk, which must stay flat.
//
//   bench_ledger_walk [--count N] [--runs R] [--store PATH]
// The store is generated on first use (data set BENCH) and reused after.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "LedgerAdmin.h"
#include "binding/LedgerStore.h"
#include "binding/PelkBCore.h"
#include "binding/PelkLink.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Current and peak resident memory in KiB.
void Memory(long* currentKiB, long* peakKiB)
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc;
    std::memset(&pmc, 0, sizeof pmc);
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    *currentKiB = (long)(pmc.WorkingSetSize / 1024);
    *peakKiB = (long)(pmc.PeakWorkingSetSize / 1024);
#else
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    *currentKiB = resident * (sysconf(_SC_PAGESIZE) / 1024);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    *peakKiB = usage.ru_maxrss;
#endif
}

struct WalkResult {
    double seconds = 0;
    long assets = 0;
    long subItems = 0;
    long types = 0;
    long long checksum = 0;  // keeps the reads from being optimised away
    long memoryKiB[5] = {};  // at 0, 1/4, 1/2, 3/4 and the end of the walk
    bool ok = false;
};

WalkResult Walk()
{
    WalkResult r;
    auto start = std::chrono::steady_clock::now();
    ClRuleGenkashokyaku rule;
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID("BENCH");
    rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    if (rule.MoveReady(nullptr, 0, 0) != 0) return r;
    long n = 0;
    rule.GetCount(&n);
    StKOTEISHISANINFO asset;
    StKOTEINENINFO year;
    StKOTEITSUKIINFO months;
    StIKKATSUINFO item;
    long peak = 0;
    int mark = 0;
    for (long i = 0; i < n; ++i) {
        if (mark < 4 && i >= n / 4 * mark) Memory(&r.memoryKiB[mark++], &peak);
        std::memset(&asset, 0, sizeof asset);
        std::memset(&year, 0, sizeof year);
        std::memset(&months, 0, sizeof months);
        if (rule.Move(i, &asset, &year, &months) != 0) return r;
        r.checksum += asset.acquisitionCost.int64 + year.computedDepr.int64 + asset.assetCode[5];
        if (asset.deprMethod == DEPR_LUMP_SUM) {
            unsigned char key[16];
            std::memcpy(key, asset.ikkatsuKey, sizeof key);
            long m = 0;
            rule.MoveReadyIkkatsu(key);
            rule.GetIkkatsuCount(&m);
            for (long j = 0; j < m; ++j) {
                std::memset(&item, 0, sizeof item);
                rule.MoveIkkatsu(j, &item);
                r.checksum += item.subAcquisitionCost.int64;
                ++r.subItems;
            }
            rule.MoveFinishIkkatsu();
        }
        ++r.assets;
    }
    Memory(&r.memoryKiB[4], &peak);
    StSHISANKUBUNINFO* types = nullptr;
    rule.LoadShisanKubunInfo(&types, &r.types);
    CoTaskMemFree(types);
    rule.MoveFinish();
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.ok = r.assets == n;
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    long count = 1000000;
    int runs = 5;
    std::string path;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--count")) count = std::atol(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--runs")) runs = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--store")) path = argv[i + 1];
    }
    if (path.empty()) path = "bench-ledger-" + std::to_string(count) + ".db";
    if (!LedgerFileExists(path)) {
        std::printf("generating %ld assets into %s ...\n", count, path.c_str());
        ClLedgerStore store;
        std::string error;
        auto start = std::chrono::steady_clock::now();
        if (!store.Create(path, &error) || !LedgerGenerate(store, "BENCH", 1, count, 1, &error)) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        std::printf("generated in %.1f s\n",
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    ClLedgerStore::SetPathOverride(path);
    if (ClPelkConnect::Inst()->Initiate() != 0) return 1;

    std::vector<double> times;
    WalkResult last;
    for (int k = 0; k < runs; ++k) {
        last = Walk();
        if (!last.ok) {
            std::fprintf(stderr, "walk failed after %ld assets\n", last.assets);
            return 1;
        }
        times.push_back(last.seconds);
        std::printf("run %d: %.3f s (%ld assets, %ld sub-items, %ld types, checksum %lld)\n", k + 1, last.seconds,
                    last.assets, last.subItems, last.types, last.checksum);
    }
    std::sort(times.begin(), times.end());
    long current = 0, peak = 0;
    Memory(&current, &peak);
    std::printf("median %.3f s, %.2f us per asset\n", times[times.size() / 2],
                times[times.size() / 2] * 1e6 / std::max(1L, last.assets));
    std::printf("memory during the last walk (KiB) at 0, 1/4, 1/2, 3/4, end: %ld %ld %ld %ld %ld; peak %ld\n",
                last.memoryKiB[0], last.memoryKiB[1], last.memoryKiB[2], last.memoryKiB[3], last.memoryKiB[4],
                peak);
    ClPelkConnect::Release();
    return 0;
}
