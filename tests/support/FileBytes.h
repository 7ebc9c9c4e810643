// Whole files as bytes, and bytes laid out as the file formats under test lay them out, spelt out by the tests
// themselves rather than by the code they check.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// Both raise std::runtime_error naming the file when it cannot be read or written, so a test never goes on
// with bytes that are not there.
TBytes ReadBytes(const std::string& FileName);
void WriteBytes(const std::string& FileName, const TBytes& Bytes);

// Count bytes of a recognisable pattern (each byte depends on its position and on Seed), so that a copy that
// is shifted, cut or mixed with another one shows.
TBytes Pattern(std::size_t Count, std::uint8_t Seed = 0);

// Value as its Size lowest bytes, lowest first, at the end of Out: the integers of BMP, theme and history files.
void AppendLittleEndian(TBytes& Out, std::uint32_t Value, int Size = 4);
