#include "skin/themes/Vskthemeformat.h"

#include "framework/core/Streams.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int HeaderSizeOffset = 12;
constexpr int VersionOffset = 16;
constexpr int FirstEntryOffset = 20;
constexpr std::uint32_t FormatVersion = 1; // written for compatibility, never read
constexpr int TypeOffset = 64;
constexpr int DataOffsetOffset = 65;
constexpr int DataSizeOffset = 69;
constexpr int NextOffset = 73;

// Reads Count bytes at Offset when they lie inside a file of FileSize bytes.
bool ReadAt(TStream& File, std::int64_t FileSize, std::int64_t Offset, void* Buffer, std::int64_t Count) {
    if (Offset < 0 || Offset + Count > FileSize) return false;
    File.SetPosition(Offset);
    return File.Read(Buffer, Count) == Count;
}

// The offset of the first entry header, or -1 when the file header is unusable. A header that claims to
// be shorter than the fields we read, or longer than the file, is taken as damage.
std::int64_t FirstEntry(TStream& File, std::int64_t FileSize) {
    TvskThemeHeaderBytes Header;
    if (!ReadAt(File, FileSize, 0, Header.data(), VskThemeHeaderSize)) return -1;
    const std::uint32_t HeaderSize = GetThemeU32(Header.data() + HeaderSizeOffset);
    if (HeaderSize < static_cast<std::uint32_t>(VskThemeHeaderSize) || HeaderSize > FileSize) return -1;
    return GetThemeU32(Header.data() + FirstEntryOffset);
}

} // namespace

void PutThemeU32(std::uint8_t* Out, std::uint32_t Value) {
    for (std::size_t Byte = 0; Byte < sizeof Value; ++Byte)
        Out[Byte] = static_cast<std::uint8_t>(Value >> (8 * Byte));
}

std::uint32_t GetThemeU32(const std::uint8_t* In) {
    std::uint32_t Value = 0;
    for (std::size_t Byte = sizeof Value; Byte-- > 0;)
        Value = Value << 8 | In[Byte];
    return Value;
}

TvskThemeHeaderBytes EncodeThemeFileHeader() {
    TvskThemeHeaderBytes Bytes{};
    std::memcpy(Bytes.data(), VskThemeSignature.data(), VskThemeSignature.size());
    PutThemeU32(Bytes.data() + HeaderSizeOffset, VskThemeHeaderSize);
    PutThemeU32(Bytes.data() + VersionOffset, FormatVersion);
    PutThemeU32(Bytes.data() + FirstEntryOffset, VskThemeHeaderSize);
    return Bytes;
}

TvskThemeEntryBytes EncodeThemeEntryHeader(const TvskThemeEntryHeader& Header) {
    TvskThemeEntryBytes Bytes{};
    std::memcpy(Bytes.data(), Header.Name.data(), std::min<std::size_t>(Header.Name.size(), VskThemeNameSize));
    Bytes[TypeOffset] = Header.Type;
    PutThemeU32(Bytes.data() + DataOffsetOffset, Header.DataOffset);
    PutThemeU32(Bytes.data() + DataSizeOffset, Header.DataSize);
    PutThemeU32(Bytes.data() + NextOffset, Header.Next);
    return Bytes;
}

TvskThemeEntryHeader DecodeThemeEntryHeader(const TvskThemeEntryBytes& Bytes) {
    TvskThemeEntryHeader Header;
    const auto* Name = reinterpret_cast<const char*>(Bytes.data());
    Header.Name.assign(Name, std::find(Name, Name + VskThemeNameSize, '\0'));
    Header.Type = Bytes[TypeOffset];
    Header.DataOffset = GetThemeU32(Bytes.data() + DataOffsetOffset);
    Header.DataSize = GetThemeU32(Bytes.data() + DataSizeOffset);
    Header.Next = GetThemeU32(Bytes.data() + NextOffset);
    return Header;
}

bool HasThemeSignature(std::string_view FirstBytes) {
    if (FirstBytes.size() < static_cast<std::size_t>(VskThemeSignatureFieldSize)) return false;
    const std::string_view Field = FirstBytes.substr(0, VskThemeSignatureFieldSize);
    return Field.substr(0, Field.find('\0')) == VskThemeSignature;
}

void WalkThemeFile(TStream& File, const TvskThemeEntryVisitor& Visit) {
    const std::int64_t FileSize = File.Size();
    std::int64_t Offset = FirstEntry(File, FileSize);
    std::int64_t DataTotal = 0;
    TvskThemeEntryBytes Bytes;
    while (Offset >= 0 && ReadAt(File, FileSize, Offset, Bytes.data(), VskThemeEntryHeaderSize)) {
        const TvskThemeEntryHeader Header = DecodeThemeEntryHeader(Bytes);
        if (Header.Next == 0) break; // the terminator
        const std::int64_t DataEnd = std::int64_t{Header.DataOffset} + Header.DataSize;
        DataTotal += Header.DataSize;
        if (DataEnd > FileSize || DataTotal > FileSize) break;
        File.SetPosition(Header.DataOffset);
        Visit(Header, File);
        if (Header.Next < Offset + VskThemeEntryHeaderSize) break;
        Offset = Header.Next;
    }
}
