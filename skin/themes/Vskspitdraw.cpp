// SpitDraw, the nine-slice stretch that carries the look of every skinned button and scroll bar. Pieces are
// drawn in a fixed order (top-left corner, bottom-left corner, left edge, top-right corner, bottom-right
// corner, right edge, top edge, centre, bottom edge); later pieces overdraw earlier ones where they meet.
#include "skin/themes/Vskpublic.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/themes/Vskpixels.h"

#include <algorithm>
#include <memory>

namespace {

// One corner: where it comes from in the image, how much room it may take, and which sides it keeps when
// it has to be cut down (the sides that touch the image's and the destination's edges).
struct TCorner {
    TRect Source;
    int RoomWidth;
    int RoomHeight;
    bool KeepRight;
    bool KeepBottom;
};

// How an edge's source is cut down to the piece's size where the source is larger.
enum TCut { cutNone, cutWidthKeepLeft, cutWidthKeepRight, cutHeightKeepTop, cutHeightKeepBottom };

// Draws a corner at natural size against its corner of Rect and returns the rectangle it covers. A corner
// without room (or without pixels) is skipped; it then covers an empty rectangle at its corner of Rect, so
// that the edges next to it reach all the way into that corner.
TRect DrawCorner(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Rect, const TCorner& Corner, bool Transparent) {
    int Width = std::max(0, std::min(Corner.Source.Width(), Corner.RoomWidth));
    int Height = std::max(0, std::min(Corner.Source.Height(), Corner.RoomHeight));
    if (Width == 0 || Height == 0) Width = Height = 0;
    const int X = Corner.KeepRight ? Rect.right - Width : 0;
    const int Y = Corner.KeepBottom ? Rect.bottom - Height : 0;
    if (Width == 0) return TRect(X, Y, X, Y);

    TRect Source = Corner.Source;
    if (Corner.KeepRight)
        Source.left = Source.right - Width;
    else
        Source.right = Source.left + Width;
    if (Corner.KeepBottom)
        Source.top = Source.bottom - Height;
    else
        Source.bottom = Source.top + Height;
    TBitmap Piece(Width, Height);
    CopyBitmapRect(Piece, TRect(0, 0, Piece.Width(), Piece.Height()), Bmp, Source);
    const auto Image = std::make_unique<TImageList>(nullptr, Width, Height);
    if (Transparent)
        Image->AddMasked(Piece, VskMaskColor);
    else
        Image->Add(Piece, nullptr);
    Image->Draw(Canvas, X, Y, 0);
    return TRect(X, Y, X + Width, Y + Height);
}

// The source of an edge or the centre, made readable: with images narrower or lower than 2 pixels, or with
// an even width or height, the slice rules can name a source with no columns or rows, or one outside the
// image. Such a source takes the nearest single column or row inside the image instead, so that the piece
// still shows the image's pixels. Empty for an empty image.
TRect UsableSource(TRect Source, int Width, int Height) {
    if (Width <= 0 || Height <= 0) return TRect();
    Source.left = std::clamp<LONG>(Source.left, 0, Width - 1);
    Source.top = std::clamp<LONG>(Source.top, 0, Height - 1);
    Source.right = std::clamp<LONG>(Source.right, Source.left + 1, Width);
    Source.bottom = std::clamp<LONG>(Source.bottom, Source.top + 1, Height);
    return Source;
}

// An edge or the centre: Source stretched into Dest, fuchsia see-through whatever the caller asked for.
void DrawPiece(const TBitmap& Bmp, TCanvas& Canvas, TRect Source, const TRect& Dest, TCut Cut) {
    if (Dest.Width() <= 0 || Dest.Height() <= 0) return;
    switch (Cut) {
    case cutWidthKeepLeft: Source.right = Source.left + std::min(Source.Width(), Dest.Width()); break;
    case cutWidthKeepRight: Source.left = Source.right - std::min(Source.Width(), Dest.Width()); break;
    case cutHeightKeepTop: Source.bottom = Source.top + std::min(Source.Height(), Dest.Height()); break;
    case cutHeightKeepBottom: Source.top = Source.bottom - std::min(Source.Height(), Dest.Height()); break;
    case cutNone: break;
    }
    Source = UsableSource(Source, Bmp.Width(), Bmp.Height());
    if (Source.IsEmpty()) return;
    TBitmap Piece(Dest.Width(), Dest.Height());
    CopyBitmapRect(Piece, TRect(0, 0, Piece.Width(), Piece.Height()), Bmp, Source);
    Piece.SetTransparentColor(VskMaskColor);
    Piece.SetTransparent(true);
    Canvas.StretchDraw(Dest, Piece);
}

} // namespace

void SpitDraw(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Rect, bool Transparent) {
    const int W = Bmp.Width(), H = Bmp.Height(), w = W / 2, h = H / 2;
    const int dw = Rect.Width() / 2, dh = Rect.Height() / 2;
    // The right and bottom corners start one pixel past the middle of the image and get one pixel less
    // room, so that odd-sized images leave their middle column and row to the edges.
    const TRect TL = DrawCorner(Bmp, Canvas, Rect, {TRect(0, 0, w, h), dw, dh, false, false}, Transparent);
    const TRect BL = DrawCorner(Bmp, Canvas, Rect, {TRect(0, H - h + 1, w, H), dw, dh - 1, false, true}, Transparent);
    DrawPiece(Bmp, Canvas, TRect(0, h, w, H - h), TRect(0, TL.bottom, TL.right, BL.top), cutWidthKeepLeft);
    const TRect TR = DrawCorner(Bmp, Canvas, Rect, {TRect(W - w + 1, 0, W, h), dw - 1, dh, true, false}, Transparent);
    const TRect BR =
        DrawCorner(Bmp, Canvas, Rect, {TRect(W - w + 1, H - h + 1, W, H), dw - 1, dh - 1, true, true}, Transparent);
    DrawPiece(Bmp, Canvas, TRect(W - w + 1, H - h, W, h + 2), TRect(TR.left, TR.bottom, TR.right, BR.top),
              cutWidthKeepRight);
    DrawPiece(Bmp, Canvas, TRect(w, 0, W - w + 1, h), TRect(TL.right, 0, TR.left, TL.bottom), cutHeightKeepTop);
    DrawPiece(Bmp, Canvas, TRect(w, h, W - w + 1, H - h), TRect(TL.right, TL.bottom, TR.left, BR.top - 1), cutNone);
    DrawPiece(Bmp, Canvas, TRect(w, H - h, W - w + 1, H), TRect(TL.right - 1, BL.top - 1, BR.left, BR.bottom),
              cutHeightKeepBottom);
}
