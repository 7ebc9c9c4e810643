// Creating, drawing and destroying graphics many times must give back every handle.
#include "tests/framework/graphics/GraphicsResources.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Pixels.h"

#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/win/graphics/HandleCounts.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/graphics/Picture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int Iterations = 1000;

// One round of everything the skin engine does with graphics on a paint.
void PaintOnce(int Round) {
    TBitmap Buffer(64, 32);
    TCanvas& Canvas = Buffer.Canvas();
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.FillRect(TRect(0, 0, 64, 32));
    Canvas.Font().SetName(Round % 2 ? "Tahoma" : "Courier New");
    Canvas.Font().SetStyle({fsBold});
    Canvas.Brush().SetStyle(bsClear);
    Canvas.TextOut(2, 2, "Stress");
    Canvas.Pen().SetColor(clRed);
    Canvas.Pen().SetWidth(1 + Round % 3);
    Canvas.MoveTo(0, 31);
    Canvas.LineTo(63, 0);
    Canvas.RoundRect(4, 4, 30, 20, 5, 5);
    Canvas.DrawFocusRect(TRect(1, 1, 20, 20));

    TBitmap Pattern(8, 8);
    Pattern.Canvas().SetPixels(Round % 8, 0, clBlack);
    Canvas.Brush().SetBitmap(&Pattern);
    Canvas.FillRect(TRect(40, 0, 64, 16));
    Canvas.Brush().SetBitmap(nullptr);

    TBitmap Face(12, 9);
    Fill(Face, clFuchsia);
    Face.Canvas().SetPixels(5, 5, clBlue);
    Face.SetTransparent(true);
    Canvas.Draw(Round % 20, 3, Face);
    Canvas.StretchDraw(TRect(0, 0, 40, 30), Face);

    const std::unique_ptr<TImageList> List(new TImageList(nullptr, 6, 9));
    List->AddMasked(Face, clFuchsia);
    List->Draw(Canvas, 1, 1, 0, true);
    List->Draw(Canvas, 1, 1, 1, false);
    TBitmap Out;
    List->GetBitmap(0, Out);

    TPicture Picture;
    Picture.Assign(Buffer);
    TMemoryStream Data;
    FindPropInfo(Picture, "Data")->WriteData(Picture, Data);
    Data.SetPosition(0);
    TPicture Copy;
    FindPropInfo(Copy, "Data")->ReadData(Copy, Data);
    Copy.Bitmap().SetSize(10 + Round % 5, 10);

    TIcon Icon;
    Icon.LoadFromResourceName(::GetModuleHandleA(nullptr), TestIconResource, 16);
    Canvas.Draw(40, 10, Icon);
}

} // namespace

TEST(Stress, ThousandPaintsGiveBackEveryHandle) {
    PaintOnce(0); // first-use caches (the screen's resolution) are made before counting
    const auto Before = HandleSnapshot();
    for (int Round = 0; Round < Iterations; ++Round)
        PaintOnce(Round);
    EXPECT_EQ(HandleSnapshot(), Before);
    EXPECT_EQ(THandleCounts::TotalLive(), [&] {
        long Total = 0;
        for (long Count : Before)
            Total += Count;
        return Total;
    }());
}
