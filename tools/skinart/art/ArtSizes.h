#pragma once
// Names, sizes and frame layouts of the per-style pictures, in one table that the painters, the catalogue,
// the resource script and the tests all read.

#include "tools/skinart/art/StylePalette.h"

#include <array>
#include <string>
#include <vector>

namespace skinart {

struct TSize {
    int Width = 0;
    int Height = 0;
    bool Present() const { return Width > 0 && Height > 0; }
};

// What a painter is asked for: the whole picture's size and how many equal frames it holds.
struct TArtLayout {
    int Width = 0;
    int Height = 0;
    int Frames = 1;
    int FrameWidth() const { return Width / Frames; }
};

enum class TStyledArt {
    Button,
    CheckBox,
    RadioButton,
    TitleButtons,
    TitleLeft,
    TitleClient,
    TitleRight,
    ProgressBar,
    TrackBarBar,
    TrackBarSlider,
    TrackBarSliderV,
    ScrollBarButton,
    ScrollBarTrack,
    CheckList,
    ScrollButton,
    Tab,
    TabLine,
    SideChannelHandle,
    SideChannelBar,
};

struct TStyledArtRow {
    TStyledArt Art;
    const char* Suffix;
    int Frames;                           // equal-width frames side by side; 1 for a whole picture
    std::array<TSize, kStyleCount> Sizes; // by style; absent where a style has no such picture
};

const std::vector<TStyledArtRow>& StyledArtRows();
const TStyledArtRow& StyledArtRow(TStyledArt art);
TSize StyledSize(TStyledArt art, TStyleId style);
// PREFIX_SUFFIX, the resource name.
std::string StyledName(TStyledArt art, TStyleId style);

} // namespace skinart
