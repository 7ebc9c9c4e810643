#include "framework/core/Colors.h"

#include "framework/core/TextUtils.h"

#include <array>

namespace {

struct TColorName {
    TColor Color;
    const char* Name;
};

// Colours with two names list the preferred one first: it is the one descriptions are written with.
constexpr std::array ColorNames = {
    TColorName{clBlack, "clBlack"},
    TColorName{clMaroon, "clMaroon"},
    TColorName{clGreen, "clGreen"},
    TColorName{clOlive, "clOlive"},
    TColorName{clNavy, "clNavy"},
    TColorName{clPurple, "clPurple"},
    TColorName{clTeal, "clTeal"},
    TColorName{clGray, "clGray"},
    TColorName{clSilver, "clSilver"},
    TColorName{clRed, "clRed"},
    TColorName{clLime, "clLime"},
    TColorName{clYellow, "clYellow"},
    TColorName{clBlue, "clBlue"},
    TColorName{clFuchsia, "clFuchsia"},
    TColorName{clAqua, "clAqua"},
    TColorName{clWhite, "clWhite"},
    TColorName{clLtGray, "clLtGray"},
    TColorName{clDkGray, "clDkGray"},
    TColorName{clMoneyGreen, "clMoneyGreen"},
    TColorName{clSkyBlue, "clSkyBlue"},
    TColorName{clCream, "clCream"},
    TColorName{clMedGray, "clMedGray"},
    TColorName{clNone, "clNone"},
    TColorName{clDefault, "clDefault"},
    TColorName{clScrollBar, "clScrollBar"},
    TColorName{clBackground, "clBackground"},
    TColorName{clActiveCaption, "clActiveCaption"},
    TColorName{clInactiveCaption, "clInactiveCaption"},
    TColorName{clMenu, "clMenu"},
    TColorName{clWindow, "clWindow"},
    TColorName{clWindowFrame, "clWindowFrame"},
    TColorName{clMenuText, "clMenuText"},
    TColorName{clWindowText, "clWindowText"},
    TColorName{clCaptionText, "clCaptionText"},
    TColorName{clActiveBorder, "clActiveBorder"},
    TColorName{clInactiveBorder, "clInactiveBorder"},
    TColorName{clAppWorkSpace, "clAppWorkSpace"},
    TColorName{clHighlight, "clHighlight"},
    TColorName{clHighlightText, "clHighlightText"},
    TColorName{clBtnFace, "clBtnFace"},
    TColorName{clBtnShadow, "clBtnShadow"},
    TColorName{clGrayText, "clGrayText"},
    TColorName{clBtnText, "clBtnText"},
    TColorName{clInactiveCaptionText, "clInactiveCaptionText"},
    TColorName{clBtnHighlight, "clBtnHighlight"},
    TColorName{cl3DDkShadow, "cl3DDkShadow"},
    TColorName{cl3DLight, "cl3DLight"},
    TColorName{clInfoText, "clInfoText"},
    TColorName{clInfoBk, "clInfoBk"},
    TColorName{clHotLight, "clHotLight"},
    TColorName{clGradientActiveCaption, "clGradientActiveCaption"},
    TColorName{clGradientInactiveCaption, "clGradientInactiveCaption"},
    TColorName{clMenuHighlight, "clMenuHighlight"},
    TColorName{clMenuBar, "clMenuBar"},
};

} // namespace

bool ColorToIdent(TColor Color, std::string& Ident) {
    for (const TColorName& Entry : ColorNames)
        if (Entry.Color == Color) {
            Ident = Entry.Name;
            return true;
        }
    return false;
}

bool IdentToColor(std::string_view Ident, TColor& Color) {
    for (const TColorName& Entry : ColorNames)
        if (SameText(Entry.Name, Ident)) {
            Color = Entry.Color;
            return true;
        }
    return false;
}
