#include "framework/win/graphics/Graphic.h"

#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/win/graphics/GraphicsExceptions.h"

#include <cstdint>

VSK_IMPLEMENT_CLASS(TGraphic)

void TGraphic::Publish(TPublisher<TGraphic>&) {}

void TGraphic::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(Stream);
}

void TGraphic::SaveToFile(const std::string& FileName) const {
    TFileStream Stream(FileName, fmCreate);
    SaveToStream(Stream);
}

void TGraphic::ReadData(TStream& Stream) {
    std::uint32_t Length = 0;
    Stream.ReadBuffer(&Length, sizeof Length);
    if (Length > Stream.Size() - Stream.Position()) throw EInvalidGraphic();
    TMemoryStream Data;
    if (Length > 0) // CopyFrom takes a count of 0 as "everything"
        Data.CopyFrom(Stream, Length);
    Data.SetPosition(0);
    LoadFromStream(Data);
}

void TGraphic::WriteData(TStream& Stream) const {
    TMemoryStream Data;
    SaveToStream(Data);
    const auto Length = static_cast<std::uint32_t>(Data.Size());
    Stream.WriteBuffer(&Length, sizeof Length);
    Data.SetPosition(0);
    if (Length > 0) Stream.CopyFrom(Data, Length);
}
