#include "skin/themes/Vskthemetables.h"

#include "framework/core/TextUtils.h"

#include <array>

const TEnumInfo TvskUIStyleInfo{"TvskUIStyle", {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"}};

namespace {

constexpr int BuiltInStyleCount = BlueGlass - MacOS + 1;
constexpr std::int32_t NoBuiltInValue = -1;

// One cell of a built-in row: a number, or the name of a bitmap resource.
struct TCell {
    std::int32_t Value;
    const char* Resource;
};
constexpr TCell Num(std::int32_t Value) {
    return {Value, nullptr};
}
constexpr TCell Img(const char* Resource) {
    return {0, Resource};
}

struct TEntry {
    const char* Key;
    TvskThemeKind Kind;
    std::array<TCell, BuiltInStyleCount> Rows; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

// Entry 1 first. Resource names are spelt as the art ships them ("SIDECHENNEL"); DeepBlue, Protein and
// BlueGlass share one scroll button strip.
constexpr std::array<TEntry, VSK_THEME_ENTRY_COUNT> Entries{{
    {"ButtonImage",
     vskKindBitmap,
     {Img("MACOS_BUTTON"), Img("WINXP_BUTTON"), Img("DEEPBLUE_BUTTON"), Img("PROTEIN_BUTTON"),
      Img("BLUEGLASS_BUTTON")}},
    {"ButtonTransparentBool", vskKindBool, {Num(1), Num(0), Num(0), Num(0), Num(1)}},
    {"CheckBoxImage",
     vskKindBitmap,
     {Img("MACOS_CHECKBOX"), Img("WINXP_CHECKBOX"), Img("DEEPBLUE_CHECKBOX"), Img("PROTEIN_CHECKBOX"),
      Img("BLUEGLASS_CHECKBOX")}},
    {"RadioButtonImage",
     vskKindBitmap,
     {Img("MACOS_RADIOBUTTON"), Img("WINXP_RADIOBUTTON"), Img("DEEPBLUE_RADIOBUTTON"), Img("PROTEIN_RADIOBUTTON"),
      Img("BLUEGLASS_RADIOBUTTON")}},
    {"TitleBarButtonImage",
     vskKindBitmap,
     {Img("MACOS_TITLEBTN"), Img("WINXP_TITLEBTN"), Img("DEEPBLUE_TITLEBTN"), Img("PROTEIN_TITLEBTN"),
      Img("BLUEGLASS_TITLEBTN")}},
    {"TitleBarButtonTransparentBool", vskKindBool, {Num(0), Num(0), Num(0), Num(1), Num(1)}},
    {"TitleBarButtonLeftOffsetInt", vskKindInt, {Num(3), Num(2), Num(0), Num(0), Num(4)}},
    {"TitleBarButtonRightOffsetInt", vskKindInt, {Num(-2), Num(-2), Num(0), Num(0), Num(-3)}},
    {"TitleBarButtonTopInt", vskKindInt, {Num(4), Num(5), Num(2), Num(2), Num(6)}},
    {"TitleBarLeftImage",
     vskKindBitmap,
     {Img("MACOS_TITLE_LEFT"), Img("WINXP_TITLE_LEFT"), Img("DEEPBLUE_TITLE_LEFT"), Img("PROTEIN_TITLE_LEFT"),
      Img("BLUEGLASS_TITLE_LEFT")}},
    {"TitleBarClientImage",
     vskKindBitmap,
     {Img("MACOS_TITLE_CLIENT"), Img("WINXP_TITLE_CLIENT"), Img("DEEPBLUE_TITLE_CLIENT"), Img("PROTEIN_TITLE_CLIENT"),
      Img("BLUEGLASS_TITLE_CLIENT")}},
    {"TitleBarRightImage",
     vskKindBitmap,
     {Img("MACOS_TITLE_RIGHT"), Img("WINXP_TITLE_RIGHT"), Img("DEEPBLUE_TITLE_RIGHT"), Img("PROTEIN_TITLE_RIGHT"),
      Img("BLUEGLASS_TITLE_RIGHT")}},
    {"FormMinWidthInt", vskKindInt, {Num(130), Num(150), Num(130), Num(130), Num(270)}},
    {"FormRoundCornerInt", vskKindInt, {Num(0), Num(13), Num(0), Num(0), Num(11)}},
    {"FormBackgroundColor", vskKindColor, {Num(0xE7E7E7), Num(0xDEEBEF), Num(0xE8E8E8), Num(0xFBFBFB), Num(0xE7E7E7)}},
    {"FormBorderColor", vskKindColor, {Num(0x7F7F7F), Num(0xC82C00), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"FormBorderWidthInt", vskKindInt, {Num(1), Num(3), Num(1), Num(1), Num(1)}},
    {"MenuSelectedBorderColor",
     vskKindColor,
     {Num(0xC47339), Num(0xC66931), Num(0xA04A44), Num(0xC4302D), Num(0xEC5E5E)}},
    {"MenuSelectedBackgroundColor",
     vskKindColor,
     {Num(0xC47339), Num(0xEFD3C6), Num(0xA04A44), Num(0xC4302D), Num(0xEC5E5E)}},
    {"MenuSelectedFontColor",
     vskKindColor,
     {Num(0xFFFFFF), Num(0x000000), Num(0xFFFFFF), Num(0xFFFFFF), Num(0xFFFFFF)}},
    {"MenuBackgroundColor", vskKindColor, {Num(0x000000), Num(0xFFFFFF), Num(0xFFFFFF), Num(0xFFFFFF), Num(0xE7E7E7)}},
    {"MenuFontColor", vskKindColor, {Num(0x000000), Num(0x000000), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"MenuBarColor", vskKindColor, {Num(0x000000), Num(0xCED3D6), Num(0xCED3D6), Num(0xCED3D6), Num(0xCED3D6)}},
    {"ProgressBarImage",
     vskKindBitmap,
     {Img("MACOS_PROGRESSBAR"), Img("WINXP_PROGRESSBAR"), Img("DEEPBLUE_PROGRESSBAR"), Img("PROTEIN_PROGRESSBAR"),
      Img("BLUEGLASS_PROGRESSBAR")}},
    {"ControlBorderColor", vskKindColor, {Num(0x7F7F7F), Num(0x686868), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"ControlBackgroundColor",
     vskKindColor,
     {Num(0xE7E7E7), Num(0xDEEBEF), Num(0xE8E8E8), Num(0xFBFBFB), Num(0xE7E7E7)}},
    {"ControlFontColor", vskKindColor, {Num(0x000000), Num(0xCF4602), Num(0x000000), Num(0x000000), Num(0x000000)}},
    {"TrackBarBarImage",
     vskKindBitmap,
     {Img("MACOS_TRACKBAR_BAR"), Img("WINXP_TRACKBAR_BAR"), Img("DEEPBLUE_TRACKBAR_BAR"), Img("PROTEIN_TRACKBAR_BAR"),
      Img("BLUEGLASS_TRACKBAR_BAR")}},
    {"TrackBarSliderImage",
     vskKindBitmap,
     {Img("MACOS_TRACKBAR_SLIDER"), Img("WINXP_TRACKBAR_SLIDER"), Img("DEEPBLUE_TRACKBAR_SLIDER"),
      Img("PROTEIN_TRACKBAR_SLIDER"), Img("BLUEGLASS_TRACKBAR_SLIDER")}},
    {"TrackBarSliderVImage",
     vskKindBitmap,
     {Img("MACOS_TRACKBAR_SLIDER_V"), Img("WINXP_TRACKBAR_SLIDER_V"), Img("DEEPBLUE_TRACKBAR_SLIDER_V"),
      Img("PROTEIN_TRACKBAR_SLIDER_V"), Img("BLUEGLASS_TRACKBAR_SLIDER_V")}},
    {"ScrollBarBackgroundColor",
     vskKindColor,
     {Num(0xC9C9C9), Num(0xF9F9F9), Num(0xF5F5F5), Num(0xF5F5F5), Num(0xF4F4F4)}},
    {"ScrollBarButtonImage",
     vskKindBitmap,
     {Img("MACOS_SCROLLBAR_BUTTON"), Img("WINXP_SCROLLBAR_BUTTON"), Img("DEEPBLUE_SCROLLBAR_BUTTON"),
      Img("PROTEIN_SCROLLBAR_BUTTON"), Img("BLUEGLASS_SCROLLBAR_BUTTON")}},
    {"ScrollBarSliderImage",
     vskKindBitmap,
     {Img("MACOS_SCROLLBAR_TRACK"), Img("WINXP_SCROLLBAR_TRACK"), Img("DEEPBLUE_SCROLLBAR_TRACK"),
      Img("PROTEIN_SCROLLBAR_TRACK"), Img("BLUEGLASS_SCROLLBAR_TRACK")}},
    {"CheckListBoxImage",
     vskKindBitmap,
     {Img("MACOS_CHECKLIST"), Img("WINXP_CHECKLIST"), Img("DEEPBLUE_CHECKLIST"), Img("PROTEIN_CHECKLIST"),
      Img("BLUEGLASS_CHECKLIST")}},
    {"ToolBarButtonBorderColor",
     vskKindColor,
     {Num(0x474747), Num(0xC66931), Num(0x474747), Num(0x474747), Num(0x474747)}},
    {"ToolBarButtonBackgroundColor",
     vskKindColor,
     {Num(0xEFEFEF), Num(0xEFD3C6), Num(0xEFEFEF), Num(0xEFEFEF), Num(0xEFEFEF)}},
    {"ToolBarButtonDownBackgroundColor",
     vskKindColor,
     {Num(0xD8D8D8), Num(0xE1AC93), Num(0xD8D8D8), Num(0xD8D8D8), Num(0xD8D8D8)}},
    {"ScrollButtonImage",
     vskKindBitmap,
     {Img("MACOS_SCROLLBUTTON"), Img("WINXP_SCROLLBUTTON"), Img("MORE_SCROLLBUTTON"), Img("MORE_SCROLLBUTTON"),
      Img("MORE_SCROLLBUTTON")}},
    {"TabControlTabImage",
     vskKindBitmap,
     {Img("MACOS_TAB"), Img("WINXP_TAB"), Img("DEEPBLUE_TAB"), Img("PROTEIN_TAB"), Img("BLUEGLASS_TAB")}},
    {"TabControlBarImage",
     vskKindBitmap,
     {Img("MACOS_TAB_LINE"), Img("WINXP_TAB_LINE"), Img("DEEPBLUE_TAB_LINE"), Img("PROTEIN_TAB_LINE"),
      Img("BLUEGLASS_TAB_LINE")}},
    {"SideChannelHandleImage",
     vskKindBitmap,
     {Img("MACOS_SIDECHENNEL_HANDLE"), Img("WINXP_SIDECHENNEL_HANDLE"), Img("DEEPBLUE_SIDECHENNEL_HANDLE"),
      Img("PROTEIN_SIDECHENNEL_HANDLE"), Img("BLUEGLASS_SIDECHENNEL_HANDLE")}},
    {"SideChannelBarImage",
     vskKindBitmap,
     {Img("MACOS_SIDECHENNEL_BAR"), Img("WINXP_SIDECHENNEL_BAR"), Img("DEEPBLUE_SIDECHENNEL_BAR"),
      Img("PROTEIN_SIDECHENNEL_BAR"), Img("BLUEGLASS_SIDECHENNEL_BAR")}},
}};

const TEntry& Entry(int Index) {
    return Entries[static_cast<std::size_t>(Index - 1)];
}

bool IsValidIndex(int Index) {
    return Index >= 1 && Index <= VSK_THEME_ENTRY_COUNT;
}

} // namespace

TvskThemeKind ThemeEntryKind(int Index) {
    return Entry(Index).Kind;
}

const char* ThemeEntryKey(int Index) {
    return Entry(Index).Key;
}

int FindThemeEntry(std::string_view Key) {
    for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index)
        if (SameText(Key, Entry(Index).Key)) return Index;
    return 0;
}

TvskBuiltInEntry BuiltInThemeEntry(TvskUIStyle Style, int Index) {
    if (!IsBuiltInStyle(Style) || !IsValidIndex(Index)) return {vskKindInt, NoBuiltInValue, nullptr};
    const TEntry& E = Entry(Index);
    const TCell& Cell = E.Rows[static_cast<std::size_t>(Style - MacOS)];
    return {E.Kind, Cell.Value, Cell.Resource};
}

TColor GetInsideThemeColor(TvskUIStyle Style, int Index) {
    const TvskBuiltInEntry E = BuiltInThemeEntry(Style, Index);
    return E.Kind == vskKindColor ? static_cast<TColor>(E.Value) : clBlack;
}

int GetInsideThemeInt(TvskUIStyle Style, int Index) {
    const TvskBuiltInEntry E = BuiltInThemeEntry(Style, Index);
    return E.Kind == vskKindInt ? E.Value : NoBuiltInValue;
}

bool GetInsideThemeBool(TvskUIStyle Style, int Index) {
    const TvskBuiltInEntry E = BuiltInThemeEntry(Style, Index);
    // A flag is the low byte of its cell.
    return E.Kind == vskKindBool && (E.Value & 0xFF) != 0;
}
