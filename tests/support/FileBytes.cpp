#include "tests/support/FileBytes.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

TBytes ReadBytes(const std::string& FileName) {
    std::ifstream File(FileName, std::ios::binary);
    if (!File) throw std::runtime_error("cannot read " + FileName);
    return TBytes(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& FileName, const TBytes& Bytes) {
    std::ofstream File(FileName, std::ios::binary | std::ios::trunc);
    File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    if (!File) throw std::runtime_error("cannot write " + FileName);
}

// The position divided by 251 (a prime) changes the pattern from one 251-byte stretch to the next, so that
// no two stretches of a long pattern are alike.
TBytes Pattern(std::size_t Count, std::uint8_t Seed) {
    TBytes Bytes(Count);
    for (std::size_t I = 0; I < Count; ++I)
        Bytes[I] = static_cast<std::uint8_t>(I * 7 + I / 251 + Seed);
    return Bytes;
}

void AppendLittleEndian(TBytes& Out, std::uint32_t Value, int Size) {
    for (int Byte = 0; Byte < Size; ++Byte)
        Out.push_back(static_cast<std::uint8_t>(Value >> (8 * Byte)));
}
