// TThemeBytes: a theme file built byte by byte, with hand-made (also broken) entry chains that the writer under
// test would never produce.
#pragma once

#include "skin/themes/Vskthemeformat.h"
#include "tests/support/FileBytes.h"

#include <cstdint>
#include <string>

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
