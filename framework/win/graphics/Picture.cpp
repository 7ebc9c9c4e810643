#include "framework/win/graphics/Picture.h"

#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/core/TextUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/Icon.h"

#include <cstdint>
#include <string>

namespace {

using TGraphicFactory = std::unique_ptr<TGraphic> (*)();

struct TGraphicClass {
    const TClassInfo& (*Info)();
    TGraphicFactory Create;
};

// The kinds of graphic a picture can hold, by class name as stored in "Data".
const TGraphicClass GraphicClasses[] = {
    {&TBitmap::StaticClassInfo, [] { return std::unique_ptr<TGraphic>(new TBitmap); }},
    {&TIcon::StaticClassInfo, [] { return std::unique_ptr<TGraphic>(new TIcon); }},
};

std::unique_ptr<TGraphic> NewGraphic(const std::string& ClassName) {
    for (const TGraphicClass& Class : GraphicClasses)
        if (SameText(Class.Info().Name(), ClassName)) return Class.Create();
    throw EInvalidGraphic("Unknown picture format " + ClassName);
}

} // namespace

VSK_IMPLEMENT_CLASS(TPicture)

void TPicture::Publish(TPublisher<TPicture>& p) {
    p.Binary("Data", &TPicture::ReadData, &TPicture::WriteData, &TPicture::HasData);
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Replace(std::unique_ptr<TGraphic> Graphic) {
    FGraphic = std::move(Graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* Value) {
    if (!Value) {
        Replace(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> Copy = NewGraphic(Value->ClassName());
    Copy->Assign(*Value);
    Replace(std::move(Copy));
}

TBitmap& TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) Replace(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*FGraphic);
}

TIcon& TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(FGraphic.get())) Replace(std::make_unique<TIcon>());
    return static_cast<TIcon&>(*FGraphic);
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::Assign(const TPersistent& Source) {
    if (const auto* Other = dynamic_cast<const TPicture*>(&Source))
        SetGraphic(Other->Graphic());
    else if (const auto* Graphic = dynamic_cast<const TGraphic*>(&Source))
        SetGraphic(Graphic);
    else
        inherited::Assign(Source);
}

bool TPicture::HasData() const {
    return FGraphic && !FGraphic->Empty();
}

// Data: one length byte and the graphic's class name, then the graphic's own WriteData form. A name of length
// 0 stands for an empty picture.
void TPicture::ReadData(TStream& Stream) {
    std::uint8_t NameLength = 0;
    Stream.ReadBuffer(&NameLength, sizeof NameLength);
    if (NameLength == 0) {
        Replace(nullptr);
        return;
    }
    std::string ClassName(NameLength, '\0');
    Stream.ReadBuffer(ClassName.data(), NameLength);
    std::unique_ptr<TGraphic> Graphic = NewGraphic(ClassName);
    Graphic->ReadData(Stream);
    Replace(std::move(Graphic));
}

void TPicture::WriteData(TStream& Stream) const {
    const std::string ClassName = HasData() ? FGraphic->ClassName() : std::string();
    const auto NameLength = static_cast<std::uint8_t>(ClassName.size()); // class names are short identifiers
    Stream.WriteBuffer(&NameLength, sizeof NameLength);
    Stream.WriteBuffer(ClassName.data(), NameLength);
    if (HasData()) FGraphic->WriteData(Stream);
}
