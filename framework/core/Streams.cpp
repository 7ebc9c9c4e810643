#include "framework/core/Streams.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr std::int64_t CopyChunkSize = 64 * 1024;
constexpr unsigned OpenModeMask = 0x000F;

int SeekWhence(TSeekOrigin Origin) {
    switch (Origin) {
    case soBeginning: return SEEK_SET;
    case soCurrent: return SEEK_CUR;
    case soEnd: return SEEK_END;
    }
    return SEEK_SET;
}

int FileSeek(std::FILE* File, std::int64_t Offset, int Whence) {
#ifdef _WIN32
    return _fseeki64(File, Offset, Whence);
#else
    return fseeko(File, static_cast<off_t>(Offset), Whence);
#endif
}

std::int64_t FileTell(std::FILE* File) {
#ifdef _WIN32
    return _ftelli64(File);
#else
    return static_cast<std::int64_t>(ftello(File));
#endif
}

std::FILE* OpenFile(const std::string& FileName, unsigned Mode) {
    const char* CMode = Mode == fmCreate ? "w+b" : (Mode & OpenModeMask) == fmOpenRead ? "rb" : "r+b";
#ifdef _WIN32
    constexpr unsigned ShareModeMask = 0x00F0;
    int Share = _SH_DENYNO;
    switch (Mode == fmCreate ? 0u : Mode & ShareModeMask) {
    case fmShareExclusive: Share = _SH_DENYRW; break;
    case fmShareDenyWrite: Share = _SH_DENYWR; break;
    case fmShareDenyRead: Share = _SH_DENYRD; break;
    default: break;
    }
    return _fsopen(FileName.c_str(), CMode, Share);
#else
    // Sharing is a Windows notion.
    return std::fopen(FileName.c_str(), CMode);
#endif
}

} // namespace

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count) {
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.Size();
    }
    std::vector<std::uint8_t> Buffer(static_cast<std::size_t>(std::min(Count, CopyChunkSize)));
    for (std::int64_t Left = Count; Left > 0;) {
        std::int64_t Chunk = std::min(Left, CopyChunkSize);
        Source.ReadBuffer(Buffer.data(), Chunk);
        WriteBuffer(Buffer.data(), Chunk);
        Left -= Chunk;
    }
    return Count;
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
    std::int64_t Available = std::max<std::int64_t>(0, Size() - FPosition);
    std::int64_t Done = std::clamp<std::int64_t>(Count, 0, Available);
    if (Done > 0) std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(Done));
    FPosition += Done;
    return Done;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    if (FPosition + Count > Size()) FData.resize(static_cast<std::size_t>(FPosition + Count));
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition += Count;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    std::int64_t Base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
    if (Base + Offset < 0) throw EStreamError("Invalid stream position");
    FPosition = Base + Offset;
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
    FData.resize(static_cast<std::size_t>(std::max<std::int64_t>(0, NewSize)));
    FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    std::int64_t Count = Stream.Size();
    SetSize(Count);
    Stream.ReadBuffer(FData.data(), Count);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(File);
}

void TMemoryStream::SaveToStream(TStream& Stream) const {
    Stream.WriteBuffer(FData.data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
    TFileStream File(FileName, fmCreate);
    SaveToStream(File);
}

TFileStream::TFileStream(const std::string& FileName, unsigned Mode) : FFileName(FileName) {
    FFile = OpenFile(FileName, Mode);
    if (!FFile) {
        if (Mode == fmCreate) throw EFCreateError("Cannot create file \"" + FileName + "\"");
        throw EFOpenError("Cannot open file \"" + FileName + "\"");
    }
}

TFileStream::~TFileStream() {
    std::fclose(FFile);
}

void TFileStream::Switch(TLastOp Op) const {
    if (FLastOp != TLastOp::None && FLastOp != Op) FileSeek(FFile, 0, SEEK_CUR);
    FLastOp = Op;
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    Switch(TLastOp::Read);
    return static_cast<std::int64_t>(std::fread(Buffer, 1, static_cast<std::size_t>(Count), FFile));
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    Switch(TLastOp::Write);
    return static_cast<std::int64_t>(std::fwrite(Buffer, 1, static_cast<std::size_t>(Count), FFile));
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    if (FileSeek(FFile, Offset, SeekWhence(Origin)) != 0) throw EStreamError("Invalid stream position");
    FLastOp = TLastOp::None;
    return FileTell(FFile);
}

std::int64_t TFileStream::Size() const {
    std::int64_t Here = FileTell(FFile);
    FileSeek(FFile, 0, SEEK_END);
    std::int64_t End = FileTell(FFile);
    FileSeek(FFile, Here, SEEK_SET);
    FLastOp = TLastOp::None;
    return End;
}

void TFileStream::SetSize(std::int64_t NewSize) {
    std::fflush(FFile);
#ifdef _WIN32
    bool Done = _chsize_s(_fileno(FFile), NewSize) == 0;
#else
    bool Done = ftruncate(fileno(FFile), static_cast<off_t>(NewSize)) == 0;
#endif
    if (!Done) throw EWriteError("Cannot change the size of \"" + FFileName + "\"");
    if (Position() > NewSize) SetPosition(NewSize);
}

std::string ReadFileText(const std::string& FileName) {
    TMemoryStream File;
    File.LoadFromFile(FileName);
    const auto* Bytes = reinterpret_cast<const char*>(File.Memory());
    return std::string(Bytes, Bytes + File.Size());
}
