// vsktheme pack: a theme file from a folder of Key.bmp images and a values.ini of Key=value lines.
#include "tools/vsktheme/ThemeCommands.h"

#include "framework/core/TextUtils.h"
#include "skin/themes/Vskthemefile.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <ostream>

namespace fs = std::filesystem;

namespace {

constexpr const char* ValuesFileName = "values.ini";
constexpr std::string_view ImageExtension = ".bmp";
constexpr std::string_view BmpMagic = "BM";
constexpr int HexBase = 16;
constexpr int DecimalBase = 10;

// Per entry index: the image file found for it, or the value read for it.
struct TFolderTheme {
    std::array<std::optional<fs::path>, VSK_THEME_ENTRY_COUNT + 1> Images;
    std::array<std::optional<std::int32_t>, VSK_THEME_ENTRY_COUNT + 1> Values;
};

std::string_view Trim(std::string_view Text) {
    const auto First = Text.find_first_not_of(" \t\r");
    if (First == std::string_view::npos) return {};
    return Text.substr(First, Text.find_last_not_of(" \t\r") - First + 1);
}

// A decimal or 0x hexadecimal number, optionally signed.
std::optional<std::int64_t> ParseNumber(std::string_view Text) {
    bool Negative = false;
    if (!Text.empty() && (Text.front() == '-' || Text.front() == '+')) {
        Negative = Text.front() == '-';
        Text.remove_prefix(1);
    }
    int Base = DecimalBase;
    if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X')) {
        Base = HexBase;
        Text.remove_prefix(2);
    }
    std::uint64_t Magnitude = 0;
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Magnitude, Base);
    if (Text.empty() || Error != std::errc() || End != Text.data() + Text.size() ||
        Magnitude > std::uint64_t{std::numeric_limits<std::uint32_t>::max()})
        return std::nullopt;
    const auto Value = static_cast<std::int64_t>(Magnitude);
    return Negative ? -Value : Value;
}

// The value of Text for an entry of Kind as the file stores it, or nothing when it is not one.
std::optional<std::int32_t> ParseValue(TvskThemeKind Kind, std::string_view Text) {
    if (Kind == vskKindBool) {
        if (SameText(Text, "true")) return 1;
        if (SameText(Text, "false")) return 0;
    }
    const std::optional<std::int64_t> Number = ParseNumber(Text);
    if (!Number) return std::nullopt;
    switch (Kind) {
    case vskKindBool:
        if (*Number != 0 && *Number != 1) return std::nullopt;
        break;
    case vskKindInt:
        if (*Number < std::numeric_limits<std::int32_t>::min() || *Number > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        break;
    case vskKindColor: // 0x00BBGGRR, or a system colour with the top bit set
        if (*Number < std::numeric_limits<std::int32_t>::min()) return std::nullopt;
        break;
    case vskKindBitmap: return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*Number));
}

void ReadValues(const fs::path& Path, TFolderTheme& Theme) {
    std::ifstream File(Path);
    if (!File) return;
    std::string Line;
    for (int LineNumber = 1; std::getline(File, Line); ++LineNumber) {
        const std::string_view Text = Trim(Line);
        if (Text.empty() || Text.front() == ';' || Text.front() == '#') continue;
        const std::string Where = Path.string() + ":" + std::to_string(LineNumber) + ": ";
        const auto Equals = Text.find('=');
        if (Equals == std::string_view::npos) throw TToolError(Where + "expected Key=value");
        const std::string_view Key = Trim(Text.substr(0, Equals));
        const int Index = FindThemeEntry(Key);
        if (Index == 0) throw TToolError(Where + "'" + std::string(Key) + "' is not a theme key");
        const TvskThemeKind Kind = ThemeEntryKind(Index);
        if (Kind == vskKindBitmap)
            throw TToolError(Where + ThemeEntryKey(Index) + " is an image: put it in the folder as " +
                             ThemeEntryKey(Index) + ".bmp");
        if (Theme.Values[Index]) throw TToolError(Where + ThemeEntryKey(Index) + " is given twice");
        Theme.Values[Index] = ParseValue(Kind, Trim(Text.substr(Equals + 1)));
        if (!Theme.Values[Index]) throw TToolError(Where + "bad value for " + ThemeEntryKey(Index));
    }
}

bool IsBmpFile(const fs::path& Path) {
    std::ifstream File(Path, std::ios::binary);
    std::string Magic(BmpMagic.size(), '\0');
    return File.read(Magic.data(), static_cast<std::streamsize>(Magic.size())) && Magic == BmpMagic;
}

void FindImages(const fs::path& Folder, TFolderTheme& Theme, std::ostream& Warnings) {
    for (const fs::directory_entry& Item : fs::directory_iterator(Folder)) {
        const fs::path& Path = Item.path();
        if (!Item.is_regular_file() || !SameText(Path.extension().string(), ImageExtension)) continue;
        const int Index = FindThemeEntry(Path.stem().string());
        if (Index == 0 || ThemeEntryKind(Index) != vskKindBitmap) {
            Warnings << "vsktheme: warning: " << Path.string() << " is not named after an image entry; ignored\n";
            continue;
        }
        if (!IsBmpFile(Path)) throw TToolError(Path.string() + " is not a BMP file");
        Theme.Images[Index] = Path;
    }
}

} // namespace

void PackThemeFolder(const std::string& Folder, const std::string& FileName, std::ostream& Warnings) {
    if (!fs::is_directory(Folder)) throw TToolError(Folder + " is not a folder");
    TFolderTheme Theme;
    FindImages(Folder, Theme, Warnings);
    ReadValues(fs::path(Folder) / ValuesFileName, Theme);

    TvskThemeFileWriter Writer(FileName);
    std::string Missing;
    for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
        const std::string Key = ThemeEntryKey(Index);
        const TvskThemeKind Kind = ThemeEntryKind(Index);
        if (Kind == vskKindBitmap ? !Theme.Images[Index] : !Theme.Values[Index]) {
            Missing += (Missing.empty() ? "" : ", ") + Key;
        } else if (Kind == vskKindBitmap) {
            Writer.AddFile(Key, Theme.Images[Index]->string());
        } else if (Kind == vskKindBool) {
            Writer.AddBool(Key, *Theme.Values[Index] != 0);
        } else {
            Writer.AddInteger(Key, *Theme.Values[Index]);
        }
    }
    if (!Missing.empty()) Warnings << "vsktheme: warning: the theme has no " << Missing << '\n';
    Writer.Save();
}
