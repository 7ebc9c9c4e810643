#include "framework/win/graphics/Icon.h"

#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/IcoFormat.h"

namespace {
constexpr DWORD IconFormatVersion = 0x00030000; // the only version CreateIconFromResourceEx knows
} // namespace

VSK_IMPLEMENT_CLASS(TIcon)

void TIcon::Publish(TPublisher<TIcon>&) {}

TIcon::TIcon() {
    FTransparent = true;
}

void TIcon::SetWidth(int) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::LoadFromData(std::vector<std::uint8_t> Data) {
    const std::vector<TIcoEntry> Entries = ReadIcoDirectory(Data);
    const int Wanted = FRequestedSize ? FRequestedSize : ::GetSystemMetrics(SM_CXICON);
    const TIcoEntry& Entry = ChooseIcoEntry(Entries, Wanted);
    TIconHandle Handle(::CreateIconFromResourceEx(const_cast<PBYTE>(Entry.Image.data()),
                                                  static_cast<DWORD>(Entry.Image.size()), TRUE, IconFormatVersion,
                                                  Entry.Width, Entry.Height, LR_DEFAULTCOLOR));
    if (!Handle) throw EInvalidGraphic("Icon image is not valid");
    FWidth = Entry.Width;
    FHeight = Entry.Height;
    FHandle = std::move(Handle);
    FData = std::move(Data);
    Changed();
}

void TIcon::LoadFromStream(TStream& Stream) {
    std::vector<std::uint8_t> Data(static_cast<std::size_t>(Stream.Size() - Stream.Position()));
    if (Data.empty()) { // what an empty icon saves
        Clear();
        return;
    }
    Stream.ReadBuffer(Data.data(), static_cast<std::int64_t>(Data.size()));
    LoadFromData(std::move(Data));
}

void TIcon::SaveToStream(TStream& Stream) const {
    Stream.WriteBuffer(FData.data(), static_cast<std::int64_t>(FData.size()));
}

void TIcon::LoadFromResourceName(HINSTANCE Instance, const char* Name, int Size) {
    std::vector<std::uint8_t> Data = IcoFileFromResource(Instance, Name);
    FRequestedSize = Size;
    LoadFromData(std::move(Data));
}

void TIcon::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TIcon*>(&Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    if (Other == this) return;
    FRequestedSize = Other->FRequestedSize;
    if (Other->Empty())
        Clear();
    else
        LoadFromData(Other->FData);
}

void TIcon::Clear() {
    FHandle.Reset();
    FData.clear();
    FWidth = FHeight = 0;
    Changed();
}

void TIcon::Draw(TCanvas& Canvas, const TRect& Rect) const {
    ::DrawIconEx(Canvas.Handle(), Rect.left, Rect.top, FHandle.Get(), Rect.Width(), Rect.Height(), 0, nullptr,
                 DI_NORMAL);
}
