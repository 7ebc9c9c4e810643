#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

// Binary file stream of the history file. It fixes the encoding: an integer is 4 bytes, little-endian; a text is its
// length as an integer followed by that many bytes, without a terminator.
//
// Every read and write reports whether all of its bytes were transferred, so that a reader can stop at the end of
// the file and a writer can tell a full disk from success. Calling a read or write without an open file, or with a
// null destination, is a programming error and stops the program.
//
// A history is read and written in many small pieces (ten integers and up to five texts per record). They go
// through a buffer of the object's own and reach the stream in large blocks: each call into the runtime library
// costs more than the copy of a few bytes. Between Open and Close a file is either read or written, not both.
class CxFile {
public:
    CxFile();
    virtual ~CxFile();
    CxFile(const CxFile&) = delete;
    CxFile& operator=(const CxFile&) = delete;

    bool Open(const char* szPath, const char* szMode);
    bool Close();
    bool Commit();
    bool GetSize(long long* pnSize);

    bool ReadString(char* szBuf, int* pnLen, int nSize);
    bool ReadInt(int* piVal);
    bool WriteString(const char* sz);
    bool WriteInt(int nVal);

protected:
    // Every block headed for the stream goes through here; a test can replace it to simulate a disk that fills up.
    virtual bool WriteBytes(const void* pData, size_t nSize);

private:
    bool ReadBytes(void* pData, size_t nSize);
    bool PutBytes(const void* pData, size_t nSize);
    bool FlushBuffer();

    FILE* m_fp;
    std::unique_ptr<char[]> m_pBuf; // allocated by the first Open
    size_t m_nReadPos;              // next unread byte in m_pBuf
    size_t m_nReadEnd;              // end of the bytes read into m_pBuf
    size_t m_nPending;              // bytes written into m_pBuf that the stream has not had yet
};
