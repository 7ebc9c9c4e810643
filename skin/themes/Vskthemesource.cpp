#include "skin/themes/Vskthemesource.h"

#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemes.h"

TvskThemeSource::TvskThemeSource(const TvskFileTheme* FileTheme, TvskUIStyle UIStyle) : FStyle(UIStyle) {
    if (UsingFileTheme(FileTheme, UIStyle, FStyle)) FFile = FileTheme;
}

TColor TvskThemeSource::Color(int Index) const {
    return FFile ? FFile->GetColor(Index) : GetInsideThemeColor(FStyle, Index);
}

int TvskThemeSource::Int(int Index) const {
    return FFile ? FFile->GetInt(Index) : GetInsideThemeInt(FStyle, Index);
}

bool TvskThemeSource::Bool(int Index) const {
    return FFile ? FFile->GetBool(Index) : GetInsideThemeBool(FStyle, Index);
}

void TvskThemeSource::Bitmap(int Index, TBitmap& Buf) const {
    if (FFile)
        FFile->GetBitmap(Index, &Buf);
    else
        GetInsideThemeBitmap(FStyle, Index, &Buf);
}

void TvskThemeSource::Bitmap(int Index, TBitmap& Buf, int SpitCount, int SpitIndex) const {
    if (SpitCount < 1)
        Bitmap(Index, Buf);
    else if (FFile)
        FFile->GetBitmap(Index, &Buf, SpitCount, SpitIndex);
    else
        GetInsideThemeBitmap(FStyle, Index, &Buf, SpitCount, SpitIndex);
}
