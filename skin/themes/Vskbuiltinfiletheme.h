// A file theme whose theme file travels inside the stored form description ("SkinData"), so that the
// program needs no separate theme file at run time.
#pragma once

#include "skin/themes/Vskmgr.h"

class TStream;

class TvskBuiltInFileTheme : public TvskFileTheme {
    VSK_CLASS(TvskBuiltInFileTheme, TvskFileTheme)

public:
    explicit TvskBuiltInFileTheme(TComponent* AOwner);

    // Its own published "ThemeFile": the theme file chosen at design time, whose bytes are stored as SkinData.
    // Setting it only records the name. The inherited ThemeFile names the temporary copy that was loaded.
    const std::string& ThemeFile2() const { return FDesignThemeFile; }
    void SetThemeFile2(const std::string& Value) { FDesignThemeFile = Value; }

    // "SkinData" while a description is read: the bytes are saved to a temporary theme file of its own
    // (VSKTEMP.vsk in the temporary folder, or VSKTEMP1.vsk, VSKTEMP2.vsk, ... when taken), loaded, and the
    // file is deleted again, also when loading fails. The loaded theme stays in memory.
    void ReadSkinData(TStream& Stream);
    // "SkinData" while a description is written: the bytes of the design-time theme file.
    void WriteSkinData(TStream& Stream) const;
    // Whether there is SkinData to write: the design-time theme file exists.
    bool HasSkinData() const;

private:
    std::string FDesignThemeFile;
};
