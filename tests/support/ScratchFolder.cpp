#include "tests/support/ScratchFolder.h"

#include <atomic>
#include <chrono>

namespace fs = std::filesystem;

// The clock tells apart folders of runs that overlap (native tests run in parallel); the counter tells apart
// the folders of one run made within one tick.
TScratchFolder::TScratchFolder() {
    static std::atomic<int> Counter{0};
    const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FPath = fs::temp_directory_path() /
            ("vantrel_test_" + std::to_string(Stamp) + "_" + std::to_string(Counter.fetch_add(1)));
    fs::create_directories(FPath);
}

// A folder that cannot be removed (a file still open under Windows) is left behind rather than failing a test
// that has already said what it had to say.
TScratchFolder::~TScratchFolder() {
    std::error_code Ignored;
    fs::remove_all(FPath, Ignored);
}
