#pragma once
// Little-endian byte assembly for the Windows file formats written here, and saving a buffer to disk.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace skinart {

using TBytes = std::vector<std::uint8_t>;

void PutU8(TBytes& out, std::uint8_t v);
void PutU16(TBytes& out, std::uint16_t v);
void PutU32(TBytes& out, std::uint32_t v);
inline void PutI32(TBytes& out, std::int32_t v) {
    PutU32(out, static_cast<std::uint32_t>(v));
}

// Throws std::runtime_error naming the file when it cannot be written completely.
void SaveFile(const std::filesystem::path& path, const TBytes& bytes);

} // namespace skinart
