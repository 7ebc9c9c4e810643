#include "ThemeTestSupport.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
// Where the file header keeps the two fields a test may want to damage.
constexpr int HeaderSizeField = 12;
constexpr int FirstEntryField = 20;
} // namespace

TScratchFolder::TScratchFolder() {
    static std::atomic<int> Counter{0};
    const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FPath =
        fs::temp_directory_path() / ("vsk_test_" + std::to_string(Stamp) + "_" + std::to_string(Counter.fetch_add(1)));
    fs::create_directories(FPath);
}

TScratchFolder::~TScratchFolder() {
    std::error_code Ignored;
    fs::remove_all(FPath, Ignored);
}

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

TBytes Pattern(std::size_t Count, std::uint8_t Seed) {
    TBytes Bytes(Count);
    for (std::size_t I = 0; I < Count; ++I)
        Bytes[I] = static_cast<std::uint8_t>(I * 7 + I / 251 + Seed);
    return Bytes;
}

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
