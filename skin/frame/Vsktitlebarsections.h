// The images of a skinned title bar: TvskTitleBarSection (one picture with its width and alignment) and
// TvskTitleBarSections, the title bar's owned collection. The bar draws them by position: section 0 at the
// left, section 1 at the right, section 2 stretched between them.
#pragma once

#include "framework/win/controls/OwnedItems.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TPicture;
class TvskTitleBar;

struct TEnumInfo;

enum TvskTitleBarAlign : std::uint8_t { vskLeft, vskRight, vskClient };
extern const TEnumInfo TvskTitleBarAlignInfo;

class TvskTitleBarSection : public TCollectionItem {
    VSK_CLASS(TvskTitleBarSection, TCollectionItem)

public:
    explicit TvskTitleBarSection(TCollection* ACollection);
    ~TvskTitleBarSection() override;

    // Setting it, to either value, takes the picture's width when there is a picture.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    // At most one section is vskClient, and that one always stretches.
    TvskTitleBarAlign Align() const { return FAlign; }
    void SetAlign(TvskTitleBarAlign Value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);

    // The picture as a bitmap (empty when the picture holds none).
    const TBitmap& Bitmap() const;

    void Assign(const TPersistent& Source) override;

private:
    void TakePictureWidth();

    bool FAutoSize = false;
    int FWidth;
    TvskTitleBarAlign FAlign = vskLeft;
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
};

class TvskTitleBarSections : public TOwnedItems<TvskTitleBarSection> {
public:
    explicit TvskTitleBarSections(TvskTitleBar* ATitleBar);
    TvskTitleBar* TitleBar() const { return FTitleBar; }
    bool AnyClient() const;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TvskTitleBar* FTitleBar;
};
