// The geometry of SpitDraw, the nine-slice stretch: which part of a skin image goes where, free of any
// platform type, so that the engine (over GDI) and the art generator's previews (over plain images) lay a
// face out the same way and only the pixel pushing differs.
#pragma once

#include <array>

// A rectangle in pixels; Right and Bottom are exclusive.
struct TvskSpitRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend constexpr bool operator==(const TvskSpitRect&, const TvskSpitRect&) = default;
};

// The nine pieces, numbered in drawing order: later pieces overdraw earlier ones where they meet.
enum class TvskSpitPart {
    TopLeft,
    BottomLeft,
    LeftEdge,
    TopRight,
    BottomRight,
    RightEdge,
    TopEdge,
    Centre,
    BottomEdge
};
inline constexpr int VskSpitPartCount = 9;

struct TvskSpitPiece {
    TvskSpitPart Part = TvskSpitPart::TopLeft;
    // Where the piece comes from in the image; inside the image and not empty whenever the piece is drawn.
    TvskSpitRect Source;
    // Where it lands, relative to the destination's top-left corner. A piece may reach a pixel past the
    // destination (the bottom edge of a destination too small for corners): the caller clips.
    TvskSpitRect Dest;
    // A corner keeps its pixels one for one (Source and Dest have one size) and is drawn masked or opaque as
    // the caller asks; the other pieces stretch Source over Dest and always leave fuchsia out.
    bool Corner = false;
    // Nothing to draw: no room on the destination or no pixels in the image. A skipped corner's Dest is the
    // empty rectangle at its corner, where the pieces next to it then reach.
    bool Skipped = false;
};

using TvskSpitPieces = std::array<TvskSpitPiece, VskSpitPartCount>;

// The nine pieces of an ImageWidth x ImageHeight image stretched over DestWidth x DestHeight, in drawing
// order. Any sizes are accepted; an empty image or destination skips every piece.
TvskSpitPieces SpitDrawPieces(int ImageWidth, int ImageHeight, int DestWidth, int DestHeight);
