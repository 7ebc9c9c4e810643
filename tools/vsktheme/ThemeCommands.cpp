#include "tools/vsktheme/ThemeCommands.h"

#include "framework/core/PropInfo.h"
#include "framework/core/Streams.h"
#include "skin/themes/Vskthemefile.h"
#include "skin/themes/Vskthemeformat.h"

#include <iomanip>
#include <ostream>

namespace {

// Wide enough for every key of the entry table.
constexpr int KeyColumnWidth = 34;
constexpr int TypeColumnWidth = 8;
constexpr int SizeColumnWidth = 8;

std::string TypeName(std::uint8_t Type) {
    switch (Type) {
    case vskDataFile: return "file";
    case vskDataInteger: return "integer";
    case vskDataFlag: return "flag";
    case vskDataText: return "text";
    default: return "type " + std::to_string(Type);
    }
}

} // namespace

void ListThemeFile(const std::string& FileName, std::ostream& Out) {
    if (!IsVSKThemeFile(FileName)) throw TToolError(FileName + " is not a VanSkin theme file");
    TFileStream File(FileName, fmOpenRead | fmShareDenyNone);
    WalkThemeFile(File, [&Out](const TvskThemeEntryHeader& Header, TStream& Data) {
        Out << std::left << std::setw(KeyColumnWidth) << Header.Name << ' ' << std::setw(TypeColumnWidth)
            << TypeName(Header.Type) << std::right << std::setw(SizeColumnWidth) << Header.DataSize;
        if (Header.Type == vskDataInteger && Header.DataSize == VskThemeIntegerSize) {
            std::uint8_t Bytes[VskThemeIntegerSize];
            Data.ReadBuffer(Bytes, VskThemeIntegerSize);
            Out << "  " << static_cast<std::int32_t>(GetThemeU32(Bytes));
        } else if (Header.Type == vskDataFlag && Header.DataSize == VskThemeFlagSize) {
            std::uint8_t Byte;
            Data.ReadBuffer(&Byte, VskThemeFlagSize);
            Out << "  " << int{Byte};
        }
        Out << '\n';
    });
}

void ExportBuiltInStyle(TvskUIStyle Style, const TArtSource& Art, const std::string& FileName) {
    TvskThemeFileWriter Writer(FileName);
    for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
        const TvskBuiltInEntry Entry = BuiltInThemeEntry(Style, Index);
        const std::string Key = ThemeEntryKey(Index);
        switch (Entry.Kind) {
        case vskKindBitmap: Writer.AddFileData(Key, Art(Entry.Resource)); break;
        case vskKindBool: Writer.AddBool(Key, Entry.Value != 0); break;
        case vskKindInt:
        case vskKindColor: Writer.AddInteger(Key, Entry.Value); break;
        }
    }
    Writer.Save();
}

TvskUIStyle ParseBuiltInStyle(const std::string& Name) {
    const int Style = TvskUIStyleInfo.IndexOf(Name);
    if (Style < 0 || !IsBuiltInStyle(static_cast<TvskUIStyle>(Style)))
        throw TToolError("'" + Name + "' is not a built-in style (MacOS, WinXP, DeepBlue, Protein, BlueGlass)");
    return static_cast<TvskUIStyle>(Style);
}
