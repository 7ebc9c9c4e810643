#include "skin/frame/Vsktitlebarsections.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Picture.h"
#include "skin/frame/Vsktitlebar.h"

const TEnumInfo TvskTitleBarAlignInfo{"TvskTitleBarAlign", {"vskLeft", "vskRight", "vskClient"}};

VSK_IMPLEMENT_CLASS(TvskTitleBarSection)

namespace {
constexpr int InitialWidth = 10;
constexpr const char* OneClientMessage = "Sorry, only one section's Align property can be \"vskClient\"";
} // namespace

void TvskTitleBarSection::Publish(TPublisher<TvskTitleBarSection>& p) {
    using T = TvskTitleBarSection;
    p.Bool("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(false);
    p.Int("Width", &T::Width, &T::SetWidth).Default(InitialWidth);
    p.Enum("Align", &T::Align, &T::SetAlign, TvskTitleBarAlignInfo).Default(vskLeft);
    p.Object("Picture", &T::Picture, &T::SetPicture);
    p.Bool("Stretch", &T::Stretch, &T::SetStretch).Default(false);
}

TvskTitleBarSection::TvskTitleBarSection(TCollection* ACollection)
    : TCollectionItem(ACollection), FWidth(InitialWidth), FPicture(std::make_unique<TPicture>()) {}

TvskTitleBarSection::~TvskTitleBarSection() = default;

const TBitmap& TvskTitleBarSection::Bitmap() const {
    return FPicture->Bitmap();
}

void TvskTitleBarSection::TakePictureWidth() {
    if (FPicture->Graphic() && FPicture->Graphic()->Width() > 0) FWidth = FPicture->Graphic()->Width();
}

void TvskTitleBarSection::SetAutoSize(bool Value) {
    FAutoSize = Value;
    TakePictureWidth();
    Changed(false);
}

void TvskTitleBarSection::SetWidth(int Value) {
    FWidth = Value;
    Changed(false);
}

void TvskTitleBarSection::SetAlign(TvskTitleBarAlign Value) {
    if (Value == vskClient) {
        const bool Taken =
            FAlign == vskClient || (Collection() && static_cast<TvskTitleBarSections*>(Collection())->AnyClient());
        if (Taken) {
            Application->MessageBox(OneClientMessage, "Error", MB_ICONERROR | MB_OK);
            return;
        }
        FStretch = true;
    }
    FAlign = Value;
    Changed(false);
}

void TvskTitleBarSection::SetPicture(const TPicture* Value) {
    FPicture->Assign(*Value);
    if (FAutoSize) TakePictureWidth();
    Changed(false);
}

void TvskTitleBarSection::SetStretch(bool Value) {
    FStretch = Value || FAlign == vskClient;
    Changed(false);
}

void TvskTitleBarSection::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TvskTitleBarSection*>(&Source);
    if (!Other) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetWidth(Other->FWidth);
    SetAlign(Other->FAlign);
    SetPicture(Other->FPicture.get());
    SetStretch(Other->FStretch);
    SetAutoSize(Other->FAutoSize);
}

TvskTitleBarSections::TvskTitleBarSections(TvskTitleBar* ATitleBar)
    : TOwnedItems<TvskTitleBarSection>(ATitleBar), FTitleBar(ATitleBar) {}

bool TvskTitleBarSections::AnyClient() const {
    for (int Index = 0; Index < Count(); ++Index)
        if (Items(Index)->Align() == vskClient) return true;
    return false;
}

void TvskTitleBarSections::Update(TCollectionItem*) {
    if (FTitleBar) FTitleBar->Invalidate();
}
