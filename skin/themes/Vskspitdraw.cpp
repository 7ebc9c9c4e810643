// SpitDraw, the nine-slice stretch that carries the look of every skinned button and scroll bar, drawn over
// GDI from the pieces SpitDrawPieces lays out: corners through a one-image image list (masked or opaque),
// edges and centre as see-through stretched bitmaps.
#include "skin/themes/Vskpublic.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/themes/Vskpixels.h"
#include "skin/themes/Vskspitpieces.h"

#include <memory>

namespace {

TRect ToRect(const TvskSpitRect& Rect) {
    return TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

// A corner keeps its pixels one for one; an image list gives the masked blit when Transparent.
void DrawCorner(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Source, const TRect& Dest, bool Transparent) {
    TBitmap Piece(Dest.Width(), Dest.Height());
    CopyBitmapRect(Piece, TRect(0, 0, Piece.Width(), Piece.Height()), Bmp, Source);
    const auto Image = std::make_unique<TImageList>(nullptr, Piece.Width(), Piece.Height());
    if (Transparent)
        Image->AddMasked(Piece, VskMaskColor);
    else
        Image->Add(Piece, nullptr);
    Image->Draw(Canvas, Dest.left, Dest.top, 0);
}

// An edge or the centre: Source stretched into Dest, fuchsia see-through whatever the caller asked for.
void DrawStretched(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Source, const TRect& Dest) {
    TBitmap Piece(Dest.Width(), Dest.Height());
    CopyBitmapRect(Piece, TRect(0, 0, Piece.Width(), Piece.Height()), Bmp, Source);
    Piece.SetTransparentColor(VskMaskColor);
    Piece.SetTransparent(true);
    Canvas.StretchDraw(Dest, Piece);
}

} // namespace

// Rect is a client rectangle: the pieces are laid out from the canvas origin.
void SpitDraw(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Rect, bool Transparent) {
    for (const TvskSpitPiece& Piece : SpitDrawPieces(Bmp.Width(), Bmp.Height(), Rect.Width(), Rect.Height())) {
        if (Piece.Skipped) continue;
        if (Piece.Corner)
            DrawCorner(Bmp, Canvas, ToRect(Piece.Source), ToRect(Piece.Dest), Transparent);
        else
            DrawStretched(Bmp, Canvas, ToRect(Piece.Source), ToRect(Piece.Dest));
    }
}
