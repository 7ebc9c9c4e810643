// TvskCustomButton: the base of the skinned push buttons. It keeps the button's state (pointer over it, held
// down, focused, the form's default), turns mouse and keyboard input into that state and into clicks, runs the
// auto-repeat while the left button holds it, and paints: background (the colour, or what lies behind a
// transparent button), the face of the state, the focus marking and the caption, in one off-screen pass.
// Subclasses change only how the face, the picture, the caption and the focus are drawn.
//
// The faces come from the style's three-frame button strip (normal, pointer over, pressed; a disabled button
// shows the normal face and an embossed grey caption). They are cut once per style application and composed
// once per size (TvskFaceCache), not on every paint.
//
// Hardening: the repeat timer exists only while the left mouse button holds the button. Losing the capture or
// the pointer, being disabled, hidden or destroyed, and the click itself all end the hold and free the timer.
#pragma once

#include "framework/core/Events.h"
#include "framework/win/forms/FormTypes.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/windowing/CustomControl.h"
#include "skin/controls/Vskbackdrop.h"
#include "skin/controls/Vskfacecache.h"
#include "skin/themes/Vskfaces.h"
#include "skin/themes/Vskthemed.h"

#include <array>
#include <memory>
#include <string>

class TTimer;

// The defaults of the published properties.
inline constexpr int VskDefaultRepeatInterval = 100;  // MouseContinuouslyDownInterval, milliseconds
inline constexpr int VskDefaultFocusedRectMargin = 2; // pixels

class TvskCustomButton : public TvskThemed<TCustomControl> {
    VSK_CLASS(TvskCustomButton, TvskThemed<TCustomControl>)

public:
    explicit TvskCustomButton(TComponent* AOwner);
    ~TvskCustomButton() override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Enter clicks the default button while no other skinned button has the focus.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool PicTransparent() const { return FPicTransparent; }
    void SetPicTransparent(bool Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    int MouseContinuouslyDownInterval() const { return FRepeatInterval; }
    void SetMouseContinuouslyDownInterval(int Value) { FRepeatInterval = Value; }
    int FocusedRectMargin() const { return FFocusedRectMargin; }
    void SetFocusedRectMargin(int Value);

    // The state the face is chosen by.
    bool MouseOn() const { return FMouseOn; }
    bool MouseIsDown() const { return FMouseDown; }
    // Enter clicks this button now.
    bool ActiveDefault() const { return FActive; }
    // The auto-repeat timer while the left mouse button holds the button; null otherwise.
    TTimer* RepeatTimer() const { return FTimer.get(); }

    void Click() override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;

protected:
    // Change hooks, called after the value is stored.
    virtual void AutoSizeChanged();
    virtual void CaptionChanged() {}
    virtual void FontChanged() { Invalidate(); }
    virtual void TransparentChanged();
    virtual void EnableChanged() {}

    // The paint pipeline's steps on the off-screen canvas: the face of State (and a glyph), the caption (in
    // the font it chooses), the focus marking.
    virtual void PaintPic(TCanvas& Canvas, TvskFaceState State) = 0;
    virtual void PaintText(TCanvas& Canvas, const std::string& Text);
    virtual void PaintFocus(TCanvas& Canvas);

    // Subclasses whose transparency follows the style (BlueGlass and MacOS buttons are see-through) say so
    // in their constructor.
    void TakeTransparentFromStyle() { FStyleTransparent = true; }
    // Cuts the faces from the strip of a theme entry of FrameCount frames, one per state as Faces says.
    void CutFaces(const TvskThemeSource& Theme, int ThemeIndex, int FrameCount, const TvskFaceTable& Faces);
    const TBitmap& StyleFace(TvskFaceState State) const;
    // Composed faces are stale: the pictures or the way they are drawn changed.
    void FacesChanged();
    // Draws the state's face through the face cache: Render is the real drawing, done once per size.
    void DrawCachedFace(TCanvas& Canvas, TvskFaceState State, const TvskFaceCache::TRender& Render);
    // The style face of State nine-sliced over the whole button, through the cache.
    void DrawStretchedFace(TCanvas& Canvas, TvskFaceState State);
    // Picture stretched into Dest, its top-left pixel's colour see-through when Masked.
    static void DrawCornerMasked(TCanvas& Canvas, const TBitmap& Picture, const TRect& Dest, bool Masked);
    // Caption text in Rect: embossed grey when disabled, one pixel right and down while held.
    void DrawEmbossedText(TCanvas& Canvas, const std::string& Text, TRect Rect, UINT Format);
    TvskFaceState CurrentFaceState() const { return FaceState(Enabled(), FMouseOn, FMouseDown); }
    // One-shot request for a bold caption (the focus marking of some styles).
    void RequestBoldCaption() { FBoldCaption = true; }

    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void Paint() override;
    void CreateWnd() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;
    void Destroying() override;

private:
    void PaintBackground(TCanvas& Canvas);
    // Repaints for a change of the button's own state, which leaves what lies behind it as it was.
    void InvalidateState();
    void StartRepeat();
    void RepeatTick(TObject* Sender);
    void ReleaseHold();
    void RecomputeActive(const TWinControl* Focused);

    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void BMClick(TMessage& Message);
    void CMFocusChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMFocus(TMessage& Message);
    void WMCaptureChanged(TMessage& Message);

    bool FAutoSize = false;
    bool FCancel = false;
    bool FDefault = false;
    bool FTransparent = false;
    bool FPicTransparent = false;
    bool FStyleTransparent = false;
    TModalResult FModalResult = mrNone;
    int FRepeatInterval = VskDefaultRepeatInterval;
    int FFocusedRectMargin = VskDefaultFocusedRectMargin;

    bool FMouseOn = false;
    bool FMouseDown = false;
    bool FActive = false;
    bool FBoldCaption = false;
    // Font, in bold when asked: what the canvas is given for the caption (never realized itself).
    TFont FCaptionFont;
    // The caption as the last CM_TEXTCHANGED left it: reading the window text on every paint costs two messages.
    std::string FCaption;
    // Kept from WM_SETFOCUS and WM_KILLFOCUS: asking the system on every paint costs more than the paint.
    bool FFocused = false;
    std::unique_ptr<TTimer> FTimer;
    // The style's faces by state, cut at the last style application.
    std::array<TBitmap, VskFaceStateCount> FFaces;
    TvskFaceCache FFaceCache;
    TvskBackdrop FBackdrop;
};
