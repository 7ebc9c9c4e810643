#include "common/misc/CxFile.h"

#include "common/misc/CxAssert.h"

#ifdef _WIN32
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstring>
#include <new>

namespace {
// Large enough that a history of thousands of commands takes few calls into the runtime library.
constexpr size_t kBufferSize = 64 * 1024;

// The runtime library's own calls for forcing a stream onto the disk and measuring it; the POSIX ones let the
// history's reading be exercised natively, where the fuzzing tools run.
#ifdef _WIN32
bool SyncToDisk(FILE* fp) {
    return _commit(_fileno(fp)) == 0;
}
long long FileLength(FILE* fp) {
    return _filelengthi64(_fileno(fp));
}
#else
bool SyncToDisk(FILE* fp) {
    return fsync(fileno(fp)) == 0;
}
long long FileLength(FILE* fp) {
    struct stat st = {};
    return fstat(fileno(fp), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}
#endif

static_assert(sizeof(int) == 4, "the file stores integers as 4 bytes");
} // namespace

CxFile::CxFile() : m_fp(nullptr), m_nReadPos(0), m_nReadEnd(0), m_nPending(0) {}

CxFile::~CxFile() {
    Close();
}

// A stream left open by a previous call is closed first, so that it cannot leak.
bool CxFile::Open(const char* szPath, const char* szMode) {
    if (!szPath || !*szPath || !szMode || !*szMode) return false;
    Close();
    if (!m_pBuf) m_pBuf.reset(new (std::nothrow) char[kBufferSize]);
    if (!m_pBuf) return false;
    m_fp = std::fopen(szPath, szMode);
    return m_fp != nullptr;
}

// Hands the last buffered bytes to the stream and closes it. A failure of either means data may be missing from
// the file, so it is reported.
bool CxFile::Close() {
    if (!m_fp) return true;
    const bool bFlushed = FlushBuffer();
    const bool bClosed = std::fclose(m_fp) == 0;
    m_fp = nullptr;
    m_nReadPos = m_nReadEnd = 0;
    return bFlushed && bClosed;
}

// Pushes everything written so far through the system's cache onto the disk, so that a file about to replace
// another is complete even after a power cut.
bool CxFile::Commit() {
    CX_ASSERT(m_fp);
    return FlushBuffer() && std::fflush(m_fp) == 0 && SyncToDisk(m_fp);
}

bool CxFile::GetSize(long long* pnSize) {
    CX_ASSERT(m_fp && pnSize);
    const long long nSize = FileLength(m_fp);
    if (nSize < 0) return false;
    *pnSize = nSize;
    return true;
}

// Reads a stored text into a zeroed field of nSize bytes. A text longer than the field is cut to nSize - 1
// characters and the rest is skipped, so the fields after it are still read from the right place; *pnLen gets the
// stored length. A length of 0 or below reads no bytes.
bool CxFile::ReadString(char* szBuf, int* pnLen, int nSize) {
    // clang-format off
    CX_ASSERT(m_fp&&szBuf);
    // clang-format on
    int nLen = 0;
    if (!ReadInt(&nLen)) return false;
    if (pnLen) *pnLen = nLen;
    if (nLen <= 0) return true;
    const size_t nStored = static_cast<size_t>(nLen);
    const size_t nKeep = std::min(nStored, static_cast<size_t>(std::max(nSize - 1, 0)));
    return ReadBytes(szBuf, nKeep) && ReadBytes(nullptr, nStored - nKeep);
}

// At the end of the file *piVal keeps its value: the integer is read aside and copied only when complete.
bool CxFile::ReadInt(int* piVal) {
    CX_ASSERT(m_fp && piVal);
    int nVal = 0;
    if (!ReadBytes(&nVal, sizeof(nVal))) return false;
    *piVal = nVal;
    return true;
}

bool CxFile::WriteString(const char* sz) {
    CX_ASSERT(m_fp);
    const size_t nLen = sz ? std::strlen(sz) : 0;
    return WriteInt(static_cast<int>(nLen)) && PutBytes(sz, nLen);
}

bool CxFile::WriteInt(int nVal) {
    CX_ASSERT(m_fp);
    return PutBytes(&nVal, sizeof(nVal));
}

bool CxFile::WriteBytes(const void* pData, size_t nSize) {
    return std::fwrite(pData, 1, nSize, m_fp) == nSize;
}

// Takes nSize bytes from the buffer, refilling it from the stream as it runs dry, and copies them to pData, or
// skips them when pData is null; false when the file ends first.
bool CxFile::ReadBytes(void* pData, size_t nSize) {
    char* pOut = static_cast<char*>(pData);
    while (nSize > 0) {
        if (m_nReadPos == m_nReadEnd) {
            m_nReadPos = 0;
            m_nReadEnd = std::fread(m_pBuf.get(), 1, kBufferSize, m_fp);
            if (m_nReadEnd == 0) return false;
        }
        const size_t nChunk = std::min(nSize, m_nReadEnd - m_nReadPos);
        if (pOut) {
            std::memcpy(pOut, m_pBuf.get() + m_nReadPos, nChunk);
            pOut += nChunk;
        }
        m_nReadPos += nChunk;
        nSize -= nChunk;
    }
    return true;
}

// Collects small writes; a block too large for the buffer goes to the stream directly.
bool CxFile::PutBytes(const void* pData, size_t nSize) {
    if (nSize > kBufferSize - m_nPending && !FlushBuffer()) return false;
    if (nSize >= kBufferSize) return WriteBytes(pData, nSize);
    if (nSize > 0) std::memcpy(m_pBuf.get() + m_nPending, pData, nSize);
    m_nPending += nSize;
    return true;
}

bool CxFile::FlushBuffer() {
    const size_t nPending = m_nPending;
    m_nPending = 0;
    return nPending == 0 || WriteBytes(m_pBuf.get(), nPending);
}
