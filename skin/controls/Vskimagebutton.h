// TvskImageButton: a skinned button drawn from four pictures of its own (normal, pointer over, pressed,
// disabled; the last three fall back to the normal one), plain or stretched to the button. The skinned scroll
// bar's arrows are image buttons.
//
// TvskControlButton: a small button showing one frame of a theme strip (the caption buttons of a skinned
// frame): frame PicIndex of PicCount of entry ThemeID, PicIndex + 1 under the pointer. It is as large as its
// frame and never takes the focus by tabbing.
//
// Both draw their pictures with the top-left pixel's colour see-through while PicTransparent is set.
#pragma once

#include "skin/controls/Vskcustombutton.h"

#include <array>
#include <memory>

class TPicture;

class TvskImageButton : public TvskCustomButton {
    VSK_CLASS(TvskImageButton, TvskCustomButton)

public:
    explicit TvskImageButton(TComponent* AOwner);
    ~TvskImageButton() override;

    TPicture* PicNormal() const { return Picture(vskFaceNormal); }
    void SetPicNormal(const TPicture* Value) { SetPicture(vskFaceNormal, Value); }
    TPicture* PicMouseOn() const { return Picture(vskFaceHot); }
    void SetPicMouseOn(const TPicture* Value) { SetPicture(vskFaceHot, Value); }
    TPicture* PicMouseDown() const { return Picture(vskFacePressed); }
    void SetPicMouseDown(const TPicture* Value) { SetPicture(vskFacePressed, Value); }
    TPicture* PicDisabled() const { return Picture(vskFaceDisabled); }
    void SetPicDisabled(const TPicture* Value) { SetPicture(vskFaceDisabled, Value); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool DrawFocused() const { return FDrawFocused; }
    void SetDrawFocused(bool Value);

    // AutoSize applies once the button has a parent, also when the pictures came first.
    void SetParent(TWinControl* AParent) override;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void AutoSizeChanged() override;
    void PaintPic(TCanvas& Canvas, TvskFaceState State) override;
    void PaintFocus(TCanvas& Canvas) override;

private:
    TPicture* Picture(TvskFaceState State) const { return FPictures[State].get(); }
    void SetPicture(TvskFaceState State, const TPicture* Value);
    void PicturesChanged(TObject* Sender);
    // The bitmap shown in State: its own picture, or the normal one when that is empty. Null when neither
    // holds a bitmap.
    const TBitmap* ShownBitmap(TvskFaceState State) const;

    std::array<std::unique_ptr<TPicture>, VskFaceStateCount> FPictures;
    bool FStretch = false;
    bool FDrawFocused = false;
};

class TvskControlButton : public TvskCustomButton {
    VSK_CLASS(TvskControlButton, TvskCustomButton)

public:
    explicit TvskControlButton(TComponent* AOwner);

    int ThemeID() const { return FThemeID; }
    void SetThemeID(int Value);
    int PicIndex() const { return FPicIndex; }
    void SetPicIndex(int Value);
    int PicCount() const { return FPicCount; }
    void SetPicCount(int Value);

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void PaintPic(TCanvas& Canvas, TvskFaceState State) override;

private:
    // Cuts the faces anew after ThemeID, PicIndex or PicCount changed.
    void ReadFaces();

    int FThemeID = VSK_THEME_BUTTON_IMAGE;
    int FPicIndex = 1;
    int FPicCount = VskPushButtonFrameCount;
};
