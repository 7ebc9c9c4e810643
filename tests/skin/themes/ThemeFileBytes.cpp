#include "tests/skin/themes/ThemeFileBytes.h"

namespace {
// Where the file header keeps the two fields a test may want to damage.
constexpr int HeaderSizeField = 12;
constexpr int FirstEntryField = 20;
} // namespace

TThemeBytes::TThemeBytes(std::uint32_t HeaderSize, std::uint32_t FirstEntry) {
    TvskThemeHeaderBytes Header = EncodeThemeFileHeader();
    PutThemeU32(Header.data() + HeaderSizeField, HeaderSize);
    PutThemeU32(Header.data() + FirstEntryField, FirstEntry);
    FBytes.assign(Header.begin(), Header.end());
}

TThemeBytes& TThemeBytes::Header(const TvskThemeEntryHeader& Header) {
    const TvskThemeEntryBytes Bytes = EncodeThemeEntryHeader(Header);
    FBytes.insert(FBytes.end(), Bytes.begin(), Bytes.end());
    return *this;
}

TThemeBytes& TThemeBytes::Entry(const std::string& Name, std::uint8_t Type, const TBytes& Data) {
    const std::uint32_t DataOffset = Size() + VskThemeEntryHeaderSize;
    const auto DataSize = static_cast<std::uint32_t>(Data.size());
    Header({Name, Type, DataOffset, DataSize, DataOffset + DataSize});
    return Raw(Data);
}

TThemeBytes& TThemeBytes::Integer(const std::string& Name, std::int32_t Value) {
    TBytes Data(VskThemeIntegerSize);
    PutThemeU32(Data.data(), static_cast<std::uint32_t>(Value));
    return Entry(Name, vskDataInteger, Data);
}

TThemeBytes& TThemeBytes::Terminator() {
    return Header({});
}

TThemeBytes& TThemeBytes::Raw(const TBytes& Data) {
    FBytes.insert(FBytes.end(), Data.begin(), Data.end());
    return *this;
}
