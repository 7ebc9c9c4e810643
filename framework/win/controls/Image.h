// TImage: shows a picture at its natural size, centred, or stretched over the control; with AutoSize the
// control takes the picture's size. Transparent lets the parent show through the picture's transparent
// pixels.
#pragma once

#include "framework/win/windowing/GraphicControl.h"

#include <memory>

class TPicture;

class TImage : public TGraphicControl {
    VSK_CLASS(TImage, TGraphicControl)

public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

    void Loaded() override;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    void ApplyAutoSize();

    std::unique_ptr<TPicture> FPicture;
    bool FAutoSize = false;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
};
