#include "framework/win/graphics/Font.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/GraphicsExceptions.h"

#include <cstring>

const TEnumInfo TFontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumInfo TFontPitchInfo{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};

namespace {
constexpr const char* DefaultFontName = "MS Sans Serif";
constexpr int DefaultFontHeight = -11;
constexpr int PointsPerInch = 72;
constexpr BYTE PitchFlags[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
} // namespace

VSK_IMPLEMENT_CLASS(TFont)

void TFont::Publish(TPublisher<TFont>& p) {
    p.Int("Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
    p.Color("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText);
    p.Int("Height", &TFont::Height, &TFont::SetHeight);
    p.Str("Name", &TFont::Name, &TFont::SetName);
    p.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, TFontPitchInfo).Default(fpDefault);
    // Size is Height seen in points: descriptions store Height only.
    p.Int("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    p.Set("Style", &TFont::Style, &TFont::SetStyle, TFontStyleInfo).Default(TFontStyles{});
}

TFont::TFont()
    : FName(DefaultFontName), FHeight(DefaultFontHeight), FColor(clWindowText), FCharset(DEFAULT_CHARSET),
      FPitch(fpDefault) {}

int TFont::ScreenPixelsPerInch() {
    static const int PixelsPerInch = [] {
        const TWindowDC Screen(nullptr);
        return ::GetDeviceCaps(Screen.Handle(), LOGPIXELSY);
    }();
    return PixelsPerInch;
}

void TFont::HandleChanged() {
    FHandleStale = true;
    Changed();
}

void TFont::SetName(const std::string& Value) {
    if (Value == FName || Value.empty()) return;
    FName = Value;
    HandleChanged();
}

void TFont::SetHeight(int Value) {
    if (Value == FHeight) return;
    FHeight = Value;
    HandleChanged();
}

int TFont::Size() const {
    return -::MulDiv(FHeight, PointsPerInch, ScreenPixelsPerInch());
}

void TFont::SetSize(int Value) {
    SetHeight(-::MulDiv(Value, ScreenPixelsPerInch(), PointsPerInch));
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    HandleChanged();
}

void TFont::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed(); // the HFONT does not carry the colour
}

void TFont::SetCharset(int Value) {
    if (Value == FCharset) return;
    FCharset = Value;
    HandleChanged();
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value == FPitch) return;
    FPitch = Value;
    HandleChanged();
}

void TFont::AssignLogFont(const LOGFONTA& LogFont) {
    FName = LogFont.lfFaceName;
    FHeight = LogFont.lfHeight;
    TFontStyles Style;
    if (LogFont.lfWeight >= FW_BOLD) Style.Include(fsBold);
    if (LogFont.lfItalic) Style.Include(fsItalic);
    if (LogFont.lfUnderline) Style.Include(fsUnderline);
    if (LogFont.lfStrikeOut) Style.Include(fsStrikeOut);
    FStyle = Style;
    FCharset = LogFont.lfCharSet;
    switch (LogFont.lfPitchAndFamily & (VARIABLE_PITCH | FIXED_PITCH)) {
    case VARIABLE_PITCH: FPitch = fpVariable; break;
    case FIXED_PITCH: FPitch = fpFixed; break;
    default: FPitch = fpDefault; break;
    }
    HandleChanged();
}

HFONT TFont::Handle() const {
    if (FHandleStale || !FHandle) {
        LOGFONTA LogFont{};
        LogFont.lfHeight = FHeight;
        LogFont.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        LogFont.lfItalic = FStyle.Contains(fsItalic);
        LogFont.lfUnderline = FStyle.Contains(fsUnderline);
        LogFont.lfStrikeOut = FStyle.Contains(fsStrikeOut);
        LogFont.lfCharSet = static_cast<BYTE>(FCharset);
        LogFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
        LogFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        LogFont.lfQuality = DEFAULT_QUALITY;
        LogFont.lfPitchAndFamily = PitchFlags[FPitch];
        // lfFaceName holds 31 characters and the terminator; longer names are cut as GDI would.
        std::strncpy(LogFont.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
        FHandle.Reset(::CreateFontIndirectA(&LogFont));
        if (!FHandle) throw EOutOfResources();
        FHandleStale = false;
    }
    return FHandle.Get();
}

// Copying a font that looks the same keeps the HFONT already made: controls copy their font onto a canvas on
// every paint, and realizing a font anew would cost more than the rest of such a paint.
void TFont::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TFont*>(&Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    const bool SameFace = FName == Other->FName && FHeight == Other->FHeight && FStyle == Other->FStyle &&
                          FCharset == Other->FCharset && FPitch == Other->FPitch;
    if (SameFace) {
        SetColor(Other->FColor);
        return;
    }
    FName = Other->FName;
    FHeight = Other->FHeight;
    FStyle = Other->FStyle;
    FColor = Other->FColor;
    FCharset = Other->FCharset;
    FPitch = Other->FPitch;
    HandleChanged();
}
