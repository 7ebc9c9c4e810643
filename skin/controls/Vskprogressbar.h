// TvskProgressBar: a 12-pixel-thick progress bar in the style's colours. The filled part is the style's
// progress image stretched to the fill length (turned a quarter for a vertical bar), the rest is the
// control's Color, a one-pixel frame of BorderColor goes round it, and the percentage is written across a
// horizontal bar. Position is not clamped: beyond Max the bar is full and the caption says more than 100%.
#pragma once

#include "framework/win/controls/Panel.h"
#include "skin/controls/Vskorientation.h"
#include "skin/themes/Vskthemed.h"

#include <cstdint>
#include <memory>

class TPicture;

class TvskProgressBar : public TvskThemed<TCustomPanel> {
    VSK_CLASS(TvskProgressBar, TvskThemed<TCustomPanel>)

public:
    explicit TvskProgressBar(TComponent* AOwner);
    ~TvskProgressBar() override;

    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    // Hides the caption while Position is Min (a task that has not started yet).
    bool SmartShowCaption() const { return FSmartShowCaption; }
    void SetSmartShowCaption(bool Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // Turning the bar swaps its width and height (the longer side stays the length).
    TvskProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TvskProgressBarOrientation Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The fill image; the style replaces it whenever it is applied.
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value);

    void StepIt() { StepBy(1); }
    void StepBy(int Delta);

    // (Position - Min) * 100 div (Max - Min), 0 when Max = Min. Wide ranges would overflow an int, and a
    // position far beyond Max gives more than an int holds, so it is worked out and returned in 64 bits.
    std::int64_t GetPercentFromPosition() const;
    // How much of Length the fill takes: nothing up to Min (or for an empty or reversed range), all of it
    // beyond Max, Length * (Position - Min) div (Max - Min) between.
    int GetWidthFromPosition(int Length) const;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void Paint() override;

private:
    void UpdateProgress();
    void UpdateBar();
    void PaintHorizontal(TCanvas& Canvas, int Width, int Height);
    void PaintVertical(TCanvas& Canvas, int Width, int Height);
    void PaintCaption(TCanvas& Canvas, int Width, int Height);

    std::unique_ptr<TPicture> FPicture;
    TColor FCaptionColor = clBlack;
    bool FShowCaption = true;
    bool FSmartShowCaption = false;
    int FMax = 100;
    int FMin = 0;
    int FPosition = 50;
    TvskProgressBarOrientation FOrientation = vskHorizontal;
    TColor FBorderColor = clBlack;
};
