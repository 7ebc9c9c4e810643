#include "skin/frame/Vsktitlebarbuttons.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Picture.h"
#include "framework/win/menus/PopupMenu.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/frame/Vskwindowstate.h"
#include "skin/themes/Vskfaces.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemesource.h"

const TEnumInfo TvskTitleBarBtnTypeInfo{"TvskTitleBarBtnType",
                                        {"vskMax", "vskMin", "vskClose", "vskHelp", "vskControlBox", "vskCustom"}};

VSK_IMPLEMENT_CLASS(TvskTitleBarButton)

namespace {

constexpr int InitialTop = 2;
constexpr const char* OneControlBoxMessage = "Sorry, only one button's ButtonType property can be \"vskControlBox\"";

// The title-button strip holds 18 frames: six groups of normal, hover and pressed faces.
constexpr int TitleStripFrames = 18;
constexpr int ControlBoxGroup = 0;
constexpr int HelpGroup = 1;
constexpr int MaximiseGroup = 2;
constexpr int RestoreGroup = 3;
constexpr int MinimiseGroup = 4;
constexpr int CloseGroup = 5;

int FaceGroup(TvskTitleBarBtnType Kind) {
    switch (Kind) {
    case vskControlBox: return ControlBoxGroup;
    case vskHelp: return HelpGroup;
    case vskMax: return MaximiseGroup;
    case vskMin: return MinimiseGroup;
    case vskClose: return CloseGroup;
    case vskCustom: break;
    }
    return -1;
}

} // namespace

void TvskTitleBarButton::Publish(TPublisher<TvskTitleBarButton>& p) {
    using T = TvskTitleBarButton;
    p.Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, TvskUIStyleInfo).Default(DeepBlue);
    p.Enum("ButtonType", &T::ButtonType, &T::SetButtonType, TvskTitleBarBtnTypeInfo).Default(vskCustom);
    p.Bool("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
    p.Int("Top", &T::Top, &T::SetTop).Default(InitialTop);
    p.Ref("ControlBoxMenu", &T::ControlBoxMenu, &T::SetControlBoxMenu);
    p.Bool("Visible", &T::Visible, &T::SetVisible).Default(true);
    p.Object("PicNormal", &T::PicNormal, &T::SetPicNormal);
    p.Object("PicMouseOn", &T::PicMouseOn, &T::SetPicMouseOn);
    p.Object("PicMouseDown", &T::PicMouseDown, &T::SetPicMouseDown);
}

TvskTitleBarButton::TvskTitleBarButton(TCollection* ACollection)
    : TCollectionItem(ACollection), FTop(InitialTop), FPicNormal(std::make_unique<TPicture>()),
      FPicMouseOn(std::make_unique<TPicture>()), FPicMouseDown(std::make_unique<TPicture>()) {
    SetUIStyle(DeepBlue);
}

TvskTitleBarButton::~TvskTitleBarButton() = default;

TvskTitleBar* TvskTitleBarButton::TitleBar() const {
    auto* Buttons = static_cast<TvskTitleBarButtons*>(Collection());
    return Buttons ? Buttons->TitleBar() : nullptr;
}

void TvskTitleBarButton::Changed() {
    TCollectionItem::Changed(false);
}

void TvskTitleBarButton::SetUIStyle(TvskUIStyle Value) {
    FUIStyle = Value;
    UpdateUIStyle();
}

void TvskTitleBarButton::SetButtonType(TvskTitleBarBtnType Value) {
    if (Value == vskControlBox) {
        const bool Taken = FButtonType == vskControlBox ||
                           (Collection() && static_cast<TvskTitleBarButtons*>(Collection())->AnyOf(vskControlBox));
        if (Taken) {
            Application->MessageBox(OneControlBoxMessage, "Error", MB_ICONERROR | MB_OK);
            return;
        }
    }
    FButtonType = Value;
    UpdateUIStyle();
    Changed();
}

void TvskTitleBarButton::SetTransparent(bool Value) {
    FTransparent = Value;
    Changed();
}

void TvskTitleBarButton::SetTop(int Value) {
    FTop = Value;
    Changed();
}

void TvskTitleBarButton::SetControlBoxMenu(TPopupMenu* Value) {
    FControlBoxMenu = Value;
    // The title bar, a component, hears of the menu's destruction and clears this reference.
    if (Value && TitleBar()) Value->FreeNotification(TitleBar());
}

void TvskTitleBarButton::SetVisible(bool Value) {
    FVisible = Value;
    Changed();
}

void TvskTitleBarButton::SetPicNormal(const TPicture* Value) {
    FPicNormal->Assign(*Value);
    Changed();
}

void TvskTitleBarButton::SetPicMouseOn(const TPicture* Value) {
    FPicMouseOn->Assign(*Value);
    Changed();
}

void TvskTitleBarButton::SetPicMouseDown(const TPicture* Value) {
    FPicMouseDown->Assign(*Value);
    Changed();
}

void TvskTitleBarButton::LoadFaces(const TvskThemeSource& Theme, int Group) {
    const TvskFaceTable Faces = VskPushButtonFaces.Shifted(Group, VskPushButtonFrameCount);
    Theme.Bitmap(VSK_THEME_TITLE_BAR_BUTTON_IMAGE, FPicNormal->Bitmap(), TitleStripFrames, Faces.Frame(vskFaceNormal));
    Theme.Bitmap(VSK_THEME_TITLE_BAR_BUTTON_IMAGE, FPicMouseOn->Bitmap(), TitleStripFrames, Faces.Frame(vskFaceHot));
    Theme.Bitmap(VSK_THEME_TITLE_BAR_BUTTON_IMAGE, FPicMouseDown->Bitmap(), TitleStripFrames,
                 Faces.Frame(vskFacePressed));
}

void TvskTitleBarButton::UpdateUIStyle() {
    const TvskThemeSource Theme(TitleBar() ? TitleBar()->FileTheme() : nullptr, FUIStyle);
    FTransparent = Theme.Bool(VSK_THEME_TITLE_BAR_BUTTON_TRANSPARENT_BOOL);
    // A custom button keeps the pictures and place it was given.
    if (FButtonType == vskCustom) return;
    LoadFaces(Theme, FaceGroup(FButtonType));
    FTop = Theme.Int(VSK_THEME_TITLE_BAR_BUTTON_TOP_INT);
    if (FButtonType == vskMax) ProcessMaxBtn();
}

void TvskTitleBarButton::ProcessMaxBtn() {
    TvskTitleBar* Bar = TitleBar();
    if (FButtonType != vskMax || (Bar && Bar->Custom())) return;
    const TCustomForm* Form = Bar ? Bar->GetParentForm() : nullptr;
    const bool Maximized = Form && Form->WindowState() == wsMaximized;
    LoadFaces(TvskThemeSource(Bar ? Bar->FileTheme() : nullptr, FUIStyle), Maximized ? RestoreGroup : MaximiseGroup);
    Changed();
}

void TvskTitleBarButton::DoClick() {
    TvskTitleBar* Bar = TitleBar();
    TCustomForm* Form = Bar ? Bar->GetParentForm() : nullptr;
    if (!Form) return;
    switch (FButtonType) {
    case vskMax:
        if (Form->WindowState() == wsMaximized) {
            Form->SetWindowState(wsNormal);
        } else {
            Form->SetWindowState(wsMaximized);
            // Inside a skinned form the form places the window itself when it is sized.
            if (!Bar->InForm()) PlaceControl(*Form, VskMaximizedBounds());
        }
        ProcessMaxBtn();
        break;
    case vskMin: VskMinimizeForm(*Form); break;
    case vskClose: Form->Close(); break;
    case vskControlBox:
        if (FControlBoxMenu) Bar->PopupBelow(*FControlBoxMenu);
        break;
    case vskHelp:
    case vskCustom: break; // the title bar raises their events
    }
}

void TvskTitleBarButton::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TvskTitleBarButton*>(&Source);
    if (!Other) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetVisible(Other->FVisible);
    SetButtonType(Other->FButtonType);
    SetTransparent(Other->FTransparent);
    SetTop(Other->FTop);
    SetUIStyle(Other->FUIStyle);
    FPicNormal->Assign(*Other->FPicNormal);
    FPicMouseOn->Assign(*Other->FPicMouseOn);
    FPicMouseDown->Assign(*Other->FPicMouseDown);
    SetControlBoxMenu(Other->FControlBoxMenu);
    Changed();
}

TvskTitleBarButtons::TvskTitleBarButtons(TvskTitleBar* ATitleBar)
    : TOwnedItems<TvskTitleBarButton>(ATitleBar), FTitleBar(ATitleBar) {}

bool TvskTitleBarButtons::AnyOf(TvskTitleBarBtnType Kind) const {
    for (int Index = 0; Index < Count(); ++Index)
        if (Items(Index)->ButtonType() == Kind) return true;
    return false;
}

bool TvskTitleBarButtons::AnyVisible(TvskTitleBarBtnType Kind) const {
    for (int Index = 0; Index < Count(); ++Index)
        if (Items(Index)->Visible() && Items(Index)->ButtonType() == Kind) return true;
    return false;
}

void TvskTitleBarButtons::Update(TCollectionItem*) {
    if (FTitleBar) FTitleBar->Invalidate();
}
