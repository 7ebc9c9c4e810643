// Themes as the skinned components use them: the built-in getters (the tables are in Vskthemetables.h),
// the choice between a file theme and a built-in style, the start-up style of a new component, and handing
// a style down to a container's children.
//
// Skinned components do not call these one by one: they derive from TvskThemed (Vskthemed.h), which keeps
// the rules every skinned component follows, and read their entries from a TvskThemeSource.
#pragma once

#include "skin/themes/Vskthemetables.h"

#include <string_view>

class TBitmap;
class TComponent;
class TObject;
class TWinControl;
class TvskFileTheme;

// The names under which skinned components publish their style and file theme.
inline constexpr const char* VskUIStyleProperty = "UIStyle";
inline constexpr const char* VskFileThemeProperty = "FileTheme";

// Whether Component belongs to the skin engine: its class name begins with "Tvsk". File themes and theme
// managers only ever touch such components.
bool IsSkinnedComponent(const TComponent& Component);

// Loads the image of a bitmap entry from the program's bitmap resources into Buf (owned by the caller): the
// whole image when SpitCount is 0, else frame SpitIndex (from 1) of SpitCount equal-width frames. A null Buf
// is left alone. For an entry that is not a bitmap, or a style without a row, nothing is loaded: Buf keeps
// its content with SpitCount 0 and ends up empty otherwise. A missing resource raises EResNotFound.
void GetInsideThemeBitmap(TvskUIStyle UIStyle, int Index, TBitmap* Buf, int SpitCount = 0, int SpitIndex = 0);

// Whether the caller reads its entries from FileTheme. Otherwise VskStyle is the built-in style to use: the
// one asked for, or DeepBlue when FromThemeFile was asked for without a usable file theme.
bool UsingFileTheme(const TvskFileTheme* FileTheme, TvskUIStyle UIStyle, TvskUIStyle& VskStyle);

// The style a component created with this owner starts with: that of the first skinned form frame (a
// TvskCustomForm: TvskForm or a descendant) among the owner form's direct child controls; DeepBlue otherwise.
TvskUIStyle GetVSKFormStyle(const TComponent* Owner);

// Sets "FileTheme" and then "UIStyle" by name on every direct child control of Container that publishes
// both, so that a child switched to FromThemeFile already sees its new theme. Grandchildren are left to
// their own parents.
void ContainerApplyUIStyle(const TWinControl& Container, TvskUIStyle UIStyle, TvskFileTheme* FileTheme);

// Whether the component's class publishes a property of that name (letter case ignored).
bool IsHasProperty(const TObject& Component, std::string_view Name);
