// The skinned MDI parent frame in real windows: its hold on the frame and on the MDI client window (and
// letting go of both), the control buttons of a maximized child, whose menu the bar shows, the children's
// cascading and tiling, the keys between children, and a stress of whole frames.
#include "tests/support/Components.h"
#include "tests/support/DeferredActions.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/RaisedMessage.h"
#include "tests/support/SystemInput.h"
#include "tests/support/WindowQueries.h"

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/menus/MainMenu.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vskmdiform.h"
#include "skin/frame/Vskmenubar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>

namespace {

// The area the children share, as the cascading and tiling examples give it.
constexpr int AreaWidth = 1000;
constexpr int AreaHeight = 600;

TRect WindowRectIn(HWND Window, HWND Parent) {
    RECT Rect;
    ::GetWindowRect(Window, &Rect);
    ::MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&Rect), 2);
    return TRect(Rect);
}

// An MDI frame (the application's main form, as MDI children need) with a skinned MDI frame on it, shown with
// an MDI client window of 1000 x 600.
struct TMDIWindow {
    std::unique_ptr<TForm> Frame;
    TvskMDIForm* Skin;

    explicit TMDIWindow(TvskUIStyle Style = BlueGlass) : Frame(Application->CreateForm<TForm>()) {
        EXPECT_EQ(Frame.get(), Application->MainForm()) << "another test left a main form";
        Frame->SetFormStyle(fsMDIForm);
        Frame->SetCaption("Frame");
        Frame->SetBounds(10, 10, AreaWidth, AreaHeight);
        Skin = new TvskMDIForm(Frame.get());
        Skin->SetUIStyle(Style);
        Frame->Show();
        FitArea();
    }
    ~TMDIWindow() {
        Frame.reset();
        Application->ProcessMessages();
    }
    HWND Client() const { return Frame->ClientHandle(); }
    TRect Area() const { return WindowRectIn(Client(), Frame->Handle()); }
    // The client area grows or shrinks so that the MDI client window is 1000 x 600 again.
    void FitArea() {
        PumpFor(20);
        const TRect Now = Area();
        Frame->SetClientWidth(Frame->ClientWidth() + AreaWidth - Now.Width());
        Frame->SetClientHeight(Frame->ClientHeight() + AreaHeight - Now.Height());
        PumpFor(20);
    }
    // A child, skinned or not; closing it destroys it.
    TForm* NewChild(const std::string& Caption, bool Skinned = true) {
        auto* Child = new TForm(Frame.get());
        Child->SetCaption(Caption);
        Child->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
        if (Skinned) new TvskForm(Child);
        Child->SetBounds(0, 0, 300, 200);
        Child->SetFormStyle(fsMDIChild);
        PumpFor(20);
        return Child;
    }
    TRect ChildBounds(TForm& Child) const { return WindowRectIn(Child.Handle(), Client()); }
    TvskMDIMenuPanel& Panel() const { return *Skin->MenuPanel(); }
};

TvskForm* SkinOf(TForm& Form) {
    for (int Index = 0; Index < Form.ControlCount(); ++Index)
        if (auto* Skin = dynamic_cast<TvskForm*>(Form.Controls(Index))) return Skin;
    return nullptr;
}

TvskMainMenu* NewMenu(TForm& Owner, std::initializer_list<const char*> Captions) {
    auto* Menu = new TvskMainMenu(&Owner);
    for (const char* Caption : Captions)
        NewMenuItem(&Owner, NewMenuItem(&Owner, Menu->Items(), Caption), "Item");
    return Menu;
}

POINT ScreenCenter(TControl& Control) {
    const TPoint Center = Control.ClientToScreen(TPoint(Control.Width() / 2, Control.Height() / 2));
    return {Center.x, Center.y};
}

} // namespace

TEST(MDIFrame, TakesTheCaptionAndBothProceduresAndHandsThemBackWhenRemoved) {
    auto Frame = std::unique_ptr<TForm>(Application->CreateForm<TForm>());
    Frame->SetFormStyle(fsMDIForm);
    Frame->SetBounds(10, 10, 500, 400);
    int NCPaints = 0;
    const TWndMethod Saved = Frame->WindowProc();
    Frame->SetWindowProc([&NCPaints, Saved](TMessage& Message) {
        if (Message.Msg == WM_NCPAINT) ++NCPaints;
        Saved(Message);
    });
    Frame->Show();
    const HWND Client = Frame->ClientHandle();
    const LONG_PTR ClientProc = ::GetWindowLongPtrA(Client, GWLP_WNDPROC);

    auto* Skin = new TvskMDIForm(Frame.get());
    PumpFor(20);
    EXPECT_EQ(0, ::GetWindowLongPtrA(Frame->Handle(), GWL_STYLE) & WS_CAPTION);
    EXPECT_NE(ClientProc, ::GetWindowLongPtrA(Client, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, ::GetMenu(Frame->Handle()));
    EXPECT_EQ(0, Skin->TitleBar()->Top());
    EXPECT_FALSE(Skin->MenuPanel()->Visible()) << "no menu, no band";
    NCPaints = 0;
    ::RedrawWindow(Frame->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(0, NCPaints) << "the skin paints the frame";
    // The children's area starts below the title bar.
    EXPECT_EQ(Skin->TitleBar()->Height(), WindowRectIn(Client, Frame->Handle()).top);

    delete Skin;
    EXPECT_EQ(ClientProc, ::GetWindowLongPtrA(Client, GWLP_WNDPROC)) << "the MDI client's own procedure again";
    EXPECT_EQ(WS_CAPTION, ::GetWindowLongPtrA(Frame->Handle(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(0, Frame->ControlCount()) << "title bar and menu band went with the component";
    ::RedrawWindow(Frame->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(NCPaints, 0) << "the form's saved procedure is its procedure again";
    // The client works on its own: cascading is the system's again, not the skin's 80 % of the area.
    auto* Child = new TForm(Frame.get());
    Child->SetFormStyle(fsMDIChild);
    Frame->Cascade();
    const TRect Area = WindowRectIn(Client, Frame->Handle());
    EXPECT_NE(static_cast<int>(std::lround(0.8 * Area.Width())), WindowRectIn(Child->Handle(), Client).Width());
    Frame.reset();
    Application->ProcessMessages();
}

TEST(MDIFrame, OnlyAFormCanCarryIt) {
    EXPECT_EQ(TvskMDIForm::NotOnFormMessage,
              RaisedMessage<EComponentError>([] { TvskMDIForm Loose(nullptr); }));
    TComponent Owner(nullptr);
    EXPECT_EQ(TvskMDIForm::NotOnFormMessage,
              RaisedMessage<EComponentError>([&Owner] { new TvskMDIForm(&Owner); }));
    EXPECT_EQ(0, Owner.ComponentCount()) << "the refused component left its owner again";
}

TEST(MDIFrame, PaintsItsFrameInTheStylesColoursAndRoundsItsTopCorners) {
    TMDIWindow Window(BlueGlass);
    EXPECT_EQ(11, Window.Skin->RoundCorner());
    EXPECT_EQ(1, Window.Skin->BorderWidth());
    const auto Shot = WindowImage(Window.Frame->Handle());
    const int Middle = Shot->Height() / 2;
    EXPECT_EQ(Window.Skin->BorderColor(), PixelAt(*Shot, 0, Middle));
    EXPECT_EQ(Window.Skin->MenuBarColor(), PixelAt(*Shot, 1, Middle)) << "the inner ring";
    EXPECT_EQ(Window.Skin->MenuBarColor(), PixelAt(*Shot, Shot->Width() - 2, Shot->Height() - 2));
    TRegionHandle Region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, ::GetWindowRgn(Window.Frame->Handle(), Region.Get()));
    EXPECT_FALSE(::PtInRegion(Region.Get(), 0, 0)) << "rounded top-left corner";
    EXPECT_TRUE(::PtInRegion(Region.Get(), 0, Shot->Height() - 1)) << "square bottom corner";
}

TEST(MDIFrame, ControlButtonsStandForTheMaximizedChildsCaptionButtons) {
    TMDIWindow Window;
    Window.Skin->SetMenu(NewMenu(*Window.Frame, {"&Window"}));
    TForm* Child = Window.NewChild("Document");
    TvskForm* ChildSkin = SkinOf(*Child);
    TvskMDIMenuPanel& Panel = Window.Panel();
    ASSERT_TRUE(Panel.Visible());
    EXPECT_FALSE(Panel.ControlButtonVisible(vskMDIClose));

    Child->SetWindowState(wsMaximized);
    PumpFor(50);
    EXPECT_TRUE(Panel.ControlButtonVisible(vskMDIMinimize));
    EXPECT_TRUE(Panel.ControlButtonVisible(vskMDIRestore));
    EXPECT_TRUE(Panel.ControlButtonVisible(vskMDIClose));
    EXPECT_FALSE(ChildSkin->TitleBar()->Visible()) << "the child shows no title bar of its own";
    // At the right end of the band, close rightmost, 18 pixels apart.
    const int Right = Panel.Width();
    EXPECT_EQ(Right - 20, Panel.ControlButton(vskMDIClose)->Left());
    EXPECT_EQ(Right - 38, Panel.ControlButton(vskMDIRestore)->Left());
    EXPECT_EQ(Right - 56, Panel.ControlButton(vskMDIMinimize)->Left());
    EXPECT_EQ(Window.Skin->MenuBarColor(), Panel.ControlButton(vskMDIClose)->Color());

    // The restore button, clicked as a user clicks it.
    ClickOnScreen(ScreenCenter(*Panel.ControlButton(vskMDIRestore)));
    PumpUntil([&] { return !Panel.ControlButtonVisible(vskMDIClose); }, 100);
    EXPECT_EQ(wsNormal, Child->WindowState());
    EXPECT_FALSE(Panel.ControlButtonVisible(vskMDIClose));
    EXPECT_FALSE(Panel.ControlButtonVisible(vskMDIRestore));
    EXPECT_TRUE(ChildSkin->TitleBar()->Visible());

    // A child without a maximise button of its own gets no restore button; the close button closes it.
    for (int Index = 0; Index < ChildSkin->TitleBarButtons()->Count(); ++Index)
        if (ChildSkin->TitleBarButtons()->Items(Index)->ButtonType() == vskMax)
            ChildSkin->TitleBarButtons()->Items(Index)->SetVisible(false);
    Child->SetWindowState(wsMaximized);
    PumpFor(50);
    EXPECT_FALSE(Panel.ControlButtonVisible(vskMDIRestore));
    EXPECT_TRUE(Panel.ControlButtonVisible(vskMDIClose));
    ClickOnScreen(ScreenCenter(*Panel.ControlButton(vskMDIClose)));
    PumpUntil([&] { return Window.Frame->MDIChildCount() == 0; }, 200);
    EXPECT_EQ(0, Window.Frame->MDIChildCount());
    EXPECT_FALSE(Panel.ControlButtonVisible(vskMDIClose)) << "no maximized child is left";
}

TEST(MDIFrame, TheBarShowsTheActiveChildsMenuUnlessToldNotTo) {
    TMDIWindow Window;
    TvskMainMenu* Own = NewMenu(*Window.Frame, {"&File", "&Window"});
    Window.Skin->SetMenu(Own);
    EXPECT_EQ(Window.Skin, Own->Form());
    TForm* Plain = Window.NewChild("Plain");
    EXPECT_EQ(Own, Window.Skin->ShownMenu()) << "a child without a menu leaves the frame's";
    TForm* Document = Window.NewChild("Document");
    // Made on the child, the menu links itself to the child's skinned form.
    TvskMainMenu* ChildMenu = NewMenu(*Document, {"&Document", "F&ormat", "&Help"});
    EXPECT_EQ(ChildMenu, SkinOf(*Document)->Menu());
    PumpFor(20);
    ASSERT_EQ(Document, Window.Frame->ActiveMDIChild());
    EXPECT_EQ(ChildMenu, Window.Skin->ShownMenu());
    TvskMenuBar& Bar = *Window.Skin->MenuBar();
    ASSERT_EQ(3, Bar.ButtonCount());
    EXPECT_EQ("F&ormat", Bar.Buttons(1)->Caption());
    EXPECT_EQ(nullptr, ::GetMenu(Window.Frame->Handle())) << "never the system's menu bar";

    // A change of the child's menu reaches the frame's bar.
    ChildMenu->Items()->Items(2)->SetCaption("&About");
    EXPECT_EQ("&About", Bar.Buttons(2)->Caption());

    Plain->Show();
    ::SendMessageA(Window.Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Plain->Handle()), 0);
    PumpFor(20);
    EXPECT_EQ(Own, Window.Skin->ShownMenu());
    ::SendMessageA(Window.Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Document->Handle()), 0);
    PumpFor(20);
    EXPECT_EQ(ChildMenu, Window.Skin->ShownMenu());

    Window.Skin->SetTitleBarDrawChildMenus(false);
    EXPECT_EQ(Own, Window.Skin->ShownMenu());
    EXPECT_EQ("&File", Bar.Buttons(0)->Caption());
    Window.Skin->SetTitleBarDrawChildMenus(true);
    EXPECT_EQ(ChildMenu, Window.Skin->ShownMenu());

    // The child goes while its menu is shown: the bar falls back on the frame's.
    delete Document;
    PumpFor(20);
    EXPECT_EQ(Own, Window.Skin->ShownMenu());
    EXPECT_EQ(2, Bar.ButtonCount());
}

TEST(MDIFrame, CascadesThreeChildrenFromTheLastAt22PixelSteps) {
    TMDIWindow Window;
    for (const char* Caption : {"One", "Two", "Three"})
        Window.NewChild(Caption);
    Window.Frame->Cascade();
    PumpFor(20);
    ASSERT_EQ(3, Window.Frame->MDIChildCount());
    for (int Index = 0; Index < 3; ++Index) {
        auto& Child = static_cast<TForm&>(*Window.Frame->MDIChildren(2 - Index));
        const int At = 22 * Index;
        EXPECT_EQ(TRect(At, At, At + 800, At + 360), Window.ChildBounds(Child)) << Child.Caption();
    }
    // A minimized child stays where it is and takes no step.
    auto& Last = static_cast<TForm&>(*Window.Frame->MDIChildren(2));
    Last.SetWindowState(wsMinimized);
    PumpFor(20);
    const TRect Icon = Window.ChildBounds(Last);
    Window.Frame->Cascade();
    PumpFor(20);
    EXPECT_EQ(Icon, Window.ChildBounds(Last));
    EXPECT_EQ(TRect(0, 0, 800, 360), Window.ChildBounds(static_cast<TForm&>(*Window.Frame->MDIChildren(1))));
}

TEST(MDIFrame, TilesChildrenSideBySideOrOneAboveTheOther) {
    TMDIWindow Window;
    Window.NewChild("Left");
    Window.NewChild("Right");
    Window.Frame->Tile();
    PumpFor(20);
    auto& First = static_cast<TForm&>(*Window.Frame->MDIChildren(0));
    auto& Second = static_cast<TForm&>(*Window.Frame->MDIChildren(1));
    EXPECT_EQ(TRect(0, 0, 498, 596), Window.ChildBounds(Second)) << "the last child first";
    EXPECT_EQ(TRect(498, 0, 996, 596), Window.ChildBounds(First));

    ::SendMessageA(Window.Client(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
    PumpFor(20);
    EXPECT_EQ(TRect(0, 0, 996, 298), Window.ChildBounds(Second));
    EXPECT_EQ(TRect(0, 298, 996, 596), Window.ChildBounds(First));

    // A minimized child stays where it is, and the others leave the row of icons at the bottom free.
    TForm* Icon = Window.NewChild("Icon");
    Icon->SetWindowState(wsMinimized);
    PumpFor(20);
    const TRect IconPlace = Window.ChildBounds(*Icon);
    Window.Frame->Tile();
    PumpFor(20);
    EXPECT_EQ(IconPlace, Window.ChildBounds(*Icon));
    const TRect FirstPlace = Window.ChildBounds(First);
    const TRect SecondPlace = Window.ChildBounds(Second);
    EXPECT_EQ(571, FirstPlace.Height());
    EXPECT_EQ(571, SecondPlace.Height());
    EXPECT_EQ(498, std::abs(FirstPlace.left - SecondPlace.left)) << "still side by side";
}

TEST(MDIFrame, KeysMoveBetweenChildrenCloseTheActiveOneAndOpenTheChildsMenu) {
    TMDIWindow Window;
    Window.Skin->SetMenu(NewMenu(*Window.Frame, {"&Window"}));
    Window.NewChild("One");
    Window.NewChild("Two");
    TForm* Three = Window.NewChild("Three");
    TvskMainMenu* Menu = NewMenu(*Three, {"&Document", "&Edit"});
    ::SetForegroundWindow(Window.Frame->Handle());
    Three->SetFocus();
    PumpFor(30);
    ASSERT_EQ(Three, Window.Frame->ActiveMDIChild());
    ASSERT_EQ(Menu, Window.Skin->ShownMenu());

    // The child's menu from the frame's bar, by its letter.
    TvskMenuBar& Bar = *Window.Skin->MenuBar();
    int Pressed = -2;
    RunSoon(250, [&] {
        Pressed = PressedToolButton(Bar.Handle());
        ::EndMenu();
    });
    Chord({VK_MENU, 'E'});
    PumpUntil([&] { return Pressed != -2; }, 600);
    EXPECT_EQ(1, Pressed) << "Alt+E dropped the child's Edit menu";

    std::vector<TCustomForm*> Seen{Window.Frame->ActiveMDIChild()};
    Chord({VK_CONTROL, VK_TAB});
    PumpUntil([&] { return Window.Frame->ActiveMDIChild() != Seen.back(); }, 100);
    Seen.push_back(Window.Frame->ActiveMDIChild());
    Chord({VK_CONTROL, VK_F6});
    PumpUntil([&] { return Window.Frame->ActiveMDIChild() != Seen.back(); }, 100);
    Seen.push_back(Window.Frame->ActiveMDIChild());
    EXPECT_NE(Seen[0], Seen[1]) << "Ctrl+Tab";
    EXPECT_NE(Seen[1], Seen[2]) << "Ctrl+F6";
    EXPECT_EQ(Window.Skin->ShownMenu(), Seen[2] == Three ? static_cast<TMainMenu*>(Menu) : Window.Skin->Menu());

    TCustomForm* Closing = Window.Frame->ActiveMDIChild();
    Chord({VK_CONTROL, VK_F4});
    PumpUntil([&] { return Window.Frame->MDIChildCount() == 2; }, 200);
    EXPECT_EQ(2, Window.Frame->MDIChildCount()) << "Ctrl+F4 closed the active child";
    EXPECT_NE(Closing, Window.Frame->ActiveMDIChild());
}

TEST(MDIFrameStress, TwoHundredFramesWithThreeChildrenGiveEveryHandleBack) {
    { TMDIWindow Warm; Warm.NewChild("Warm"); } // classes registered, fonts cached, the first time only
    const THandleSnapshot Before = HandleSnapshot();
    const auto Start = std::chrono::steady_clock::now();
    constexpr int Lives = 200;
    for (int Life = 0; Life < Lives; ++Life) {
        auto Frame = std::unique_ptr<TForm>(Application->CreateForm<TForm>());
        Frame->SetFormStyle(fsMDIForm);
        Frame->SetBounds(10, 10, 480, 360);
        auto* Skin = new TvskMDIForm(Frame.get());
        Skin->SetUIStyle(static_cast<TvskUIStyle>(MacOS + Life % 5));
        Skin->SetMenu(NewMenu(*Frame, {"&File"}));
        Frame->Show(); // the MDI client maximizes and activates children of a frame on the screen only
        // Two plain children and a skinned one, maximized so that the control buttons stand for it; a skinned
        // form costs more than the rest of a life, and one per life finds what it could leak.
        TForm* Last = nullptr;
        for (int Index = 0; Index < 3; ++Index) {
            Last = new TForm(Frame.get());
            Last->SetFormStyle(fsMDIChild);
        }
        new TvskForm(Last);
        Last->SetWindowState(wsMaximized);
        Application->ProcessMessages();
        ASSERT_TRUE(Skin->MenuPanel()->ControlButtonVisible(vskMDIClose)) << "life " << Life;
        Frame.reset();
        Application->ProcessMessages();
        ASSERT_EQ(HandleSnapshot(), Before) << "life " << Life;
    }
    const auto Took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Start);
    std::printf("200 MDI frames with three children: %lld ms\n", static_cast<long long>(Took.count()));
}
