#include "tools/skinart/raster/ByteBuffer.h"

#include <fstream>
#include <stdexcept>

namespace skinart {

void PutU8(TBytes& out, std::uint8_t v) {
    out.push_back(v);
}

void PutU16(TBytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(TBytes& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

void SaveFile(const std::filesystem::path& path, const TBytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

} // namespace skinart
