// TvskTrackBar: a thumb (a picture panel, FSlider) that slides along a track between Min and Max. A left press
// on the track pages the thumb towards the pointer, at once and then on a 100 ms timer while the button is
// held; a press on the thumb drags it; the keys page, step and jump once the track has the focus. Every
// change of Position fires OnChange once, with LastChange holding the signed step.
//
// TvskScrollTrackBar: the track of the skinned scroll bar. Its look is the scroll bar's: a plain fill in the
// bar's colour and the thumb image the bar composes (SliderImage); it draws no ticks and takes no tab stop.
//
// Hardening: the paging timer exists only while a press on the track lasts. Losing the capture, being
// disabled, hidden or destroyed end paging and dragging. Ranges may be empty or negative and the thumb may
// be as long as the track or longer: positions and pixels are worked out in 64 bits and never divide by zero.
#pragma once

#include "framework/core/Events.h"
#include "framework/win/controls/Panel.h"
#include "skin/controls/Vskorientation.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TTimer;
class TvskImagePanel;

// The fixed interval of the track's paging timer, milliseconds.
inline constexpr int VskTrackPagingInterval = 100;

class TvskTrackBar : public TCustomPanel {
    VSK_CLASS(TvskTrackBar, TCustomPanel)

public:
    explicit TvskTrackBar(TComponent* AOwner);
    ~TvskTrackBar() override;

    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    // Both bounds at once, so that a new range never gets pulled by the old one (Max below Min is raised).
    void SetRange(int AMin, int AMax);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // Position moved by Delta, stopping at the ends of the range.
    void MoveBy(int Delta) { MoveTo(std::int64_t{FPosition} + Delta); }
    // The page step; refused outside 0 ... the larger of Max and Max - Min.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = Value; }
    TvskProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TvskProgressBarOrientation Value);
    // Position minus the position before the last change.
    int LastChange() const { return FLastChange; }

    // The thumb's picture; the thumb takes its size.
    void SetSliderImage(const TBitmap& Image);
    TvskImagePanel& Slider() const { return *FSlider; }
    bool SliderVisible() const;
    void SetSliderVisible(bool Value);

    // The paging timer while a press on the track lasts; null otherwise.
    TTimer* RepeatTimer() const { return FRepeatTimer.get(); }
    bool Dragging() const { return FDragging; }

    // The thumb's place in the track for Position: centred across, along at (Position - Min) * (a - s) div
    // (Max - Min) for a track of length a and a thumb of length s.
    TPoint GetSliderPosFromPosition() const;
    // The position whose thumb has its centre at Along (rounded half to even), not clamped; Min when the
    // thumb fills the track.
    int GetPositionFromSliderPos(int Along) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;
    void Destroying() override;

private:
    bool Vertical() const { return FOrientation == vskVertical; }
    int AxisLength() const;
    int SliderLength() const;
    int Along(int X, int Y) const { return Vertical() ? Y : X; }
    // Orientation, size or thumb changed: the track's cross size follows the thumb's, then the thumb's place.
    void UpdateControl();
    // Moves the thumb to Position's place and reports a change of Position.
    void UpdateSlider();
    // Position clamped into the range, then UpdateSlider.
    void MoveTo(std::int64_t Value);
    // One page step of Step towards the pointer at Along, stopping where the thumb would pass it.
    void PageTowards(int Along, int Step);
    void PagingTick(TObject* Sender);
    void FocusIfShown();
    void SliderMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void StopTracking();

    void WMGetDlgCode(TMessage& Message);
    void WMCaptureChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FPageSize = 2;
    int FLineSize = 1;
    TvskProgressBarOrientation FOrientation = vskHorizontal;
    int FLastPosition = 0;
    int FLastChange = 0;
    bool FDragging = false;
    // Where in the thumb it was grabbed, from its centre along the axis: the thumb keeps that spot under
    // the pointer instead of jumping to centre on it.
    int FGrabOffset = 0;
    TvskImagePanel* FSlider = nullptr; // owned as a component
    std::unique_ptr<TTimer> FRepeatTimer;
};

class TvskScrollTrackBar : public TvskTrackBar {
    VSK_CLASS(TvskScrollTrackBar, TvskTrackBar)

public:
    explicit TvskScrollTrackBar(TComponent* AOwner);
};
