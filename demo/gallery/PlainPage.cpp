#include "demo/gallery/PlainPage.h"

#include "framework/win/controls/Image.h"
#include "framework/win/controls/Label.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Picture.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemes.h"

namespace {

constexpr int Margin = 12;
constexpr int ButtonWidth = 120;
constexpr int ButtonHeight = 30;

// A button face of the style stretched over a button-sized image, in its three states.
void Build(TForm& Form, TvskUIStyle Style) {
    Form.SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
    for (int Frame = 1; Frame <= 3; ++Frame) {
        TBitmap Face;
        GetInsideThemeBitmap(Style, VSK_THEME_BUTTON_IMAGE, &Face, 3, Frame);
        auto* Image = new TImage(&Form);
        Image->SetParent(&Form);
        Image->SetBounds(Margin + (Frame - 1) * (ButtonWidth + Margin), Margin, ButtonWidth, ButtonHeight);
        TBitmap& Picture = Image->Picture()->Bitmap();
        Picture.SetSize(ButtonWidth, ButtonHeight);
        Picture.Canvas().Brush().SetColor(Form.Color());
        Picture.Canvas().FillRect(TRect(0, 0, ButtonWidth, ButtonHeight));
        SpitDraw(Face, Picture.Canvas(), TRect(0, 0, ButtonWidth, ButtonHeight), true);
    }
}

} // namespace

const TGalleryPage PlainPage{"faces", 3 * (ButtonWidth + Margin) + Margin, ButtonHeight + 2 * Margin, Build, nullptr};
