// The layout of a .vsk theme file, shared by its reader, its writer and the vsktheme tool: a 24-byte
// header, then a chain of entries (a 77-byte entry header followed by its data), then a 77-byte terminator.
// All numbers are little-endian 32-bit values.
//
//   header        0: "VanSkin_TB" and two zero bytes   12: header size (24)   16: 1   20: first entry offset
//   entry header  0: name, 64 bytes zero-padded (a 64-character name has no terminating zero)
//                64: type (0 file, 1 integer, 2 flag, 3 text)   65: data offset   69: data size
//                73: next entry header offset (0 in the terminator)
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class TStream;

inline constexpr std::string_view VskThemeSignature = "VanSkin_TB";
inline constexpr int VskThemeSignatureFieldSize = 12;
inline constexpr int VskThemeHeaderSize = 24;
inline constexpr int VskThemeEntryHeaderSize = 77;
inline constexpr int VskThemeNameSize = 64;

enum TvskThemeDataType : std::uint8_t {
    vskDataFile = 0,    // the bytes of a whole file (a BMP image for themes)
    vskDataInteger = 1, // a signed 32-bit integer
    vskDataFlag = 2,    // one byte, nonzero for true
    vskDataText = 3     // characters, without length prefix or terminator
};
inline constexpr std::uint32_t VskThemeIntegerSize = 4;
inline constexpr std::uint32_t VskThemeFlagSize = 1;

struct TvskThemeEntryHeader {
    std::string Name; // at most 64 characters
    std::uint8_t Type = vskDataFlag;
    std::uint32_t DataOffset = 0;
    std::uint32_t DataSize = 0;
    std::uint32_t Next = 0;
};

using TvskThemeHeaderBytes = std::array<std::uint8_t, VskThemeHeaderSize>;
using TvskThemeEntryBytes = std::array<std::uint8_t, VskThemeEntryHeaderSize>;

// The file header as a writer puts it at offset 0 (first entry right after it).
TvskThemeHeaderBytes EncodeThemeFileHeader();
// A name longer than 64 characters is cut to 64. The default header is the terminator.
TvskThemeEntryBytes EncodeThemeEntryHeader(const TvskThemeEntryHeader& Header);
TvskThemeEntryHeader DecodeThemeEntryHeader(const TvskThemeEntryBytes& Bytes);

// Little-endian 32-bit fields.
void PutThemeU32(std::uint8_t* Out, std::uint32_t Value);
std::uint32_t GetThemeU32(const std::uint8_t* In);

// Whether the first bytes of a file (at least the 12 of the signature field) carry the signature: the
// field up to its first zero byte must be exactly "VanSkin_TB".
bool HasThemeSignature(std::string_view FirstBytes);

// Calls Visit for each entry of the chain, in file order, with File positioned at the entry's data. Every
// visited entry's data lies inside the file. Entries of unknown types are visited too; readers skip them.
//
// The chain comes from a file, so the walk trusts none of it. It ends quietly, keeping what was visited, at:
// a header that cannot be read in full (a truncated file); data beyond the end of the file; a "next" field
// that does not lead past the current entry header (which would loop, or crawl through overlapping
// headers); and data that would take the total of all visited data beyond the size of the file, which no
// well-formed file does, so that a small hostile file cannot make its readers allocate without bound.
using TvskThemeEntryVisitor = std::function<void(const TvskThemeEntryHeader& Header, TStream& File)>;
void WalkThemeFile(TStream& File, const TvskThemeEntryVisitor& Visit);
