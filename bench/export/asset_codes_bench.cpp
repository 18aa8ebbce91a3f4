// The code registry alone, on the codes an export of N assets registers: a
// six-character code per asset, numbered one after the other as ledgers and
// the generated benchmark stores number them, and for every fourth asset
// three sub-item codes of eight characters. Prints the median time per
// registration over several runs; the registry's table then far exceeds the
// processor's caches, which is what this measures. The table is sized for
// the asset count first, as the export sizes it.
//
//   bench_asset_codes [--count N] [--runs R]     (defaults 1000000, 5)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "export/GkAssetCodes.h"

namespace {

// Base-36 digits of n, zero-filled to six characters.
std::string Code6(long n)
{
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string s(6, '0');
    for (int i = 5; i >= 0 && n > 0; --i, n /= 36)
        s[i] = kDigits[n % 36];
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    long count = 1000000;
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--count") == 0)
            count = std::atol(argv[i + 1]);
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::atoi(argv[i + 1]);
    }
    std::vector<std::string> codes;
    for (long n = 0; n < count; ++n) {
        std::string code = Code6(n);
        if (n % 4 == 3) {
            for (const char* sub : {"01", "02", "03"})
                codes.push_back(code + sub);
        } else {
            codes.push_back(code);
        }
    }
    std::vector<double> perCode;
    long collisions = 0;
    for (int r = 0; r < runs; ++r) {
        collisions = 0;
        auto start = std::chrono::steady_clock::now();
        {
            ClGkAssetCodes registry;
            registry.Reserve(static_cast<size_t>(count));  // as the export does with the asset count
            for (const std::string& code : codes)
                collisions += registry.Register(code.c_str()) != 0;
        }
        std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
        perCode.push_back(took.count() / static_cast<double>(codes.size()));
    }
    std::sort(perCode.begin(), perCode.end());
    std::printf("%zu codes (%ld assets), %ld collisions: median %.1f ns per registration over %d runs\n",
                codes.size(), count, collisions, perCode[perCode.size() / 2], runs);
    return collisions == 0 ? 0 : 1;
}
