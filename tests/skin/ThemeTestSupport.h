// Helpers of the skin tests: a scratch folder per test, whole-file reads and writes, and a builder for
// theme files with hand-made (also broken) entry chains.
#pragma once

#include "skin/themes/Vskthemeformat.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

// A fresh empty folder, removed with everything in it when the object goes.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    std::string File(const std::string& Name) const { return (FPath / Name).string(); }

private:
    std::filesystem::path FPath;
};

TBytes ReadBytes(const std::string& FileName);
void WriteBytes(const std::string& FileName, const TBytes& Bytes);
// Count bytes of a recognisable pattern (a byte that depends on the position and on Seed).
TBytes Pattern(std::size_t Count, std::uint8_t Seed = 0);

// Builds a theme file byte by byte: a header, then whatever entry headers and data the test appends.
class TThemeBytes {
public:
    // The header; the first entry follows it unless FirstEntry says otherwise.
    explicit TThemeBytes(std::uint32_t HeaderSize = VskThemeHeaderSize, std::uint32_t FirstEntry = VskThemeHeaderSize);

    std::uint32_t Size() const { return static_cast<std::uint32_t>(FBytes.size()); }
    // An entry header with the fields as given.
    TThemeBytes& Header(const TvskThemeEntryHeader& Header);
    // A well-formed entry right here: its header, then Data; next points just behind the data.
    TThemeBytes& Entry(const std::string& Name, std::uint8_t Type, const TBytes& Data);
    TThemeBytes& Integer(const std::string& Name, std::int32_t Value);
    TThemeBytes& Terminator();
    TThemeBytes& Raw(const TBytes& Data);

    const TBytes& Bytes() const { return FBytes; }
    void Save(const std::string& FileName) const { WriteBytes(FileName, FBytes); }

private:
    TBytes FBytes;
};
