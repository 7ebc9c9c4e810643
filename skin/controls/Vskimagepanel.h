// TvskCustomPanel / TvskImagePanel: a panel that shows a picture drawn plain, stretched or tiled, optionally
// over what lies behind it (Transparent), with a caption centred or at a given place. The skinned scroll bar's
// thumb is one. The picture is composed at the panel's size once (TvskFaceCache) and only blitted on repaints.
#pragma once

#include "framework/win/controls/Panel.h"
#include "framework/win/graphics/Canvas.h"
#include "skin/controls/Vskfacecache.h"

#include <cstdint>
#include <memory>

class TPicture;

enum TvskDrawStyle : std::uint8_t { vskNormal, vskStretch, vskTile };
extern const TEnumInfo TvskDrawStyleInfo;

// A caption coordinate of -1 places the caption automatically (by Alignment, vertically centred).
inline constexpr int VskAutoCaptionPos = -1;

class TvskCustomPanel : public TCustomPanel {
    VSK_CLASS(TvskCustomPanel, TCustomPanel)

public:
    explicit TvskCustomPanel(TComponent* AOwner);
    ~TvskCustomPanel() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value);
    // See-through panel: what lies behind it shows round (and, for a picture of its own transparency,
    // through) the picture.
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    // The panel takes the picture's width and height, each unless its alignment fixes that side.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TvskDrawStyle DrawStyle() const { return FDrawStyle; }
    void SetDrawStyle(TvskDrawStyle Value);
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int Value);
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int Value);

protected:
    virtual void PictureChanged(TObject* Sender);
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& Message) override;

private:
    void ApplyAutoSize();
    void ApplyTransparent();
    void PaintCaption(TCanvas& Canvas);

    std::unique_ptr<TPicture> FPicture;
    bool FTransparent = false;
    bool FAutoSize = false;
    TvskDrawStyle FDrawStyle = vskNormal;
    int FCaptionPosX = VskAutoCaptionPos;
    int FCaptionPosY = VskAutoCaptionPos;
    TvskFaceCache FPictureCache;
};

class TvskImagePanel : public TvskCustomPanel {
    VSK_CLASS(TvskImagePanel, TvskCustomPanel)

public:
    explicit TvskImagePanel(TComponent* AOwner) : inherited(AOwner) {}
};
