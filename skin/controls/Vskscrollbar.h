// TvskScrollBar: a scroll bar made of three skinned children instead of the system's: a decrement arrow at
// the top or left and an increment arrow at the bottom or right (image buttons that repeat while held), and
// between them a track whose thumb is composed from the style's three slider pieces. Arrows, thumb and
// colour come from the style's scroll bar entries; a horizontal bar shows the vertical bar's arrows turned
// a quarter. The range, position and OnChange live in the track; the bar passes them through.
//
// The thumb is PageSize per cent of the track (10 % below 10 or above 100), or LineButton pixels when that
// is set (18 at least): a host that copies a native scroll bar's state gives it the native thumb's length.
#pragma once

#include "framework/core/Events.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/graphics/Bitmap.h"
#include "skin/controls/Vskorientation.h"
#include "skin/themes/Vskthemed.h"

#include <array>

class TvskImageButton;
class TvskScrollTrackBar;

// The scroll steps of TScrollBarInc: SmallChange and LargeChange stay within these.
inline constexpr int VskScrollIncMin = 1;
inline constexpr int VskScrollIncMax = 32767;
// The shortest thumb LineButton gives, pixels.
inline constexpr int VskMinLineButton = 18;

class TvskScrollBar : public TvskThemed<TCustomPanel> {
    VSK_CLASS(TvskScrollBar, TvskThemed<TCustomPanel>)

public:
    explicit TvskScrollBar(TComponent* AOwner);
    ~TvskScrollBar() override;

    TvskProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TvskProgressBarOrientation Value);
    int Min() const;
    void SetMin(int Value);
    int Max() const;
    void SetMax(int Value);
    // Both bounds at once (a host copying a native bar's range): the old bounds never pull the new ones.
    void SetRange(int AMin, int AMax);
    int Position() const;
    void SetPosition(int Value);
    // The thumb's length as a percentage of the track, and the page step of the track.
    int PageSize() const;
    void SetPageSize(int Value);
    // The page step alone: the thumb keeps its length.
    int LargeChange() const;
    void SetLargeChange(int Value);
    // The arrows' step.
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value);
    // A fixed thumb length in pixels, 0 for one from PageSize. Refused when longer than the room between the
    // arrows; raised to VskMinLineButton at the next thumb update.
    int LineButton() const { return FLineButton; }
    void SetLineButton(int Value);
    bool SliderVisible() const;
    void SetSliderVisible(bool Value);
    // The signed step of the last change of Position.
    int LastChange() const;

    TvskScrollTrackBar& TrackBar() const { return *FTrackBar; }
    TvskImageButton& DecButton() const { return *FDecButton; }
    TvskImageButton& IncButton() const { return *FIncButton; }

    // Fired once for every change of Position, with the bar as sender.
    TNotifyEvent OnChange;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& Message) override;

private:
    bool Vertical() const { return FOrientation == vskVertical; }
    void UpdatePictures(const TvskThemeSource& Theme);
    void PlaceTrackBarAndButton();
    // The length of the track between the arrows, along the axis.
    int TrackLength() const;
    void UpdateSliderPic();
    int SliderLength(int Track);
    void MouseContinuouslyDownInc(TObject* Sender);
    void MouseContinuouslyDownDec(TObject* Sender);
    void TrackChanged(TObject* Sender);

    // The track and the arrows, which follow the bar's visibility and enabled state.
    std::array<TControl*, 3> Parts() const;
    void CMVisibleChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);

    TvskProgressBarOrientation FOrientation = vskHorizontal;
    int FSmallChange = VskScrollIncMin;
    int FLineButton = 0;
    bool FPlacing = false;
    // Owned as components (the bar is their owner and parent).
    TvskScrollTrackBar* FTrackBar = nullptr;
    TvskImageButton* FDecButton = nullptr;
    TvskImageButton* FIncButton = nullptr;
    // The thumb's pieces in the current style, already turned for the orientation.
    TBitmap FSliderHead;
    TBitmap FSliderBody;
    TBitmap FSliderTail;
};
