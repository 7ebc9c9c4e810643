// Measures how the skinned controls paint: a BlueGlass TvskButton of 80 x 27 and of 240 x 27 (its face
// stretched from the 77 x 27 frame), fully, for the pointer coming and going and with the focus, next to one
// StretchBlt of the same area, and a full repaint of a form
// holding every skinned control of the button, panel, status bar and scroll families (scroll bars of both
// orientations, a list view and a memo with skinned bars). Each figure is the median of
// many runs; the ratios are what to compare, the absolute times depend on the machine. Run with `make bench`.

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/graphics/Picture.h"
#include "framework/win/windowing/Messages.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vsklistview.h"
#include "skin/controls/Vskmemo.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vskscrollbar.h"
#include "skin/controls/Vskstatusbar.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemes.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <utility>
#include <string>
#include <vector>

namespace {

// Each figure is the median of kRuns runs of kRepeats paints each.
constexpr int kRuns = 101;
constexpr int kRepeats = 20;
constexpr int kButtonHeight = 27;
constexpr int kButtonWidths[] = {80, 240};
constexpr int kFormWidth = 640;
constexpr int kFormHeight = 400;
constexpr int kHostRows = 40;
constexpr int kPanelHeight = 80;
constexpr int kPanelButtonTop = 30; // below the panel's caption bar

using Clock = std::chrono::steady_clock;

// Nanoseconds per call of Paint: the median over the runs.
double MedianNs(const std::function<void()>& Paint) {
    Paint(); // first use: caches, fonts, composed faces
    std::vector<double> Times;
    for (int Run = 0; Run < kRuns; ++Run) {
        const Clock::time_point Start = Clock::now();
        for (int Repeat = 0; Repeat < kRepeats; ++Repeat)
            Paint();
        ::GdiFlush();
        Times.push_back(std::chrono::duration<double, std::nano>(Clock::now() - Start).count() / kRepeats);
    }
    std::sort(Times.begin(), Times.end());
    return Times[Times.size() / 2];
}

// The same for a paint that needs Prepare before each call, which is not counted: each call is timed alone.
double MedianNs(const std::function<void()>& Prepare, const std::function<void()>& Paint) {
    Prepare();
    Paint();
    std::vector<double> Times;
    for (int Run = 0; Run < kRuns * kRepeats; ++Run) {
        Prepare();
        ::GdiFlush();
        const Clock::time_point Start = Clock::now();
        Paint();
        ::GdiFlush();
        Times.push_back(std::chrono::duration<double, std::nano>(Clock::now() - Start).count());
    }
    std::sort(Times.begin(), Times.end());
    return Times[Times.size() / 2];
}

template<class T>
T* Put(TForm& Form, TWinControl& Parent, int Left, int Top) {
    auto* Control = new T(&Form);
    Control->SetParent(&Parent);
    PlaceControl(*Control, TPoint{Left, Top});
    if constexpr (requires { Control->SetUIStyle(BlueGlass); }) Control->SetUIStyle(BlueGlass);
    return Control;
}

// The reference: one StretchBlt of a button frame onto an area of the button's size.
double StretchBltNs(HDC Target, int Width) {
    TBitmap Frame;
    GetInsideThemeBitmap(BlueGlass, VSK_THEME_BUTTON_IMAGE, &Frame, 3, 1);
    const HDC Source = Frame.Canvas().Handle();
    return MedianNs([&] {
        ::StretchBlt(Target, 0, 0, Width, kButtonHeight, Source, 0, 0, Frame.Width(), Frame.Height(), SRCCOPY);
    });
}

TvskScrollBar* PutBar(TForm& Form, TvskProgressBarOrientation Axis, int Left, int Top, int Length) {
    auto* Bar = Put<TvskScrollBar>(Form, Form, Left, Top);
    Bar->SetOrientation(Axis);
    if (Axis == vskVertical)
        Bar->SetHeight(Length);
    else
        Bar->SetWidth(Length);
    Bar->SetPageSize(30);
    Bar->SetPosition(40);
    return Bar;
}

void FillScrollFamily(TForm& Form) {
    PutBar(Form, vskHorizontal, 300, 110, 160);
    PutBar(Form, vskVertical, 480, 110, 120);
    auto* List = Put<TvskListView>(Form, Form, 8, 210);
    List->SetBounds(8, 210, 290, 140);
    List->SetViewStyle(vsReport);
    List->Columns()->Add()->SetCaption("CL Command");
    List->Columns()->Items(0)->SetWidth(400);
    auto* Memo = Put<TvskMemo>(Form, Form, 310, 210);
    Memo->SetBounds(310, 210, 300, 140);
    Memo->SetWordWrap(false);
    std::string Text;
    for (int Row = 0; Row < kHostRows; ++Row) {
        List->Items()->Add()->SetCaption("WRKACTJOB SBS(QBATCH) " + std::to_string(Row));
        Text += "CHGJOB JOB(" + std::to_string(Row) + "/QUSER/QPADEV0001) LOG(4 00 *SECLVL) INQMSGRPY(*RQD)\r\n";
    }
    Memo->SetText(Text);
    List->SetVScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    List->SetHScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    Memo->SetVScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    Memo->SetHScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
}

void FillEveryControl(TForm& Form) {
    auto* Panel = Put<TvskPanel>(Form, Form, 0, 0);
    Panel->SetAlign(alTop);
    Panel->SetCaption("Commands");
    for (int Index = 0; Index < 3; ++Index)
        Put<TvskButton>(Form, *Panel, 8 + Index * 90, 30)->SetCaption("Button");
    Put<TvskArrowButton>(Form, Form, 8, 110);
    TPicture Picture;
    Picture.Bitmap().SetSize(16, 16);
    Put<TvskImageButton>(Form, Form, 100, 110)->SetPicNormal(&Picture);
    Put<TvskControlButton>(Form, Form, 130, 110);
    Put<TvskToolBarSpeedButton>(Form, Form, 170, 110)->SetGlyph(&Picture.Bitmap());
    Put<TvskCheckBox>(Form, Form, 8, 150)->SetCaption("Check");
    Put<TvskRadioButton>(Form, Form, 8, 175)->SetCaption("Radio");
    auto* Image = Put<TvskImagePanel>(Form, Form, 200, 150);
    Image->SetPicture(&Picture);
    Image->SetDrawStyle(vskTile);
    auto* Status = Put<TvskStatusBar>(Form, Form, 0, 0);
    Status->SetAlign(alBottom);
    FillScrollFamily(Form);
}

} // namespace

int main() {
    Application->Initialize();
    TForm Form(nullptr);
    Form.SetBounds(0, 0, kFormWidth, kFormHeight);
    Form.SetColor(GetInsideThemeColor(BlueGlass, VSK_THEME_FORM_BACKGROUND_COLOR));
    Form.Show();
    Application->ProcessMessages();
    TOffscreenBuffer Target(nullptr, kFormWidth, kFormHeight);

    std::printf("%-40s %12s %12s %8s\n", "paint", "ns", "StretchBlt", "ratio");
    auto* Button = Put<TvskButton>(Form, Form, 10, 10);
    Button->SetCaption("Save Command");
    // BlueGlass buttons are see-through: a full paint includes the form painting its background behind them,
    // a repaint for the button's own state (the paint after the pointer came or went, the message itself not
    // counted) reuses it.
    // DeepBlue ones are opaque and show what the rest of a paint costs.
    const auto Paint = [&] { Button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Target.DC())); };
    bool Hot = false;
    const auto Hover = [&] {
        Hot = !Hot;
        Button->Perform(Hot ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, ParamOfPointer<TControl>(Button));
    };
    for (const TvskUIStyle Style : {BlueGlass, DeepBlue}) {
        Button->SetUIStyle(Style);
        for (const int Width : kButtonWidths) {
            Button->SetWidth(Width);
            const double Reference = StretchBltNs(Target.DC(), Width);
            const double Full = MedianNs(Paint);
            const double Hovered = MedianNs(Hover, Paint);
            Button->SetFocus();
            const double Focused = MedianNs(Paint);
            ::SetFocus(Form.Handle());
            for (const auto& [What, Figure] : {std::pair{"full paint", Full}, std::pair{"pointer in/out", Hovered},
                                               std::pair{"focused", Focused}})
                std::printf("%-9s TvskButton %3d x %2d %-14s %12.0f %12.0f %8.2f\n",
                            TvskUIStyleInfo.Names[Style].c_str(), Width, kButtonHeight, What, Figure, Reference,
                            Figure / Reference);
        }
    }
    // As in the main window, on a skinned panel: a full paint has the panel paint itself under the button.
    auto* Panel = Put<TvskPanel>(Form, Form, 0, 0);
    Panel->SetBounds(0, 0, kFormWidth, kPanelHeight);
    Panel->SetUIStyle(MacOS);
    Panel->SetCaption("Commands");
    Button->SetParent(Panel);
    Button->SetBounds(10, kPanelButtonTop, kButtonWidths[0], kButtonHeight);
    Button->SetUIStyle(BlueGlass);
    const double OnPanelReference = StretchBltNs(Target.DC(), kButtonWidths[0]);
    for (const auto& [What, Figure] :
         {std::pair{"panel, full", MedianNs(Paint)}, std::pair{"panel, in/out", MedianNs(Hover, Paint)}})
        std::printf("BlueGlass TvskButton %3d x %2d %-14s %12.0f %12.0f %8.2f\n", kButtonWidths[0], kButtonHeight,
                    What, Figure, OnPanelReference, Figure / OnPanelReference);
    delete Button;
    delete Panel;

    FillEveryControl(Form);
    Application->ProcessMessages();
    const double Whole = MedianNs([&] { Form.PaintTo(Target.DC(), 0, 0); });
    const double Reference = MedianNs([&] {
        ::StretchBlt(Target.DC(), 0, 0, kFormWidth, kFormHeight, Target.DC(), 0, 0, kFormWidth / 2, kFormHeight / 2,
                     SRCCOPY);
    });
    std::printf("form of every control %d x %d          %12.0f %12.0f %8.2f\n", kFormWidth, kFormHeight, Whole, Reference,
                Whole / Reference);
    return 0;
}
