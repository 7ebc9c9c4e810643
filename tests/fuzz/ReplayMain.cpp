// Feeds stored inputs (files, or every file below a folder) to the target's LLVMFuzzerTestOneInput, one after
// the other, without fuzzing: the checked-in corpus and regression inputs run in the ordinary native test build,
// under its sanitizers, so that a fault once fixed stays fixed.
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitMissing = 2;

std::vector<std::uint8_t> ReadAll(const fs::path& Path) {
    std::ifstream In(Path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

// In a fixed order, so that a failing replay fails the same way every time.
std::vector<fs::path> InputsOf(const fs::path& Arg) {
    std::vector<fs::path> Inputs;
    if (fs::is_directory(Arg)) {
        for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Arg))
            if (Entry.is_regular_file()) Inputs.push_back(Entry.path());
        std::sort(Inputs.begin(), Inputs.end());
    } else {
        Inputs.push_back(Arg);
    }
    return Inputs;
}

} // namespace

int main(int argc, char** argv) {
    int Replayed = 0;
    for (int I = 1; I < argc; ++I) {
        if (!fs::exists(argv[I])) {
            std::fprintf(stderr, "no such input: %s\n", argv[I]);
            return ExitMissing;
        }
        for (const fs::path& Input : InputsOf(argv[I])) {
            const std::vector<std::uint8_t> Bytes = ReadAll(Input);
            std::fprintf(stderr, "%s\n", Input.c_str()); // names the culprit if the target dies
            LLVMFuzzerTestOneInput(Bytes.data(), Bytes.size());
            ++Replayed;
        }
    }
    std::printf("replayed %d inputs\n", Replayed);
    return ExitOk;
}
