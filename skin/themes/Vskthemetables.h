// The vocabulary every skinned component shares: the UI styles, the 42 numbered theme entries with their
// kinds and theme-file keys, and the built-in value of every entry for every built-in style.
//
// Portable on purpose: the vsktheme tool exports the built-in styles as theme files on any platform, so the
// tables and the getters that only read them live here; the bitmap getter, which loads program resources,
// lives in Vskthemes.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/PropInfo.h"

#include <cstdint>
#include <string_view>

// Stored in window descriptions by name. DeepBlue is the start-up and fallback style.
enum TvskUIStyle : std::uint8_t { FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass };
extern const TEnumInfo TvskUIStyleInfo;

// True for the five styles that have a row in the built-in table.
constexpr bool IsBuiltInStyle(TvskUIStyle Style) {
    return Style >= MacOS && Style <= BlueGlass;
}

// Theme entry indices. There is no entry 0.
inline constexpr int VSK_THEME_BUTTON_IMAGE = 1;
inline constexpr int VSK_THEME_BUTTON_TRANSPARENT_BOOL = 2;
inline constexpr int VSK_THEME_CHECK_BOX_IMAGE = 3;
inline constexpr int VSK_THEME_RADIO_BUTTON_IMAGE = 4;
inline constexpr int VSK_THEME_TITLE_BAR_BUTTON_IMAGE = 5;
inline constexpr int VSK_THEME_TITLE_BAR_BUTTON_TRANSPARENT_BOOL = 6;
inline constexpr int VSK_THEME_TITLE_BAR_BUTTON_LEFT_OFFSET_INT = 7;
inline constexpr int VSK_THEME_TITLE_BAR_BUTTON_RIGHT_OFFSET_INT = 8;
inline constexpr int VSK_THEME_TITLE_BAR_BUTTON_TOP_INT = 9;
inline constexpr int VSK_THEME_TITLE_BAR_LEFT_IMAGE = 10;
inline constexpr int VSK_THEME_TITLE_BAR_CLIENT_IMAGE = 11;
inline constexpr int VSK_THEME_TITLE_BAR_RIGHT_IMAGE = 12;
inline constexpr int VSK_THEME_FORM_MIN_WIDTH_INT = 13;
inline constexpr int VSK_THEME_FORM_ROUND_CORNER_INT = 14;
inline constexpr int VSK_THEME_FORM_BACKGROUND_COLOR = 15;
inline constexpr int VSK_THEME_FORM_BORDER_COLOR = 16;
inline constexpr int VSK_THEME_FORM_BORDER_WIDTH_INT = 17;
inline constexpr int VSK_THEME_MENU_SELECTED_BORDER_COLOR = 18;
inline constexpr int VSK_THEME_MENU_SELECTED_BACKGROUND_COLOR = 19;
inline constexpr int VSK_THEME_MENU_SELECTED_FONT_COLOR = 20;
inline constexpr int VSK_THEME_MENU_BACKGROUND_COLOR = 21;
inline constexpr int VSK_THEME_MENU_FONT_COLOR = 22;
inline constexpr int VSK_THEME_MENU_BAR_COLOR = 23;
inline constexpr int VSK_THEME_PROGRESS_BAR_IMAGE = 24;
inline constexpr int VSK_THEME_CONTROL_BORDER_COLOR = 25;
inline constexpr int VSK_THEME_CONTROL_BACKGROUND_COLOR = 26;
inline constexpr int VSK_THEME_CONTROL_FONT_COLOR = 27;
inline constexpr int VSK_THEME_TRACK_BAR_BAR_IMAGE = 28;
inline constexpr int VSK_THEME_TRACK_BAR_SLIDER_IMAGE = 29;
inline constexpr int VSK_THEME_TRACK_BAR_SLIDER_V_IMAGE = 30;
inline constexpr int VSK_THEME_SCROLL_BAR_BACKGROUND_COLOR = 31;
inline constexpr int VSK_THEME_SCROLL_BAR_BUTTON_IMAGE = 32;
inline constexpr int VSK_THEME_SCROLL_BAR_SLIDER_IMAGE = 33;
inline constexpr int VSK_THEME_CHECK_LIST_BOX_IMAGE = 34;
inline constexpr int VSK_THEME_TOOL_BAR_BUTTON_BORDER_COLOR = 35;
inline constexpr int VSK_THEME_TOOL_BAR_BUTTON_BACKGROUND_COLOR = 36;
inline constexpr int VSK_THEME_TOOL_BAR_BUTTON_DOWN_BACKGROUND_COLOR = 37;
inline constexpr int VSK_THEME_SCROLL_BUTTON_IMAGE = 38;
inline constexpr int VSK_THEME_TAB_CONTROL_TAB_IMAGE = 39;
inline constexpr int VSK_THEME_TAB_CONTROL_BAR_IMAGE = 40;
inline constexpr int VSK_THEME_SIDE_CHANNEL_HANDLE_IMAGE = 41;
inline constexpr int VSK_THEME_SIDE_CHANNEL_BAR_IMAGE = 42;

inline constexpr int VSK_THEME_ENTRY_COUNT = 42;

// The kind of an entry, with the numbers the kind table has always used.
enum TvskThemeKind : std::uint8_t { vskKindInt = 0, vskKindColor = 1, vskKindBitmap = 2, vskKindBool = 3 };

// Index is 1..VSK_THEME_ENTRY_COUNT; callers pass the constants above.
TvskThemeKind ThemeEntryKind(int Index);
// The key under which a theme file stores the entry ("ButtonImage").
const char* ThemeEntryKey(int Index);
// The index whose key is Key, ignoring letter case; 0 when no entry has that key.
int FindThemeEntry(std::string_view Key);

// One built-in value: what a row holds for an entry, and the kind it is read as. Styles other than the
// built-in ones have no row; they yield the value -1 of kind int, so every getter returns its default.
struct TvskBuiltInEntry {
    TvskThemeKind Kind;
    std::int32_t Value;   // int, colour or bool (0/1) entries
    const char* Resource; // bitmap entries: the name of the program's bitmap resource; null otherwise
};
TvskBuiltInEntry BuiltInThemeEntry(TvskUIStyle Style, int Index);

// The built-in getters that read the tables only. Each returns its default when the entry is of another
// kind or the style is not a built-in one: 0 (black), -1 and false.
TColor GetInsideThemeColor(TvskUIStyle Style, int Index);
int GetInsideThemeInt(TvskUIStyle Style, int Index);
bool GetInsideThemeBool(TvskUIStyle Style, int Index);
