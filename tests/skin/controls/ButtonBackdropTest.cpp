// What shows through a see-through skinned button: a repaint for the button's own state (the pointer coming
// and going) reuses what its parent painted under it the paint before; any other paint, and a move, take it
// from the parent afresh.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/win/controls/Label.h"
#include "framework/win/graphics/ColorConversion.h"
#include "skin/controls/Vskbutton.h"
#include "skin/themes/Vskthemes.h"

#include <vector>

namespace {

struct ButtonBackdropTest : SkinControlFixture {
    // A plain label under the button: changing its colour changes what the parent paints there without the
    // button being told.
    TLabel* Under = nullptr;
    TvskButton* Button = nullptr;

    ButtonBackdropTest() {
        Under = new TLabel(Form.get());
        Under->SetParent(Form.get());
        Under->SetAutoSize(false);
        Under->SetTransparent(false);
        Under->SetColor(clRed);
        Under->SetBounds(10, 10, 120, 60);
        Button = Make<TvskButton>(20, 20);
        Button->SetUIStyle(BlueGlass);
    }

    // The pixels of the button where the parent shows through, found against the red label.
    static std::vector<TPoint> SeeThrough(const TBitmap& Painted) {
        std::vector<TPoint> Points;
        for (int Y = 0; Y < Painted.Height(); ++Y)
            for (int X = 0; X < Painted.Width(); ++X)
                if (PixelAt(Painted, X, Y) == ColorToRGB(clRed)) Points.push_back(TPoint{X, Y});
        return Points;
    }
    static bool ShowsEverywhere(const TBitmap& Painted, const std::vector<TPoint>& Points, TColor Color) {
        for (const TPoint& Point : Points)
            if (PixelAt(Painted, Point.x, Point.y) != ColorToRGB(Color)) return false;
        return true;
    }
};

TEST_F(ButtonBackdropTest, StateRepaintsReuseTheBackdropOtherPaintsTakeItAfresh) {
    ASSERT_TRUE(Button->Transparent());
    const std::vector<TPoint> Corners = SeeThrough(*PaintedImage(*Button));
    ASSERT_FALSE(Corners.empty());

    Under->SetColor(clLime);
    MouseMove(*Button, 5, 5);
    // The screen under the button still holds the red it painted last; the hover repaint keeps to it.
    EXPECT_TRUE(ShowsEverywhere(*PaintedImage(*Button), Corners, clRed));
    EXPECT_TRUE(ShowsEverywhere(*PaintedImage(*Button), Corners, clLime));

    // A state change and a move together: the move wins.
    Under->SetColor(clRed);
    MouseMove(*Button, 6, 6);
    MouseMove(*Form, 300, 250);
    Button->SetLeft(Button->Left() + 1);
    EXPECT_FALSE(ShowsEverywhere(*PaintedImage(*Button), Corners, clLime));
}

} // namespace
