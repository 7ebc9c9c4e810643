#include "tools/descpics/DescPictures.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::string_view GraphicClassName = "TBitmap";
constexpr int LengthBytes = 4;
constexpr int BitsPerByte = 8;

std::vector<std::uint8_t> PictureData(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    const auto Length = static_cast<std::uint32_t>(File.Size());
    std::vector<std::uint8_t> Data;
    Data.push_back(static_cast<std::uint8_t>(GraphicClassName.size()));
    Data.insert(Data.end(), GraphicClassName.begin(), GraphicClassName.end());
    for (int I = 0; I < LengthBytes; ++I)
        Data.push_back(static_cast<std::uint8_t>(Length >> (I * BitsPerByte)));
    const std::size_t Start = Data.size();
    Data.resize(Start + Length);
    File.ReadBuffer(Data.data() + Start, Length);
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
    const std::string Name = Value.Text.substr(BitmapPlaceholder.size());
    if (Name.empty())
        throw EReadError("line " + std::to_string(Value.Line) + ": the picture placeholder names no file");
    Value.Kind = TDescValue::TKind::Binary;
    Value.Bytes = PictureData(PictureDir + "/" + Name);
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
