#include "skin/frame/Vsktitlebar.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/graphics/Picture.h"
#include "framework/win/windowing/SizeConstraints.h"
#include "skin/frame/Vsktitlebarmenu.h"
#include "skin/themes/Vskcustomform.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemesource.h"

#include <algorithm>
#include <array>

VSK_IMPLEMENT_CLASS(TvskTitleBar)

namespace {

constexpr const char* CaptionFontName = "Tahoma";
constexpr const char* Ellipsis = "...";
constexpr const char* AppIconResource = "MAINICON";
constexpr int AppIconSize = 16;
constexpr int AppIconLeft = 3;     // from the control box's place
constexpr int AppIconRoom = 21;    // what the icon takes from the caption
constexpr int ControlBoxGap = 5;   // between the control box and the caption
constexpr int BareCaptionLeft = 6; // when nothing stands left of the caption
constexpr int ButtonGap = 1;       // between neighbouring buttons, besides ButtonInterval

// File themes that mark their controls' font colour with one of these values have light title art, on
// which the caption is drawn black.
constexpr std::array<TColor, 4> DarkCaptionMarks{0x10000, 0x30000, 0x40000, 0x50000};

// The buttons a new title bar has, from its right end (the control box stands at the left).
constexpr std::array<TvskTitleBarBtnType, 4> DefaultButtons{vskControlBox, vskClose, vskMax, vskMin};

const TGraphic* FaceOf(const TvskTitleBarButton& Button, bool Hot, bool Down) {
    const TGraphic* Normal = Button.PicNormal()->Graphic();
    const TGraphic* Face = !Hot ? Normal : (Down ? Button.PicMouseDown() : Button.PicMouseOn())->Graphic();
    // A state without a picture of its own shows the normal face.
    return Face && !Face->Empty() ? Face : Normal;
}

} // namespace

void TvskTitleBar::Publish(TPublisher<TvskTitleBar>& p) {
    using T = TvskTitleBar;
    p.Bool("Custom", &T::Custom, &T::SetCustom).Default(false);
    p.Bool("AutoSize", &T::AutoSize, &T::SetAutoSize2).Default(false);
    p.Object("Sections", &T::Sections, &T::SetSections);
    p.Object("Buttons", &T::Buttons, &T::SetButtons);
    p.Int("ButtonInterval", &T::ButtonInterval, &T::SetButtonInterval).Default(0);
    p.Str("Caption", &T::Caption, &T::SetCaption);
    p.Bool("FormActive", &T::FormActive, &T::SetActive).Default(true);
    p.Int("LeftBtnXOffset", &T::LeftBtnXOffset, &T::SetLeftBtnXOffset);
    p.Int("RightBtnXOffset", &T::RightBtnXOffset, &T::SetRightBtnXOffset);
    p.Bool("DrawAppIcon", &T::DrawAppIcon, &T::SetDrawAppIcon).Default(false);
    p.Int("RoundCorner", &T::RoundCorner, &T::SetRoundCorner);
    p.Event("OnCustomBtnsClick", &T::OnCustomBtnsClick);
    p.Event("OnHelpBtnClick", &T::OnHelpBtnClick);
}

TvskTitleBar::TvskTitleBar(TComponent* AOwner)
    : inherited(AOwner), FSections(std::make_unique<TvskTitleBarSections>(this)),
      FButtons(std::make_unique<TvskTitleBarButtons>(this)) {
    SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls});
    SetBevelOuter(bvNone);
    FSystemMenu = new TvskTitleBarPopupMenu(this);
    for (TvskTitleBarBtnType Kind : DefaultButtons)
        FButtons->Add()->SetButtonType(Kind);
    SetAlign(alTop);
    SetParentFont(false);
    Font()->SetName(CaptionFontName);
    Font()->SetStyle(TFontStyles{fsBold});
    Font()->SetColor(clWhite);
    ApplyStartUpStyle();
}

// A bar destroyed while its window is being dragged ends the system's move loop, as Escape would: with
// the window gone, the button's release may go to another program and leave the loop waiting forever.
TvskTitleBar::~TvskTitleBar() {
    if (FMoving) ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
}

void TvskTitleBar::SetAutoSize2(bool Value) {
    FAutoSize = Value;
    if (FSections->Count() == 0) {
        FAutoSize = false;
        return;
    }
    SetHeight(FSections->Items(LeftSection)->Picture()->Height() - (InForm() ? VskFrameSize : 0));
}

void TvskTitleBar::SetSections(const TvskTitleBarSections* Value) {
    FSections->Assign(*Value);
}

void TvskTitleBar::SetButtons(const TvskTitleBarButtons* Value) {
    FButtons->Assign(*Value);
}

void TvskTitleBar::SetButtonInterval(int Value) {
    FButtonInterval = Value;
    Invalidate();
}

void TvskTitleBar::SetCaption(const std::string& Value) {
    SetText(Value);
    Invalidate();
}

void TvskTitleBar::SetActive(bool Value) {
    FFormActive = Value;
    Invalidate();
}

void TvskTitleBar::SetLeftBtnXOffset(int Value) {
    FLeftBtnXOffset = Value;
    Invalidate();
}

void TvskTitleBar::SetRightBtnXOffset(int Value) {
    FRightBtnXOffset = Value;
    Invalidate();
}

void TvskTitleBar::SetDrawAppIcon(bool Value) {
    FDrawAppIcon = Value;
    Invalidate();
}

void TvskTitleBar::ProcessMaxBtn() {
    for (int Index = 0; Index < FButtons->Count(); ++Index)
        if (FButtons->Items(Index)->ButtonType() == vskMax) FButtons->Items(Index)->ProcessMaxBtn();
}

const TBitmap* TvskTitleBar::SectionImage(int Index) const {
    return Index < FSections->Count() ? &FSections->Items(Index)->Bitmap() : nullptr;
}

bool TvskTitleBar::CanPaint() const {
    constexpr int ImageCount = 3;
    if (FSections->Count() != ImageCount) return false;
    for (int Index = 0; Index < ImageCount; ++Index)
        if (!FSections->Items(Index)->Picture()->Graphic()) return false;
    return true;
}

bool TvskTitleBar::InForm() const {
    return FInFrame || dynamic_cast<const TvskCustomForm*>(Parent()) != nullptr;
}

// Style --------------------------------------------------------------------------------------------------

void TvskTitleBar::ApplyUIStyle(const TvskThemeSource& Theme) {
    if (FCustom) return;
    ApplySections(Theme);
    FLeftBtnXOffset = Theme.Int(VSK_THEME_TITLE_BAR_BUTTON_LEFT_OFFSET_INT);
    FRightBtnXOffset = Theme.Int(VSK_THEME_TITLE_BAR_BUTTON_RIGHT_OFFSET_INT);
    TBitmap Strip;
    Theme.Bitmap(VSK_THEME_TITLE_BAR_BUTTON_IMAGE, Strip);
    FButtonStripHeight = Strip.Height();
    FButtonTop = Theme.Int(VSK_THEME_TITLE_BAR_BUTTON_TOP_INT) - (InForm() ? VskFrameSize : 0);
    if (TCustomForm* Form = GetParentForm()) Form->Constraints()->SetMinWidth(Theme.Int(VSK_THEME_FORM_MIN_WIDTH_INT));
    FRoundCorner = Theme.Int(VSK_THEME_FORM_ROUND_CORNER_INT);
    for (int Index = 0; Index < FButtons->Count(); ++Index)
        FButtons->Items(Index)->SetUIStyle(Theme.Style());
    FSystemMenu->SetFileTheme(FileTheme());
    FSystemMenu->SetUIStyle(Theme.Style());
    if (!FSettingFileTheme) ApplyCaptionColor(Theme);
    SetAutoSize2(true);
    Invalidate();
}

void TvskTitleBar::ApplySections(const TvskThemeSource& Theme) {
    FSections->BeginUpdate();
    FSections->Clear();
    TvskTitleBarSection* Left = FSections->Add();
    Theme.Bitmap(VSK_THEME_TITLE_BAR_LEFT_IMAGE, Left->Picture()->Bitmap());
    Left->SetAutoSize(true);
    TvskTitleBarSection* Right = FSections->Add();
    Theme.Bitmap(VSK_THEME_TITLE_BAR_RIGHT_IMAGE, Right->Picture()->Bitmap());
    Right->SetAutoSize(true);
    Right->SetAlign(vskRight);
    TvskTitleBarSection* Center = FSections->Add();
    Theme.Bitmap(VSK_THEME_TITLE_BAR_CLIENT_IMAGE, Center->Picture()->Bitmap());
    Center->SetAlign(vskClient);
    FSections->EndUpdate();
}

void TvskTitleBar::ApplyCaptionColor(const TvskThemeSource& Theme) {
    const TColor Mark = Theme.FromFile() ? Theme.Color(VSK_THEME_CONTROL_FONT_COLOR) : clWhite;
    const bool Dark = UIStyle() == MacOS ||
                      (Theme.FromFile() &&
                       std::find(DarkCaptionMarks.begin(), DarkCaptionMarks.end(), Mark) != DarkCaptionMarks.end());
    Font()->SetColor(Dark ? clBlack : clWhite);
}

// A new file theme brings new images, but the caption keeps the colour it has.
void TvskTitleBar::FileThemeChanged() {
    FSettingFileTheme = true;
    inherited::FileThemeChanged();
    FSettingFileTheme = false;
}

void TvskTitleBar::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FSystemMenu) FSystemMenu = nullptr;
    for (int Index = 0; FButtons && Index < FButtons->Count(); ++Index)
        if (FButtons->Items(Index)->ControlBoxMenu() == AComponent) FButtons->Items(Index)->SetControlBoxMenu(nullptr);
}

// Painting -----------------------------------------------------------------------------------------------

TvskTitleBar::TLayout TvskTitleBar::Layout() const {
    TLayout Result;
    int X = Width() + FRightBtnXOffset + 1;
    int ControlBox = -1;
    for (int Index = 0; Index < FButtons->Count(); ++Index) {
        const TvskTitleBarButton& Button = *FButtons->Items(Index);
        if (!Button.Visible()) continue;
        if (Button.ButtonType() == vskControlBox) {
            ControlBox = Index; // the last one wins
            continue;
        }
        const int W = Button.PicNormal()->Width();
        X -= W + FButtonInterval + ButtonGap;
        Result.Places.push_back({Index, Bounds(X, FButtonTop, W, Button.PicNormal()->Height())});
    }
    int Left = FLeftBtnXOffset;
    if (ControlBox != -1) {
        const TvskTitleBarButton& Box = *FButtons->Items(ControlBox);
        Result.Places.push_back(
            {ControlBox, Bounds(Left, FButtonTop, Box.PicNormal()->Width(), Box.PicNormal()->Height())});
        Left += FDrawAppIcon ? AppIconRoom : Box.PicNormal()->Width() + ControlBoxGap;
    }
    Result.CaptionLeft = Left == 0 ? BareCaptionLeft : Left;
    Result.CaptionRight = X;
    return Result;
}

int TvskTitleBar::ButtonAt(const TPoint& Point) const {
    int Hit = -1;
    // Hit rectangles include their right and bottom edges, so on a shared edge the later place wins.
    for (const TButtonPlace& Place : Layout().Places)
        if (InRect(Point, Place.Rect)) Hit = Place.Index;
    return Hit;
}

int TvskTitleBar::PointerButton() const {
    if (!HandleAllocated()) return -1;
    POINT Cursor;
    ::GetCursorPos(&Cursor);
    return ButtonAt(ScreenToClient(Cursor));
}

void TvskTitleBar::Paint() {
    const TRect Client = ClientRect();
    TOffscreenBuffer Buffer(Canvas().Handle(), Client.Width(), Client.Height());
    TCanvas Off;
    Off.SetHandle(Buffer.DC());
    Off.Font().Assign(*Font());
    Off.Brush().SetStyle(bsClear);
    DrawSectionsTo(Off, Buffer.Width());
    DrawButtons(Off, Buffer.Width());
    Off.SetHandle(nullptr);
    Buffer.CopyTo(Canvas().Handle());
}

void TvskTitleBar::DrawSectionsTo(TCanvas& Canvas, int Width) {
    // Inside a skinned form the images begin at the window's outer corner, in the form's frame.
    const int Offset = InForm() ? -VskFrameSize : 0;
    int A = 0;
    int B = 0;
    const int Count = FSections->Count();
    if (Count > LeftSection) {
        const TPicture& Left = *FSections->Items(LeftSection)->Picture();
        if (Left.Graphic()) Canvas.Draw(Offset, Offset, *Left.Graphic());
        A = Left.Width() + Offset;
    }
    if (Count > RightSection) {
        const TPicture& Right = *FSections->Items(RightSection)->Picture();
        B = Width - Right.Width() - Offset;
        if (Right.Graphic()) Canvas.Draw(B, Offset, *Right.Graphic());
    }
    if (Count > CenterSection) {
        const TPicture& Center = *FSections->Items(CenterSection)->Picture();
        if (Center.Graphic()) Canvas.StretchDraw(TRect(A, Offset, B, Offset + Center.Height()), *Center.Graphic());
    }
}

void TvskTitleBar::DrawButtons(TCanvas& Canvas, int Width) {
    (void)Width; // the layout reads the bar's own width, which the buffer has
    const TLayout Places = Layout();
    FHotButton = PointerButton();
    for (const TButtonPlace& Place : Places.Places) {
        const TvskTitleBarButton& Button = *FButtons->Items(Place.Index);
        if (Button.ButtonType() == vskControlBox && FDrawAppIcon)
            DrawAppIconAt(Canvas, Place.Rect.left + AppIconLeft, FButtonTop);
        else
            DrawFace(Canvas, Button, Place.Rect, Place.Index == FHotButton);
    }
    DrawCaption(Canvas, Places.CaptionLeft, Places.CaptionRight);
}

void TvskTitleBar::DrawFace(TCanvas& Canvas, const TvskTitleBarButton& Button, const TRect& Rect, bool Hot) {
    const TGraphic* Face = FaceOf(Button, Hot, FMouseDown);
    if (!Face || Face->Empty()) return;
    if (!Button.Transparent()) {
        Canvas.Draw(Rect.left, Rect.top, *Face);
        return;
    }
    TBitmap Keyed;
    Keyed.Assign(*Face);
    Keyed.SetTransparent(true);
    Canvas.Draw(Rect.left, Rect.top, Keyed);
}

void TvskTitleBar::DrawAppIconAt(TCanvas& Canvas, int X, int Y) {
    TIcon Resource;
    HICON Icon =
        Application && Application->Icon() && !Application->Icon()->Empty() ? Application->Icon()->Handle() : nullptr;
    if (!Icon) {
        Resource.LoadFromResourceName(::GetModuleHandleA(nullptr), AppIconResource, AppIconSize);
        Icon = Resource.Handle();
    }
    ::DrawIconEx(Canvas.Handle(), X, Y, Icon, AppIconSize, AppIconSize, 0, nullptr, DI_NORMAL);
}

void TvskTitleBar::DrawCaption(TCanvas& Canvas, int Left, int Right) {
    // An inactive window greys its caption for this paint only; the font keeps its colour.
    Canvas.Font().SetColor(FFormActive ? Font()->Color() : clInactiveCaption);
    std::string Text = Caption();
    const int Room = Right - Left;
    if (Canvas.TextWidth(Text) > Room) {
        while (!Text.empty() && Canvas.TextWidth(Text + Ellipsis) > Room)
            Text.pop_back();
        Text += Ellipsis;
    }
    Canvas.Brush().SetStyle(bsClear);
    Canvas.TextOut(Left, (FButtonStripHeight - Canvas.TextHeight(Text)) / 2 + FButtonTop, Text);
}

// Mouse --------------------------------------------------------------------------------------------------

void TvskTitleBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break; // Paint covers every pixel
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE: Message.Result = ForwardToForm(Message); break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_MOUSELEAVE: RepaintAfter(Message); break;
    default: inherited::WndProc(Message);
    }
}

void TvskTitleBar::RepaintAfter(TMessage& Message) {
    inherited::WndProc(Message);
    Invalidate();
}

LRESULT TvskTitleBar::ForwardToForm(const TMessage& Message) {
    TCustomForm* Form = GetParentForm();
    return Form ? ::SendMessageA(Form->Handle(), Message.Msg, Message.WParam, Message.LParam) : 0;
}

void TvskTitleBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FMouseDown = true;
    Repaint();
    TCustomForm* Form = GetParentForm();
    const bool OnCaption = ButtonAt(TPoint(X, Y)) == -1;
    if (!Form || !OnCaption || Form->WindowState() == wsMaximized) return;
    // The system's move loop runs until the button is released, and the form may be gone by then.
    ::ReleaseCapture();
    POINT Cursor;
    ::GetCursorPos(&Cursor);
    const auto Alive = FLifeline.Watch();
    FMoving = true;
    ::SendMessageA(Form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(Cursor.x, Cursor.y));
    if (Alive.expired()) return;
    FMoving = false;
    FMouseDown = false;
    Invalidate();
}

void TvskTitleBar::MouseMove(TShiftState Shift, int X, int Y) {
    inherited::MouseMove(Shift, X, Y);
    Invalidate();
}

void TvskTitleBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const bool Pressed = FMouseDown;
    FMouseDown = false;
    // The button acted on is the one under the pointer at release.
    const int Index = ButtonAt(TPoint(X, Y));
    const auto Alive = FLifeline.Watch();
    if (Pressed && Index != -1) ClickButton(Index);
    if (!Alive.expired()) Invalidate();
}

void TvskTitleBar::ClickButton(int Index) {
    TvskTitleBarButton& Button = *FButtons->Items(Index);
    const TvskTitleBarBtnType Kind = Button.ButtonType();
    if (Kind == vskControlBox && !Button.ControlBoxMenu()) {
        if (FSystemMenu) PopupBelow(*FSystemMenu);
        return;
    }
    const auto Alive = FLifeline.Watch();
    Button.DoClick();
    if (Alive.expired()) return;
    if (Kind == vskCustom)
        OnCustomBtnsClick(this, Index);
    else if (Kind == vskHelp)
        OnHelpBtnClick(this, Index);
}

void TvskTitleBar::DblClick() {
    inherited::DblClick();
    const int Index = PointerButton();
    if (Index == -1) {
        for (int Each = 0; Each < FButtons->Count(); ++Each) {
            TvskTitleBarButton& Button = *FButtons->Items(Each);
            if (Button.Visible() && Button.ButtonType() == vskMax) {
                Button.DoClick();
                return;
            }
        }
    } else if (FButtons->Items(Index)->ButtonType() == vskControlBox) {
        if (TCustomForm* Form = GetParentForm()) Form->Close();
    }
}

void TvskTitleBar::PopupBelow(TPopupMenu& Menu) {
    const TPoint Corner = ClientToScreen(TPoint(0, Height()));
    Menu.Popup(Corner.x, Corner.y);
}
