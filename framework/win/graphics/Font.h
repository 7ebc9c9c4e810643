// TFont: the description of a GDI font (name, height, style, colour, character set, pitch) and the one HFONT
// made from it. The HFONT is created on first use and made again only after an attribute that it depends on
// has changed; the colour is drawn with, not part of the HFONT.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Sets.h"
#include "framework/win/graphics/GraphicsObject.h"
#include "framework/win/graphics/HandleOwners.h"

#include <cstdint>
#include <string>

struct TEnumInfo;

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
extern const TEnumInfo TFontStyleInfo;

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
extern const TEnumInfo TFontPitchInfo;

class TFont : public TGraphicsObject {
    VSK_CLASS(TFont, TGraphicsObject)

public:
    // The classic dialog font: MS Sans Serif, 8 points (11 pixels at 96 dots per inch), window text colour.
    TFont();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    // Negative: character height in pixels (without internal leading); positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    // Points, derived from Height at the screen's resolution.
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Charset() const { return FCharset; }
    void SetCharset(int Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);

    // Takes name, height, style, character set and pitch from a LOGFONT (the system's menu or caption font).
    void AssignLogFont(const LOGFONTA& LogFont);
    // The font as GDI sees it. Owned by this object: never delete it, and do not keep it selected into a DC
    // across a change of the font (OnChange is the moment to deselect it).
    HFONT Handle() const;
    // Whether the next Handle makes a new HFONT (a property it carries changed since the last one).
    bool HandleStale() const { return FHandleStale; }

    void Assign(const TPersistent& Source) override;

    // Logical pixels per inch of the screen, for converting points.
    static int ScreenPixelsPerInch();

private:
    // An attribute of the HFONT changed: drop the cached handle's validity and tell the listeners.
    void HandleChanged();

    std::string FName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor;
    int FCharset;
    TFontPitch FPitch;
    mutable TFontHandle FHandle;
    mutable bool FHandleStale = true;
};
