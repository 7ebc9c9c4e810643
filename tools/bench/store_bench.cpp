// Measures the command store on histories of realistic size: Save, Load and a newest-to-oldest walk, each in
// nanoseconds per record, next to one raw fwrite and one raw fread of the same bytes. Run it with `make bench`;
// the absolute figures depend on the machine, the ratios are what to compare.

#include "app/Apputil.h"
#include "app/CLCmdMgr.h"

#include <windows.h>

#include <io.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr unsigned kSizes[] = {1000, 10000, 100000};
// Command lengths of real CL commands, from a short DSPLIB to a long SBMJOB with all its parameters.
constexpr int kMinCmdLength = 20;
constexpr int kMaxCmdLength = 300;
// Each figure is the median of this many runs.
constexpr int kRuns = 7;
constexpr unsigned kSeed = 400;
constexpr int32_t kFirstStamp = 1150000000;
constexpr const char* kRawFileName = "store_bench_raw.dat";
constexpr const char* kCmdAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ()/*'";

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<unsigned char>;

double TimeNs(const std::function<void()>& run) {
    const Clock::time_point tStart = Clock::now();
    run();
    return std::chrono::duration<double, std::nano>(Clock::now() - tStart).count();
}

// The median of kRuns runs; each run returns the time of the part it measures.
double MedianNs(const std::function<double()>& timedRun) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i)
        times.push_back(timedRun());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string AppFile(const char* szName) {
    char szDir[kPathSize];
    if (!GetAppDir(g_hInst, szDir)) return szName;
    return std::string(szDir) + szName;
}

Bytes ReadWhole(const std::string& sPath) {
    Bytes bytes;
    FILE* fp = std::fopen(sPath.c_str(), "rb");
    if (!fp) return bytes;
    bytes.resize(static_cast<size_t>(_filelengthi64(_fileno(fp))));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), fp));
    std::fclose(fp);
    return bytes;
}

// One fwrite of the whole image, optionally forced onto the disk as Save does with its file.
double RawWriteNs(const std::string& sPath, const Bytes& bytes, bool bCommit) {
    return TimeNs([&] {
        FILE* fp = std::fopen(sPath.c_str(), "wb");
        if (!fp) return;
        std::fwrite(bytes.data(), 1, bytes.size(), fp);
        if (bCommit) {
            std::fflush(fp);
            _commit(_fileno(fp));
        }
        std::fclose(fp);
    });
}

void FillStore(CLCmdMgr& store, unsigned nRecords, std::mt19937& rng) {
    std::uniform_int_distribution<int> length(kMinCmdLength, kMaxCmdLength);
    std::uniform_int_distribution<size_t> letter(0, std::strlen(kCmdAlphabet) - 1);
    for (unsigned i = 0; i < nRecords; ++i) {
        CLCmd cmd = {};
        const int nLength = length(rng);
        for (int n = 0; n < nLength; ++n)
            cmd.szCmd[n] = kCmdAlphabet[letter(rng)];
        cmd.tAccess = kFirstStamp + static_cast<int32_t>(i);
        store.AddCmd(&cmd);
    }
}

unsigned Walk(CLCmdMgr& store) {
    unsigned nVisited = 0;
    for (const CLCmd* pCmd = store.GetLast(); pCmd; pCmd = store.GetPrev())
        nVisited += pCmd->szCmd[0] != '\0';
    return nVisited;
}

void Report(const char* szWhat, double nsStore, const char* szRaw, double nsRaw, unsigned nRecords) {
    std::printf("  %-5s %9.1f ns/record   %-10s %7.1f ns/record   ratio %6.2f\n", szWhat, nsStore / nRecords, szRaw,
                nsRaw / nRecords, nsStore / nsRaw);
}

// Prints the figures of one history size; false when the store did not give back what it was given.
bool MeasureSize(unsigned nRecords, std::mt19937& rng) {
    CLCmdMgr store;
    FillStore(store, nRecords, rng);
    bool bSaved = true;
    const double nsSave = MedianNs([&] { return TimeNs([&] { bSaved = store.Save() && bSaved; }); });
    const Bytes bytes = ReadWhole(AppFile("cmdlist.dat"));

    // Each run loads into a fresh store; creating and releasing the store is not part of the figure.
    bool bLoaded = true;
    const double nsLoad = MedianNs([&] {
        CLCmdMgr loaded;
        const double ns = TimeNs([&] { bLoaded = loaded.Load() && bLoaded; });
        bLoaded = Walk(loaded) == nRecords && bLoaded;
        return ns;
    });
    unsigned nWalked = 0;
    const double nsWalk = MedianNs([&] { return TimeNs([&] { nWalked = Walk(store); }); });

    // What Load cannot avoid: a fixed-size record in memory for every command, whatever its length.
    const double nsAlloc = MedianNs([&] {
        std::vector<std::unique_ptr<CLCmd>> records(nRecords);
        return TimeNs([&] {
            for (auto& pRecord : records)
                pRecord.reset(new CLCmd());
        });
    });

    const std::string sRaw = AppFile(kRawFileName);
    const double nsWrite = MedianNs([&] { return RawWriteNs(sRaw, bytes, false); });
    const double nsWriteCommit = MedianNs([&] { return RawWriteNs(sRaw, bytes, true); });
    Bytes readBack(bytes.size());
    const double nsRead = MedianNs([&] {
        return TimeNs([&] {
            FILE* fp = std::fopen(sRaw.c_str(), "rb");
            if (!fp) return;
            readBack.resize(std::fread(readBack.data(), 1, readBack.size(), fp));
            std::fclose(fp);
        });
    });
    DeleteFileA(sRaw.c_str());

    std::printf("%u records, %zu bytes in the file\n", nRecords, bytes.size());
    Report("Save", nsSave, "raw fwrite", nsWrite, nRecords);
    Report("Load", nsLoad, "raw fread", nsRead, nRecords);
    Report("Walk", nsWalk, "raw fread", nsRead, nRecords);
    std::printf("  for reference: raw fwrite + commit to disk %.1f ns/record (Save ratio %.2f); allocating the "
                "records alone %.1f ns/record\n",
                nsWriteCommit / nRecords, nsSave / nsWriteCommit, nsAlloc / nRecords);
    return bSaved && bLoaded && nWalked == nRecords && readBack == bytes;
}

} // namespace

int main() {
    g_hInst = GetModuleHandleA(nullptr);
    std::mt19937 rng(kSeed);
    bool bOk = true;
    for (const unsigned nRecords : kSizes)
        bOk = MeasureSize(nRecords, rng) && bOk;
    DeleteFileA(AppFile("cmdlist.dat").c_str());
    if (!bOk) std::fprintf(stderr, "store_bench: the store did not give back what it was given\n");
    return bOk ? 0 : 1;
}
