#include "skin/controls/Vskbackdrop.h"

#include "framework/win/graphics/Canvas.h"
#include "framework/win/windowing/WinControl.h"
#include "skin/themes/Vskpublic.h"

TvskBackdrop::TKey TvskBackdrop::KeyOf(const TControl& Control) {
    const TWinControl* Parent = Control.Parent();
    return {Parent, Control.BoundsRect(), Parent ? Parent->Color() : clNone};
}

// The bitmap keeps its size between paints: making a new one costs more than painting the parent.
void TvskBackdrop::Draw(TCanvas& Canvas, const TControl& Control) {
    const TKey Key = KeyOf(Control);
    const int Width = Key.Bounds.Width();
    const int Height = Key.Bounds.Height();
    if (Width <= 0 || Height <= 0) return;
    if (!FKeep || !(Key == FKey) || FImage.Width() != Width || FImage.Height() != Height) {
        if (FImage.Width() != Width || FImage.Height() != Height) FImage.SetSize(Width, Height);
        DoTrans(FImage.Canvas(), Control);
        FKey = Key;
    }
    FKeep = false;
    ::BitBlt(Canvas.Handle(), 0, 0, Width, Height, FImage.Canvas().Handle(), 0, 0, SRCCOPY);
}
