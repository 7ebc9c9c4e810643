// TvskThemeSource: where a skinned component reads its theme entries from during one style application.
// UsingFileTheme decides once, when the source is made, between the component's file theme and a built-in
// style; every read then goes to the one source chosen, so no component writes that branch itself.
//
//   void TvskButton::ApplyUIStyle(const TvskThemeSource& Theme) {
//       Theme.Bitmap(VSK_THEME_BUTTON_IMAGE, FStrip);
//       SetTransparent(Theme.Bool(VSK_THEME_BUTTON_TRANSPARENT_BOOL));
//   }
#pragma once

#include "framework/core/Colors.h"
#include "skin/themes/Vskthemetables.h"

class TBitmap;
class TvskFileTheme;

class TvskThemeSource {
public:
    // A component set to FromThemeFile reads FileTheme when that can be used, and DeepBlue otherwise; a
    // component set to a built-in style reads that style whatever its file theme.
    TvskThemeSource(const TvskFileTheme* FileTheme, TvskUIStyle UIStyle);

    // The style the entries come from: FromThemeFile while the file theme serves them.
    TvskUIStyle Style() const { return FStyle; }
    bool FromFile() const { return FFile != nullptr; }
    // The file theme that serves the entries; null for a built-in style.
    const TvskFileTheme* File() const { return FFile; }

    // Missing entries give the getters' defaults: -1 for integers (and for colours of a file theme that
    // lacks them), 0 for colours of the wrong kind, false for flags.
    TColor Color(int Index) const;
    int Int(int Index) const;
    bool Bool(int Index) const;
    // The whole image of a bitmap entry into Buf; Buf is left as it is when there is none.
    void Bitmap(int Index, TBitmap& Buf) const;
    // Frame SpitIndex (from 1) of SpitCount equal-width frames of the image; Buf ends up empty when there is
    // no image. A SpitCount below 1 stands for the whole image.
    void Bitmap(int Index, TBitmap& Buf, int SpitCount, int SpitIndex) const;

private:
    const TvskFileTheme* FFile = nullptr;
    TvskUIStyle FStyle;
};
