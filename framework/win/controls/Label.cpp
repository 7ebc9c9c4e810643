#include "framework/win/controls/Label.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/windowing/Accelerators.h"
#include "framework/win/windowing/WinControl.h"

VSK_IMPLEMENT_CLASS(TCustomLabel)
VSK_IMPLEMENT_CLASS(TLabel)

const TEnumInfo TTextLayoutInfo{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};

void TCustomLabel::Publish(TPublisher<TCustomLabel>& p) {
    p.Enum("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
    p.Str("Caption", &TCustomLabel::Caption, &TCustomLabel::SetCaption);
    p.Ref("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
    p.Enum("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, TTextLayoutInfo).Default(tlTop);
    p.Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
    p.Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
    p.Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);
}

void TLabel::Publish(TPublisher<TLabel>&) {}

namespace {
constexpr int DefaultLabelWidth = 65;
constexpr int DefaultLabelHeight = 17;
} // namespace

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(ControlStyle() | TControlStyle{csReplicatable, csOpaque});
    SetBounds(Left(), Top(), DefaultLabelWidth, DefaultLabelHeight);
}

TLabel::TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}

UINT TCustomLabel::DrawFlags() const {
    static constexpr UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT Flags = DT_EXPANDTABS | Alignments[FAlignment];
    if (FWordWrap) Flags |= DT_WORDBREAK;
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    return Flags;
}

void TCustomLabel::DrawCaption(TCanvas& Canvas, TRect& Rect, UINT Flags) {
    std::string Text = Caption();
    // An empty label still measures one line high.
    if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == "&"))) Text += ' ';
    Canvas.SetFont(*Font());
    if (Enabled() || (Flags & DT_CALCRECT)) {
        Canvas.DrawText(Text, Rect, Flags);
        return;
    }
    // Disabled: engraved, a light copy one pixel down and right under the grey text.
    TRect Shadow = Rect;
    ::OffsetRect(&Shadow, 1, 1);
    Canvas.Font().SetColor(clBtnHighlight);
    Canvas.DrawText(Text, Shadow, Flags);
    Canvas.Font().SetColor(clBtnShadow);
    Canvas.DrawText(Text, Rect, Flags);
}

void TCustomLabel::Paint() {
    TCanvas& Canvas = this->Canvas();
    TRect Rect = ClientRect();
    if (!Transparent()) {
        Canvas.Brush().SetColor(Color());
        Canvas.FillRect(Rect);
    }
    Canvas.Brush().SetStyle(bsClear);
    const UINT Flags = DrawFlags();
    if (FLayout != tlTop) {
        TRect Text = Rect;
        DrawCaption(Canvas, Text, Flags | DT_CALCRECT);
        const int Free = Rect.Height() - Text.Height();
        Rect.top += FLayout == tlBottom ? Free : Free / 2;
    }
    DrawCaption(Canvas, Rect, Flags);
}

void TCustomLabel::AdjustBounds() {
    if (IsLoading() || !FAutoSize) return;
    TWindowDC ScreenDC(nullptr);
    TCanvas Measure;
    Measure.SetHandle(ScreenDC.Handle());
    TRect Rect = ClientRect();
    DrawCaption(Measure, Rect, DrawFlags() | DT_CALCRECT);
    Measure.SetHandle(nullptr);
    int X = Left();
    if (FAlignment == taRightJustify) X += Width() - Rect.right;
    SetBounds(X, Top(), Rect.right, Rect.bottom);
}

void TCustomLabel::Loaded() {
    inherited::Loaded();
    AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: TextOrFontChanged(); break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

void TCustomLabel::TextOrFontChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::CMDialogChar(TMessage& Message) {
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<char>(Message.WParam), Caption()) &&
        FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
    }
}

void TCustomLabel::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    TextOrFontChanged();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    TextOrFontChanged();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (Transparent() == Value) return;
    const TControlStyle Opaque{csOpaque};
    SetControlStyle(Value ? ControlStyle() - Opaque : ControlStyle() | Opaque);
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (FFocusControl) FFocusControl->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}
