// Byte streams: TStream (the interface), TMemoryStream (in memory) and TFileStream (a file, opened with
// a mode and a share mode). Positions and sizes are 64-bit.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Transfer up to Count bytes; return how many were transferred.
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // Returns the new position.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
    virtual std::int64_t Size() const = 0;
    virtual void SetSize(std::int64_t NewSize) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Value) { Seek(Value, soBeginning); }

    // All or nothing: a short transfer raises EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    // Copies Count bytes from Source's position; Count 0 copies the whole of Source from its start.
    // Returns the number of bytes copied.
    std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
};

class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(FData.size()); }
    void SetSize(std::int64_t NewSize) override;

    std::uint8_t* Memory() { return FData.data(); }
    const std::uint8_t* Memory() const { return FData.data(); }
    void Clear();
    // Replace the contents by the whole of Stream (from its start) or of the file, position 0.
    void LoadFromStream(TStream& Stream);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TStream& Stream) const;
    void SaveToFile(const std::string& FileName) const;

private:
    std::vector<std::uint8_t> FData;
    std::int64_t FPosition = 0;
};

// Open modes (one of) combined with share modes (one of): fmOpenRead | fmShareDenyWrite.
enum : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00, // create or truncate, then read and write
};

// Share modes are honoured on Windows and ignored elsewhere. A file that cannot be opened raises
// EFOpenError "Cannot open file \"name\"" (EFCreateError "Cannot create file \"name\"" for fmCreate).
class TFileStream : public TStream {
public:
    TFileStream(const std::string& FileName, unsigned Mode);
    ~TFileStream() override;

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() const override;
    void SetSize(std::int64_t NewSize) override;

    const std::string& FileName() const { return FFileName; }

private:
    enum class TLastOp { None, Read, Write };
    // A C stream must be repositioned between reading and writing.
    void Switch(TLastOp Op) const;

    std::string FFileName;
    std::FILE* FFile = nullptr;
    mutable TLastOp FLastOp = TLastOp::None; // Size() repositions too
};

// The whole of a file, as bytes in a string (a description, a script); raises EFOpenError when it cannot be opened.
std::string ReadFileText(const std::string& FileName);
