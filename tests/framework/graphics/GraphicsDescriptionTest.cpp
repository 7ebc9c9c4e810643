// Fonts and pictures as window descriptions store them: "Font.Name = 'Tahoma'", "Picture.Data = {...}".
#include "tests/support/Pixels.h"

#include "framework/core/Component.h"
#include "framework/core/DescriptionReader.h"
#include "framework/core/DescriptionWriter.h"
#include "framework/core/Properties.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

// A component that publishes a font and a picture the way controls do.
class TGraphicsHolder : public TComponent {
    VSK_CLASS(TGraphicsHolder, TComponent)

public:
    explicit TGraphicsHolder(TComponent* AOwner) : TComponent(AOwner) {}

    TFont* Font() { return &FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    TPicture* Picture() { return &FPicture; }
    void SetPicture(const TPicture& Value) { FPicture.Assign(Value); }

private:
    TFont FFont;
    TPicture FPicture;
};

VSK_IMPLEMENT_CLASS(TGraphicsHolder)

void TGraphicsHolder::Publish(TPublisher<TGraphicsHolder>& p) {
    p.Object("Font", &TGraphicsHolder::Font, &TGraphicsHolder::SetFont);
    p.Object("Picture", &TGraphicsHolder::Picture, &TGraphicsHolder::SetPicture);
}

} // namespace

TEST(GraphicsDescription, FontPropertiesReadByName) {
    TGraphicsHolder Holder(nullptr);
    ReadComponentDescription(Holder, R"(object Holder: TGraphicsHolder
  Font.Color = clWhite
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = [fsBold]
end
)");
    EXPECT_EQ(Holder.Font()->Name(), "Tahoma");
    EXPECT_EQ(Holder.Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(Holder.Font()->Color(), clWhite);
    EXPECT_EQ(Holder.Font()->Height(), -11);
}

TEST(GraphicsDescription, FontAndPictureSurviveAWriteAndARead) {
    TGraphicsHolder Original(nullptr);
    Original.SetName("Holder");
    Original.Font()->SetName("Courier New");
    Original.Font()->SetStyle({fsItalic});
    Original.Picture()->Bitmap().SetSize(3, 2);
    Original.Picture()->Bitmap().Canvas().SetPixels(2, 1, clRed);
    const std::string Text = WriteComponentDescription(Original);
    EXPECT_NE(Text.find("Font.Name = 'Courier New'"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("Font.Size"), std::string::npos) << Text; // Height says it already
    EXPECT_NE(Text.find("Picture.Data"), std::string::npos) << Text;

    TGraphicsHolder Copy(nullptr);
    ReadComponentDescription(Copy, Text);
    EXPECT_EQ(Copy.Font()->Name(), "Courier New");
    EXPECT_EQ(Copy.Font()->Style(), TFontStyles{fsItalic});
    ASSERT_EQ(Copy.Picture()->Width(), 3);
    EXPECT_EQ(PixelAt(Copy.Picture()->Bitmap(), 2, 1), clRed);
}
