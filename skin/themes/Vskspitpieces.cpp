#include "skin/themes/Vskspitpieces.h"

#include <algorithm>

namespace {

// The skin images are odd-sized (21, 23, 27 pixels and so on) and split around their middle pixel, at index
// Size div 2. The near corners (left, top) take the pixels before the middle. The far corners (right,
// bottom) do not mirror them from the pixel after the middle: they leave that "gap" pixel out and start one
// further, and they get one pixel less room on the destination too. The gap pixel joins the middle one in
// a two-pixel strip that the top and bottom edges and the centre stretch across; on an even-sized
// destination the lost pixel of room is the column and row left over for them between the corners.
constexpr int FarCornerGap = 1;
// The middle pixel and the gap pixel after it. The right edge's rows end there: it stretches the gap row
// alone, where the left edge and the centre stretch the middle row.
constexpr int StretchStrip = 2;
// The bottom edge's rows start at the gap row, so on the destination it rises that row (FarCornerGap) above
// the bottom corners, and the centre ends a row earlier to leave it there. It also starts this one column
// left of the near corners, overdrawing the bottom-left corner's innermost column and, in the row it rises,
// the left edge's last pixel.
constexpr int BottomEdgeLead = 1;

// Where the far half of a side would start if it mirrored the near half: the gap pixel of an odd size.
constexpr int MirrorStart(int Size) {
    return Size - Size / 2;
}
constexpr int FarCornerStart(int Size) {
    return MirrorStart(Size) + FarCornerGap;
}

// How an edge's source is cut down to the piece where the source is larger, keeping the side that touches
// the image's border.
enum class TCut { None, WidthKeepLeft, WidthKeepRight, HeightKeepTop, HeightKeepBottom };

// A corner at natural size, as large as both the image part and its room allow, against its corner of a
// DestWidth x DestHeight destination. Without room or pixels it covers the empty rectangle at that corner.
TvskSpitPiece Corner(TvskSpitPart Part, TvskSpitRect Source, int RoomWidth, int RoomHeight, bool Right, bool Bottom,
                     int DestWidth, int DestHeight) {
    int Width = std::max(0, std::min(Source.Width(), RoomWidth));
    int Height = std::max(0, std::min(Source.Height(), RoomHeight));
    if (Width == 0 || Height == 0) Width = Height = 0;
    const int X = Right ? DestWidth - Width : 0;
    const int Y = Bottom ? DestHeight - Height : 0;
    if (Right)
        Source.Left = Source.Right - Width;
    else
        Source.Right = Source.Left + Width;
    if (Bottom)
        Source.Top = Source.Bottom - Height;
    else
        Source.Bottom = Source.Top + Height;
    return {Part, Source, {X, Y, X + Width, Y + Height}, true, Width == 0};
}

// With images narrower or lower than 2 pixels, or of an even width or height, the slices can name a source
// with no columns or rows, or one outside the image. Such a source takes the nearest single column or row
// inside the image instead, so that the piece still shows the image's pixels. Empty for an empty image.
TvskSpitRect UsableSource(TvskSpitRect Source, int Width, int Height) {
    if (Width <= 0 || Height <= 0) return {};
    Source.Left = std::clamp(Source.Left, 0, Width - 1);
    Source.Top = std::clamp(Source.Top, 0, Height - 1);
    Source.Right = std::clamp(Source.Right, Source.Left + 1, Width);
    Source.Bottom = std::clamp(Source.Bottom, Source.Top + 1, Height);
    return Source;
}

// An edge or the centre: Source, cut down where it is larger than Dest, stretched over Dest.
TvskSpitPiece Stretched(TvskSpitPart Part, TvskSpitRect Source, TvskSpitRect Dest, TCut Cut, int ImageWidth,
                        int ImageHeight) {
    switch (Cut) {
    case TCut::WidthKeepLeft: Source.Right = Source.Left + std::min(Source.Width(), Dest.Width()); break;
    case TCut::WidthKeepRight: Source.Left = Source.Right - std::min(Source.Width(), Dest.Width()); break;
    case TCut::HeightKeepTop: Source.Bottom = Source.Top + std::min(Source.Height(), Dest.Height()); break;
    case TCut::HeightKeepBottom: Source.Top = Source.Bottom - std::min(Source.Height(), Dest.Height()); break;
    case TCut::None: break;
    }
    Source = UsableSource(Source, ImageWidth, ImageHeight);
    return {Part, Source, Dest, false, Dest.IsEmpty() || Source.IsEmpty()};
}

} // namespace

TvskSpitPieces SpitDrawPieces(int ImageWidth, int ImageHeight, int DestWidth, int DestHeight) {
    using enum TvskSpitPart;
    const int W = ImageWidth, H = ImageHeight, w = W / 2, h = H / 2;
    const int dw = DestWidth / 2, dh = DestHeight / 2;
    const int FarX = FarCornerStart(W), FarY = FarCornerStart(H);
    const int DW = DestWidth, DH = DestHeight;
    const int FarRoomW = dw - FarCornerGap, FarRoomH = dh - FarCornerGap;

    const TvskSpitPiece TLPiece = Corner(TopLeft, {0, 0, w, h}, dw, dh, false, false, DW, DH);
    const TvskSpitPiece BLPiece = Corner(BottomLeft, {0, FarY, w, H}, dw, FarRoomH, false, true, DW, DH);
    const TvskSpitPiece TRPiece = Corner(TopRight, {FarX, 0, W, h}, FarRoomW, dh, true, false, DW, DH);
    const TvskSpitPiece BRPiece = Corner(BottomRight, {FarX, FarY, W, H}, FarRoomW, FarRoomH, true, true, DW, DH);
    const TvskSpitRect &TL = TLPiece.Dest, &BL = BLPiece.Dest, &TR = TRPiece.Dest, &BR = BRPiece.Dest;

    TvskSpitPieces Pieces{
        TLPiece,
        BLPiece,
        Stretched(LeftEdge, {0, h, w, MirrorStart(H)}, {0, TL.Bottom, TL.Right, BL.Top}, TCut::WidthKeepLeft, W, H),
        TRPiece,
        BRPiece,
        Stretched(RightEdge, {FarX, MirrorStart(H), W, h + StretchStrip}, {TR.Left, TR.Bottom, TR.Right, BR.Top},
                  TCut::WidthKeepRight, W, H),
        Stretched(TopEdge, {w, 0, FarX, h}, {TL.Right, 0, TR.Left, TL.Bottom}, TCut::HeightKeepTop, W, H),
        Stretched(Centre, {w, h, FarX, MirrorStart(H)}, {TL.Right, TL.Bottom, TR.Left, BR.Top - FarCornerGap},
                  TCut::None, W, H),
        Stretched(BottomEdge, {w, MirrorStart(H), FarX, H},
                  {TL.Right - BottomEdgeLead, BL.Top - FarCornerGap, BR.Left, BR.Bottom}, TCut::HeightKeepBottom, W, H),
    };
    // The slices of an empty destination would only spill the bottom edge a pixel above or left of it.
    if (DW <= 0 || DH <= 0)
        for (TvskSpitPiece& Piece : Pieces)
            Piece.Skipped = true;
    return Pieces;
}
