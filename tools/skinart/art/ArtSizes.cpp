#include "tools/skinart/art/ArtSizes.h"

#include <stdexcept>

namespace skinart {

const std::vector<TStyledArtRow>& StyledArtRows() {
    // Columns: MacOS, WinXP, DeepBlue, Protein, BlueGlass.
    static const std::vector<TStyledArtRow> rows = {
        {TStyledArt::Button, "BUTTON", 3, {{{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}}},
        {TStyledArt::CheckBox, "CHECKBOX", 4, {{{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
        {TStyledArt::RadioButton, "RADIOBUTTON", 4, {{{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}}},
        {TStyledArt::TitleButtons, "TITLEBTN", 18, {{{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}}},
        {TStyledArt::TitleLeft, "TITLE_LEFT", 1, {{{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}}},
        {TStyledArt::TitleClient, "TITLE_CLIENT", 1, {{{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}}},
        {TStyledArt::TitleRight, "TITLE_RIGHT", 1, {{{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}}},
        {TStyledArt::ProgressBar, "PROGRESSBAR", 1, {{{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}}},
        // Drawn as three slices: left end, stretched middle, right end.
        {TStyledArt::TrackBarBar, "TRACKBAR_BAR", 3, {{{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}}},
        {TStyledArt::TrackBarSlider, "TRACKBAR_SLIDER", 1, {{{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}}},
        {TStyledArt::TrackBarSliderV, "TRACKBAR_SLIDER_V", 1, {{{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}}},
        {TStyledArt::ScrollBarButton, "SCROLLBAR_BUTTON", 6, {{{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}}},
        {TStyledArt::ScrollBarTrack, "SCROLLBAR_TRACK", 3, {{{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}}},
        {TStyledArt::CheckList, "CHECKLIST", 4, {{{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}}},
        // The other three styles share MORE_SCROLLBUTTON.
        {TStyledArt::ScrollButton, "SCROLLBUTTON", 6, {{{72, 18}, {72, 18}, {}, {}, {}}}},
        {TStyledArt::Tab, "TAB", 1, {{{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}}},
        {TStyledArt::TabLine, "TAB_LINE", 1, {{{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}}},
        // The spelling is the resource name's own.
        {TStyledArt::SideChannelHandle, "SIDECHENNEL_HANDLE", 1, {{{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}}},
        {TStyledArt::SideChannelBar, "SIDECHENNEL_BAR", 1, {{{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}}},
    };
    return rows;
}

const TStyledArtRow& StyledArtRow(TStyledArt art) {
    for (const TStyledArtRow& row : StyledArtRows())
        if (row.Art == art) return row;
    throw std::logic_error("picture kind without a size row");
}

TSize StyledSize(TStyledArt art, TStyleId style) {
    return StyledArtRow(art).Sizes[static_cast<int>(style)];
}

std::string StyledName(TStyledArt art, TStyleId style) {
    return std::string(Palette(style).Prefix) + "_" + StyledArtRow(art).Suffix;
}

} // namespace skinart
