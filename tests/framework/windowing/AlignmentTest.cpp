// Alignment and anchoring: the pure geometry on rectangles, then the same rules on controls whose windows
// do not exist yet (alignment needs no windows), and a form's client size against its real window.
#include "framework/win/windowing/Alignment.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Form.h"
#include "framework/win/windowing/SizeConstraints.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TAlignItem Item(TAlign Align, const TRect& Bounds, bool Visible = true) {
    return {Align, Visible, Bounds, {}};
}

} // namespace

TEST(AlignItems, SidesAreStackedTopBottomLeftRightAndClientTakesWhatIsLeft) {
    std::vector<TAlignItem> Items = {
        Item(alClient, Bounds(0, 0, 5, 5)),  Item(alRight, Bounds(0, 0, 40, 5)), Item(alLeft, Bounds(0, 0, 30, 5)),
        Item(alBottom, Bounds(0, 0, 5, 20)), Item(alTop, Bounds(0, 0, 5, 10)),   Item(alNone, Bounds(7, 8, 9, 10)),
    };
    TRect Client(0, 0, 200, 100);
    AlignItems(Items, Client);
    EXPECT_EQ(Bounds(0, 0, 200, 10), Items[4].Bounds);
    EXPECT_EQ(Bounds(0, 80, 200, 20), Items[3].Bounds);
    EXPECT_EQ(Bounds(0, 10, 30, 70), Items[2].Bounds);
    EXPECT_EQ(Bounds(160, 10, 40, 70), Items[1].Bounds);
    EXPECT_EQ(Bounds(30, 10, 130, 70), Items[0].Bounds);
    EXPECT_EQ(Bounds(7, 8, 9, 10), Items[5].Bounds);
    EXPECT_EQ(TRect(30, 10, 160, 80), Client);
}

TEST(AlignItems, ControlsOfOneSideKeepTheOrderOfTheirPositionsAndTheMovedOneWinsTies) {
    std::vector<TAlignItem> Items = {Item(alTop, Bounds(0, 50, 10, 10)), Item(alTop, Bounds(0, 5, 10, 20)),
                                     Item(alTop, Bounds(0, 0, 10, 30), false)};
    TRect Client(0, 0, 100, 100);
    AlignItems(Items, Client);
    EXPECT_EQ(Bounds(0, 0, 100, 20), Items[1].Bounds); // it was higher up
    EXPECT_EQ(Bounds(0, 20, 100, 10), Items[0].Bounds);
    EXPECT_EQ(Bounds(0, 0, 10, 30), Items[2].Bounds); // hidden: not aligned

    // Moved to where the other one is: it goes first.
    Items[0].Bounds = Bounds(0, 0, 100, 10);
    Client = TRect(0, 0, 100, 100);
    AlignItems(Items, Client, 0);
    EXPECT_EQ(Bounds(0, 0, 100, 10), Items[0].Bounds);
    EXPECT_EQ(Bounds(0, 10, 100, 20), Items[1].Bounds);

    // Bottom and right stacks start from their side: the lowest (rightmost) one is outermost.
    std::vector<TAlignItem> Right = {Item(alRight, Bounds(10, 0, 10, 5)), Item(alRight, Bounds(60, 0, 20, 5))};
    Client = TRect(0, 0, 100, 50);
    AlignItems(Right, Client);
    EXPECT_EQ(Bounds(80, 0, 20, 50), Right[1].Bounds);
    EXPECT_EQ(Bounds(70, 0, 10, 50), Right[0].Bounds);
}

TEST(AlignItems, ConstraintsLimitWhatAControlTakesAndTheRestGoesToTheNext) {
    std::vector<TAlignItem> Items = {Item(alLeft, Bounds(0, 0, 10, 10)), Item(alClient, Bounds(0, 0, 1, 1))};
    Items[0].Limits.MinWidth = 25;
    Items[0].Limits.MaxHeight = 40;
    Items[1].Limits.MaxWidth = 50;
    TRect Client(0, 0, 200, 100);
    AlignItems(Items, Client);
    EXPECT_EQ(Bounds(0, 0, 25, 40), Items[0].Bounds);
    EXPECT_EQ(Bounds(25, 0, 50, 100), Items[1].Bounds);
}

TEST(AnchoredBounds, AnchorsKeepDistancesToTheirEdgesAndUnanchoredControlsKeepTheirCentre) {
    const TAnchorRule Rule{Bounds(10, 20, 30, 40), {200, 100}};
    const SIZE Grown{300, 150};
    EXPECT_EQ(Bounds(10, 20, 30, 40), AnchoredBounds({akLeft, akTop}, Rule, Grown, {}));
    EXPECT_EQ(Bounds(110, 20, 30, 40), AnchoredBounds({akRight, akTop}, Rule, Grown, {}));
    EXPECT_EQ(Bounds(10, 20, 130, 90), AnchoredBounds({akLeft, akTop, akRight, akBottom}, Rule, Grown, {}));
    EXPECT_EQ(Bounds(10, 70, 30, 40), AnchoredBounds({akLeft, akBottom}, Rule, Grown, {}));
    // Centre 25 of 200 becomes 38 of 300 (37.5 rounded), vertically 40 of 100 becomes 60 of 150.
    EXPECT_EQ(Bounds(23, 40, 30, 40), AnchoredBounds({}, Rule, Grown, {}));
    TSizeLimits Limits;
    Limits.MaxWidth = 100;
    EXPECT_EQ(Bounds(10, 20, 100, 40), AnchoredBounds({akLeft, akTop, akRight}, Rule, Grown, Limits));
}

struct ControlAlignmentTest : ::testing::Test {
    std::unique_ptr<TPanel> Container = std::make_unique<TPanel>(nullptr);

    ControlAlignmentTest() {
        Container->SetBevelOuter(bvNone);
        Container->SetBounds(0, 0, 300, 200);
    }
    TPanel* Child(TAlign Align, const TRect& Bounds) {
        auto* Panel = new TPanel(Container.get());
        Panel->SetBoundsRect(Bounds);
        Panel->SetParent(Container.get());
        Panel->SetAlign(Align);
        return Panel;
    }
};

TEST_F(ControlAlignmentTest, AlignedChildrenFollowTheirParentWithoutAnyWindow) {
    TPanel* Top = Child(alTop, Bounds(0, 0, 10, 30));
    TPanel* Client = Child(alClient, Bounds(0, 0, 10, 10));
    TPanel* Left = Child(alLeft, Bounds(0, 0, 50, 10));
    EXPECT_FALSE(Container->HandleAllocated());
    EXPECT_EQ(Bounds(0, 0, 300, 30), Top->BoundsRect());
    EXPECT_EQ(Bounds(0, 30, 50, 170), Left->BoundsRect());
    EXPECT_EQ(Bounds(50, 30, 250, 170), Client->BoundsRect());

    Container->SetBounds(0, 0, 400, 100);
    EXPECT_EQ(Bounds(0, 0, 400, 30), Top->BoundsRect());
    EXPECT_EQ(Bounds(50, 30, 350, 70), Client->BoundsRect());

    Top->Hide();
    EXPECT_EQ(Bounds(0, 0, 50, 100), Left->BoundsRect());
    Left->SetAlign(alNone);
    EXPECT_EQ(Bounds(0, 0, 400, 100), Client->BoundsRect());
    EXPECT_EQ(Bounds(0, 0, 50, 100), Left->BoundsRect());
    EXPECT_FALSE(Container->HandleAllocated());
}

TEST_F(ControlAlignmentTest, BevelsNarrowTheAreaAndDisableAlignBatchesChanges) {
    Container->SetBevelOuter(bvRaised);
    Container->SetBevelInner(bvLowered);
    Container->SetBevelWidth(2);
    TPanel* Client = Child(alClient, Bounds(0, 0, 10, 10));
    EXPECT_EQ(TRect(4, 4, 296, 196), Client->BoundsRect());

    int Resizes = 0;
    Client->OnResize = [&](TObject*) { ++Resizes; };
    Container->DisableAlign();
    Container->SetWidth(200);
    Container->SetHeight(100);
    EXPECT_EQ(0, Resizes);
    Container->EnableAlign();
    EXPECT_EQ(1, Resizes);
    EXPECT_EQ(TRect(4, 4, 196, 96), Client->BoundsRect());
}

TEST_F(ControlAlignmentTest, AnchoredChildrenKeepTheirDistancesAsTheParentResizes) {
    TPanel* Corner = Child(alNone, Bounds(250, 150, 40, 40));
    Corner->SetAnchors({akRight, akBottom});
    TPanel* Stretched = Child(alNone, Bounds(10, 10, 280, 20));
    Stretched->SetAnchors({akLeft, akTop, akRight});
    TPanel* Fixed = Child(alNone, Bounds(10, 50, 20, 20));

    Container->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(Bounds(350, 250, 40, 40), Corner->BoundsRect());
    EXPECT_EQ(Bounds(10, 10, 380, 20), Stretched->BoundsRect());
    EXPECT_EQ(Bounds(10, 50, 20, 20), Fixed->BoundsRect());

    // Moving an anchored control by hand makes its new place the one it keeps.
    Corner->SetLeft(300);
    Container->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(Bounds(200, 150, 40, 40), Corner->BoundsRect());
}

TEST(FormClientSize, TheClientSizeOfAFormWithoutAWindowIsWhatItsWindowGets) {
    for (TFormBorderStyle Style : {bsDialog, bsSizeable, bsToolWindow, bsNone}) {
        auto Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(Style);
        Form->SetClientWidth(794);
        Form->SetClientHeight(610);
        const TRect Before = Form->ClientRect();
        Form->HandleNeeded();
        RECT Client;
        ::GetClientRect(Form->Handle(), &Client);
        EXPECT_EQ(TRect(0, 0, 794, 610), Before) << Style;
        EXPECT_EQ(TRect(0, 0, 794, 610), TRect(Client)) << Style;
    }
}
