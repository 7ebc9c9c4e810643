#include "tools/descpics/DescPictures.h"

#include "framework/core/BmpCodec.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace {

constexpr std::string_view GraphicClassName = "TBitmap";
constexpr int LengthBytes = 4;
constexpr int BitsPerByte = 8;
constexpr int FrameBitCount = 24;
constexpr int FrameBytesPerPixel = FrameBitCount / BitsPerByte;

// Which frame of how many a placeholder asks for; Count 0 means the whole picture.
struct TFrame {
    int Index = 0;
    int Count = 0;
};

std::vector<std::uint8_t> ReadFile(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    std::vector<std::uint8_t> Bytes(static_cast<std::size_t>(File.Size()));
    File.ReadBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    return Bytes;
}

[[noreturn]] void BadPlaceholder(const TDescValue& Value, const std::string& Why) {
    throw EReadError("line " + std::to_string(Value.Line) + ": " + Why);
}

int ParseNumber(std::string_view Text, const TDescValue& Value) {
    int Number = 0;
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Number);
    if (Error != std::errc() || End != Text.data() + Text.size() || Number <= 0)
        BadPlaceholder(Value, "the picture placeholder's frame is not of the form index/count");
    return Number;
}

// "3/18" after the separator.
TFrame ParseFrame(std::string_view Text, const TDescValue& Value) {
    const std::size_t Slash = Text.find('/');
    if (Slash == std::string_view::npos)
        BadPlaceholder(Value, "the picture placeholder's frame is not of the form index/count");
    const TFrame Frame{ParseNumber(Text.substr(0, Slash), Value), ParseNumber(Text.substr(Slash + 1), Value)};
    if (Frame.Index > Frame.Count) BadPlaceholder(Value, "the picture placeholder's frame lies beyond its strip");
    return Frame;
}

// Frame of the strip File as a BMP file of its own.
std::vector<std::uint8_t> CutFrame(const std::vector<std::uint8_t>& File, TFrame Frame, const TDescValue& Value) {
    const TDecodedBmp Strip = DecodeBmpFile(File);
    if (Strip.Width % Frame.Count != 0) BadPlaceholder(Value, "the strip's width is not a whole number of frames");
    const int Width = Strip.Width / Frame.Count;
    const int Left = (Frame.Index - 1) * Width;
    std::vector<std::uint8_t> Rows(static_cast<std::size_t>(Width) * Strip.Height * FrameBytesPerPixel);
    std::size_t At = 0;
    for (int Y = 0; Y < Strip.Height; ++Y)
        for (int X = Left; X < Left + Width; ++X) {
            const std::uint32_t Pixel = Strip.Pixels[static_cast<std::size_t>(Y) * Strip.Width + X];
            for (int Byte = 0; Byte < FrameBytesPerPixel; ++Byte)
                Rows[At++] = static_cast<std::uint8_t>(Pixel >> (Byte * BitsPerByte));
        }
    return EncodeBmpFile(Rows.data(), Width, Strip.Height, static_cast<std::ptrdiff_t>(Width) * FrameBytesPerPixel,
                         FrameBitCount, BmpPixelsPerMetreAt72Dpi);
}

std::vector<std::uint8_t> PictureData(const std::vector<std::uint8_t>& File) {
    const auto Length = static_cast<std::uint32_t>(File.size());
    std::vector<std::uint8_t> Data;
    Data.push_back(static_cast<std::uint8_t>(GraphicClassName.size()));
    Data.insert(Data.end(), GraphicClassName.begin(), GraphicClassName.end());
    for (int I = 0; I < LengthBytes; ++I)
        Data.push_back(static_cast<std::uint8_t>(Length >> (I * BitsPerByte)));
    Data.insert(Data.end(), File.begin(), File.end());
    return Data;
}

int FillValue(TDescValue& Value, const std::string& PictureDir);

int FillProperties(std::vector<TDescProperty>& Properties, const std::string& PictureDir) {
    int Count = 0;
    for (TDescProperty& Property : Properties)
        Count += FillValue(Property.Value, PictureDir);
    return Count;
}

int FillValue(TDescValue& Value, const std::string& PictureDir) {
    if (Value.Kind == TDescValue::TKind::Collection) {
        int Count = 0;
        for (TDescItem& Item : Value.Items)
            Count += FillProperties(Item.Properties, PictureDir);
        return Count;
    }
    if (Value.Kind != TDescValue::TKind::String || !Value.Text.starts_with(BitmapPlaceholder)) return 0;
    const std::string Target = Value.Text.substr(BitmapPlaceholder.size());
    const std::size_t Separator = Target.find(FrameSeparator);
    const std::string Name = Target.substr(0, Separator);
    if (Name.empty()) BadPlaceholder(Value, "the picture placeholder names no file");
    const TFrame Frame =
        Separator == std::string::npos ? TFrame{} : ParseFrame(std::string_view(Target).substr(Separator + 1), Value);
    const std::vector<std::uint8_t> File = ReadFile(PictureDir + "/" + Name);
    Value.Kind = TDescValue::TKind::Binary;
    Value.Bytes = PictureData(Frame.Count == 0 ? File : CutFrame(File, Frame, Value));
    Value.Text.clear();
    return 1;
}

} // namespace

int FillPictures(TDescObject& Root, const std::string& PictureDir) {
    int Count = FillProperties(Root.Properties, PictureDir);
    for (TDescObject& Child : Root.Children)
        Count += FillPictures(Child, PictureDir);
    return Count;
}
