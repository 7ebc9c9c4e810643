// Font, pen and brush: cached GDI objects made again only after a change, change notification, copying,
// published properties, and the brush styles as they paint.
#include "tests/support/Pixels.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/Pen.h"

#include <gtest/gtest.h>

TEST(Font, KeepsOneHandleUntilAnAttributeOfItChanges) {
    TFont Font;
    int Changes = 0;
    Font.OnChange = [&](TObject*) { ++Changes; };
    const HFONT First = Font.Handle();
    EXPECT_EQ(Font.Handle(), First);
    Font.SetColor(clRed); // drawn with, not part of the HFONT
    EXPECT_EQ(Font.Handle(), First);
    EXPECT_EQ(Changes, 1);
    Font.SetStyle({fsBold, fsItalic});
    EXPECT_EQ(Changes, 2);
    const HFONT Second = Font.Handle();
    EXPECT_NE(Second, First);
    EXPECT_EQ(::GetObjectType(First), 0u); // the old one is deleted

    LOGFONTA Log{};
    ::GetObjectA(Second, sizeof Log, &Log);
    EXPECT_EQ(Log.lfWeight, FW_BOLD);
    EXPECT_TRUE(Log.lfItalic);
    EXPECT_EQ(Log.lfHeight, -11);
    EXPECT_STREQ(Log.lfFaceName, "MS Sans Serif");

    Font.SetName("Tahoma"); // the same value again is no change
    Font.SetName("Tahoma");
    EXPECT_EQ(Changes, 3);
}

TEST(Font, SizeIsHeightInPoints) {
    TFont Font;
    ASSERT_EQ(TFont::ScreenPixelsPerInch(), 96);
    EXPECT_EQ(Font.Height(), -11);
    EXPECT_EQ(Font.Size(), 8);
    Font.SetSize(12);
    EXPECT_EQ(Font.Height(), -16);
    Font.SetHeight(-13);
    EXPECT_EQ(Font.Size(), 10);
}

TEST(Font, AssignAndLogFontCopyEveryAttribute) {
    TFont Source;
    Source.SetName("Courier New");
    Source.SetHeight(-20);
    Source.SetStyle({fsUnderline, fsStrikeOut});
    Source.SetColor(clNavy);
    Source.SetCharset(ANSI_CHARSET);
    Source.SetPitch(fpFixed);
    TFont Copy;
    int Changes = 0;
    Copy.OnChange = [&](TObject*) { ++Changes; };
    Copy.Assign(Source);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Copy.Name(), "Courier New");
    EXPECT_EQ(Copy.Height(), -20);
    EXPECT_EQ(Copy.Style(), (TFontStyles{fsUnderline, fsStrikeOut}));
    EXPECT_EQ(Copy.Color(), clNavy);
    EXPECT_EQ(Copy.Charset(), ANSI_CHARSET);
    EXPECT_EQ(Copy.Pitch(), fpFixed);

    LOGFONTA Log{};
    ::GetObjectA(Source.Handle(), sizeof Log, &Log);
    TFont FromLog;
    FromLog.AssignLogFont(Log);
    EXPECT_EQ(FromLog.Name(), "Courier New");
    EXPECT_EQ(FromLog.Height(), -20);
    EXPECT_EQ(FromLog.Style(), (TFontStyles{fsUnderline, fsStrikeOut}));
    EXPECT_EQ(FromLog.Pitch(), fpFixed);
}

// A canvas is given its control's font on every paint: copying a font that looks the same must not make a
// new HFONT, and a copy that only recolours it must still tell the canvas.
TEST(Font, AssigningTheSameFaceKeepsTheHandle) {
    TFont Source;
    Source.SetName("Tahoma");
    TFont Copy;
    Copy.Assign(Source);
    const HFONT First = Copy.Handle();
    int Changes = 0;
    Copy.OnChange = [&](TObject*) { ++Changes; };
    Copy.Assign(Source);
    EXPECT_EQ(Changes, 0);
    Source.SetColor(clMaroon);
    Copy.Assign(Source);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Copy.Color(), clMaroon);
    EXPECT_EQ(Copy.Handle(), First);
    Source.SetStyle({fsBold});
    Copy.Assign(Source);
    EXPECT_EQ(Changes, 2);
    EXPECT_NE(Copy.Handle(), First);
}

TEST(Font, PublishesWhatDescriptionsSet) {
    TFont Font;
    SetPropValue(Font, "Name", "Tahoma");
    SetPropValue(Font, "Style", TFontStyles{fsBold});
    SetPropValue(Font, "Color", clWhite);
    SetPropValue(Font, "Height", -11);
    EXPECT_EQ(Font.Name(), "Tahoma");
    EXPECT_EQ(Font.Style(), TFontStyles{fsBold});
    EXPECT_EQ(Font.Color(), clWhite);
    EXPECT_EQ(GetOrdProp(Font, "Size"), 8);
    EXPECT_FALSE(FindPropInfo(Font, "Size")->IsStored(Font)); // Height says it already
    EXPECT_EQ(FindPropInfo(Font, "Style")->EnumInfo(), &TFontStyleInfo);
}

TEST(Pen, HandleFollowsColourWidthAndStyleButNotMode) {
    TPen Pen;
    EXPECT_EQ(Pen.Rop2(), R2_COPYPEN);
    const HPEN First = Pen.Handle();
    Pen.SetMode(pmXor);
    EXPECT_EQ(Pen.Rop2(), R2_XORPEN);
    EXPECT_EQ(Pen.Handle(), First);
    Pen.SetWidth(3);
    Pen.SetColor(clBtnShadow);
    LOGPEN Log{};
    ::GetObjectA(Pen.Handle(), sizeof Log, &Log);
    EXPECT_EQ(Log.lopnWidth.x, 3);
    EXPECT_EQ(Log.lopnColor, ColorToRGB(clBtnShadow));
    Pen.SetStyle(psClear);
    ::GetObjectA(Pen.Handle(), sizeof Log, &Log);
    EXPECT_EQ(Log.lopnStyle, static_cast<UINT>(PS_NULL));
}

TEST(Pen, XorModeDrawsTwiceToNothing) {
    TBitmap Bitmap(10, 3);
    Fill(Bitmap, clWhite);
    TCanvas& Canvas = Bitmap.Canvas();
    Canvas.Pen().SetMode(pmXor);
    Canvas.Pen().SetColor(clBlue);
    auto DrawLine = [&] {
        Canvas.MoveTo(0, 1);
        Canvas.LineTo(10, 1);
    };
    DrawLine();
    EXPECT_TRUE(AreaIs(Bitmap, TRect(0, 1, 10, 2), clYellow)); // white xor blue
    DrawLine();
    EXPECT_TRUE(AreaIs(Bitmap, TRect(0, 0, 10, 3), clWhite));
}

TEST(Brush, ColourMakesAClearBrushSolidAgain) {
    TBrush Brush;
    Brush.SetStyle(bsClear);
    EXPECT_EQ(Brush.Handle(), ::GetStockObject(NULL_BRUSH));
    Brush.SetColor(clRed);
    EXPECT_EQ(Brush.Style(), bsSolid);
    EXPECT_NE(Brush.Handle(), ::GetStockObject(NULL_BRUSH));
}

TEST(Brush, PatternAndHatchFillTheirWay) {
    TBitmap Pattern(8, 8);
    Fill(Pattern, clWhite);
    for (int I = 0; I < 8; ++I)
        Pattern.Canvas().SetPixels(I, I, clBlack); // a diagonal
    TBitmap Target(16, 16);
    TCanvas& Canvas = Target.Canvas();
    Canvas.Brush().SetBitmap(&Pattern);
    Pattern.Canvas().SetPixels(0, 1, clRed); // the brush has its own copy
    Canvas.FillRect(TRect(0, 0, 16, 16));
    EXPECT_EQ(PixelAt(Target, 9, 9), clBlack);
    EXPECT_EQ(PixelAt(Target, 15, 15), clBlack);
    EXPECT_EQ(PixelAt(Target, 0, 1), clWhite);
    EXPECT_EQ(PixelAt(Target, 3, 12), clWhite);

    Canvas.Brush().SetBitmap(nullptr);
    Fill(Target, clWhite);
    Canvas.Brush().SetColor(clRed);
    Canvas.Brush().SetStyle(bsHorizontal);
    Canvas.FillRect(TRect(0, 0, 16, 16));
    int RedRows = 0;
    for (int Y = 0; Y < 16; ++Y)
        RedRows += AreaIs(Target, TRect(0, Y, 16, Y + 1), clRed);
    EXPECT_EQ(RedRows, 2); // one line every eight rows
}
