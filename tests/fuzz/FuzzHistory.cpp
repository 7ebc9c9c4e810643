// The history file (cmdlist.dat): the store's whole load path, from the stream up. A history that loads must
// hold only terminated texts, no more records than the file could hold, and must save to a file that loads
// to the very same records.
#include "app/CLCmdMgr.h"
#include "tests/fuzz/FuzzCheck.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The file starts with the record count, and no stored record is shorter than ten integers.
constexpr std::size_t kCountBytes = 4;
constexpr std::size_t kMinRecordBytes = 40;

// A file that lives in memory but has a path, so that the store reads and writes it through the same stream
// code as the real history, and the fuzzer never touches the disk.
class CMemoryFile {
public:
    CMemoryFile() : m_nFd(memfd_create("cmdlist.dat", 0)) {
        FUZZ_CHECK(m_nFd >= 0);
        m_sPath = "/proc/self/fd/" + std::to_string(m_nFd);
    }
    ~CMemoryFile() { close(m_nFd); }
    CMemoryFile(const CMemoryFile&) = delete;
    CMemoryFile& operator=(const CMemoryFile&) = delete;

    const char* Path() const { return m_sPath.c_str(); }
    void Fill(const std::uint8_t* pData, std::size_t nSize) {
        FUZZ_CHECK(ftruncate(m_nFd, 0) == 0);
        FUZZ_CHECK(pwrite(m_nFd, pData, nSize, 0) == static_cast<ssize_t>(nSize));
    }

private:
    int m_nFd;
    std::string m_sPath;
};

std::vector<CLCmd> Records(CLCmdMgr& store) {
    std::vector<CLCmd> cmds;
    for (const CLCmd* pCmd = store.GetLast(); pCmd; pCmd = store.GetPrev())
        cmds.push_back(*pCmd);
    return cmds;
}

bool IsTerminated(const char* sz, std::size_t nSize) {
    return std::memchr(sz, '\0', nSize) != nullptr;
}

// Texts compare up to their terminator: a stored text with a zero byte inside is shown, and saved again, only up
// to that byte.
bool SameRecord(const CLCmd& a, const CLCmd& b) {
    bool bSame = std::strcmp(a.szCmd, b.szCmd) == 0 && a.tAccess == b.tAccess;
    for (int i = 0; i < kReservedCount; ++i) {
        bSame = bSame && std::strncmp(a.szReserved[i], b.szReserved[i], kReservedTextSize) == 0;
        bSame = bSame && a.nReserved[i] == b.nReserved[i];
    }
    return bSame;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    static CMemoryFile s_input;
    static CMemoryFile s_saved;
    s_input.Fill(pData, nSize);

    CLCmdMgr store;
    FUZZ_CHECK(store.LoadFrom(s_input.Path()));
    const std::vector<CLCmd> cmds = Records(store);
    FUZZ_CHECK(cmds.size() <= (nSize < kCountBytes ? 0 : (nSize - kCountBytes) / kMinRecordBytes));
    for (const CLCmd& cmd : cmds) {
        FUZZ_CHECK(IsTerminated(cmd.szCmd, sizeof(cmd.szCmd)));
        FUZZ_CHECK(cmd.szEdit[0] == '\0');
        for (const char* szReserved : cmd.szReserved)
            FUZZ_CHECK(IsTerminated(szReserved, kReservedTextSize));
    }

    FUZZ_CHECK(store.SaveTo(s_saved.Path()));
    CLCmdMgr reloaded;
    FUZZ_CHECK(reloaded.LoadFrom(s_saved.Path()));
    const std::vector<CLCmd> again = Records(reloaded);
    FUZZ_CHECK(again.size() == cmds.size());
    for (std::size_t i = 0; i < cmds.size(); ++i)
        FUZZ_CHECK(SameRecord(again[i], cmds[i]));
    return 0;
}
