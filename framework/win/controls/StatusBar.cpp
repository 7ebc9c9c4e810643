#include "framework/win/controls/StatusBar.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/CanvasDCScope.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/windowing/CommonControlsInit.h"

#include <commctrl.h>

#include <vector>

VSK_IMPLEMENT_CLASS(TStatusBar)

void TStatusBar::Publish(TPublisher<TStatusBar>& p) {
    p.Enum("Align", &TStatusBar::Align, &TStatusBar::SetAlign, TAlignInfo).Default(alBottom);
    p.Object("Font", &TStatusBar::Font, &TStatusBar::SetFont).Stored([](TStatusBar& Bar) {
        return !Bar.ParentFont() && !Bar.UseSystemFont();
    });
    p.Object("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    p.Bool("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
    p.Str("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    p.Bool("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
    p.Bool("UseSystemFont", &TStatusBar::UseSystemFont, &TStatusBar::SetUseSystemFont).Default(true);
    p.Event("OnDrawPanel", &TStatusBar::OnDrawPanel);
}

namespace {
constexpr int DefaultStatusBarHeight = 19;
constexpr int DefaultStatusBarWidth = 200;
// The part that reaches the right edge of the bar.
constexpr int ToRightEdge = -1;
// The text of a part is centred after one tab and right-aligned after two.
constexpr const char* AlignmentPrefixes[] = {"", "\t\t", "\t"};
constexpr WPARAM BevelFlags[] = {SBT_NOBORDERS, 0, SBT_POPOUT};
} // namespace

TStatusBar::TStatusBar(TComponent* AOwner) : TSystemControl(AOwner), FPanels(std::make_unique<TStatusPanels>(*this)) {
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), DefaultStatusBarWidth, DefaultStatusBarHeight);
    SetAlign(alBottom);
    ApplySystemFont();
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetPanels(const TStatusPanels* Value) {
    if (Value) FPanels->Assign(*Value);
}

// The window ---------------------------------------------------------------------------------------------

bool TStatusBar::ShowsSizeGrip() const {
    const TCustomForm* Form = GetParentForm();
    return FSizeGrip && Form && (Form->BorderStyle() == bsSizeable || Form->BorderStyle() == bsSizeToolWin);
}

void TStatusBar::CreateParams(TCreateParams& Params) {
    InitCommonControlClasses(ICC_BAR_CLASSES);
    inherited::CreateParams(Params);
    CreateSubClass(Params, STATUSCLASSNAMEA);
    // The framework places the bar (Align); the control must not move itself to the parent's bottom.
    Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (ShowsSizeGrip()) Params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::WindowCreated() {
    inherited::WindowCreated();
    WriteColor();
    WriteParts();
    Perform(SB_SIMPLE, FSimplePanel);
    WriteSimpleText();
}

void TStatusBar::WriteColor() {
    Perform(SB_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TStatusBar::WriteParts() {
    std::vector<int> Edges;
    int Edge = 0;
    for (int I = 0; I < FPanels->Count(); ++I) {
        Edge += FPanels->Items(I)->Width();
        Edges.push_back(I + 1 < FPanels->Count() ? Edge : ToRightEdge);
    }
    if (Edges.empty()) Edges.push_back(ToRightEdge);
    Perform(SB_SETPARTS, Edges.size(), reinterpret_cast<LPARAM>(Edges.data()));
    for (int I = 0; I < FPanels->Count(); ++I)
        WritePanelText(I);
}

void TStatusBar::WritePanelText(int Index) {
    const TStatusPanel* Panel = FPanels->Items(Index);
    WPARAM Part = static_cast<WPARAM>(Index) | BevelFlags[Panel->Bevel()];
    if (Panel->Style() == psOwnerDraw) {
        Perform(SB_SETTEXTA, Part | SBT_OWNERDRAW, Index);
        return;
    }
    const std::string Text = AlignmentPrefixes[Panel->Alignment()] + Panel->Text();
    Perform(SB_SETTEXTA, Part, reinterpret_cast<LPARAM>(Text.c_str()));
}

void TStatusBar::WriteSimpleText() {
    Perform(SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TStatusBar::PanelsChanged(TStatusPanel* Panel) {
    if (!HandleAllocated()) return;
    if (Panel)
        WritePanelText(Panel->Index());
    else
        WriteParts();
}

void TStatusBar::SetSimplePanel(bool Value) {
    if (FSimplePanel == Value) return;
    FSimplePanel = Value;
    if (HandleAllocated()) Perform(SB_SIMPLE, FSimplePanel);
}

void TStatusBar::SetSimpleText(const std::string& Value) {
    if (FSimpleText == Value) return;
    FSimpleText = Value;
    if (HandleAllocated()) WriteSimpleText();
}

void TStatusBar::SetSizeGrip(bool Value) {
    if (FSizeGrip == Value) return;
    FSizeGrip = Value;
    RecreateWnd();
}

void TStatusBar::SetUseSystemFont(bool Value) {
    if (FUseSystemFont == Value) return;
    FUseSystemFont = Value;
    if (Value) ApplySystemFont();
}

void TStatusBar::ApplySystemFont() {
    NONCLIENTMETRICSA Metrics{};
    Metrics.cbSize = sizeof(Metrics);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0)) return;
    FApplyingSystemFont = true;
    try {
        Font()->AssignLogFont(Metrics.lfStatusFont);
    } catch (...) {
        FApplyingSystemFont = false;
        throw;
    }
    FApplyingSystemFont = false;
}

// Messages -----------------------------------------------------------------------------------------------

void TStatusBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CN_DRAWITEM: CNDrawItem(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_COLORCHANGED:
        inherited::WndProc(Message);
        if (HandleAllocated()) WriteColor();
        break;
    default: inherited::WndProc(Message); break;
    }
}

void TStatusBar::CNDrawItem(TMessage& Message) {
    const auto* Draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    const int Index = static_cast<int>(Draw->itemID);
    if (Index < 0 || Index >= FPanels->Count()) return;
    TCanvasDCScope Drawing(FCanvas, Draw->hDC);
    FCanvas.SetFont(*Font());
    FCanvas.Brush().SetColor(Color());
    DrawPanel(FPanels->Items(Index), Draw->rcItem);
    Message.Result = TRUE;
}

void TStatusBar::CMFontChanged(TMessage& Message) {
    if (!FApplyingSystemFont) FUseSystemFont = false;
    inherited::WndProc(Message);
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
    OnDrawPanel(this, Panel, Rect);
}
