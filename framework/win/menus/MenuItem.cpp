#include "framework/win/menus/MenuItem.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/Menu.h"
#include "framework/win/menus/MenuCommands.h"

#include <algorithm>
#include <cctype>
#include <set>

VSK_IMPLEMENT_CLASS(TMenuItem)

void TMenuItem::Publish(TPublisher<TMenuItem>& p) {
    p.Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
    p.Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    p.Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    p.Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    p.Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    p.Int("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    p.Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    p.Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    p.Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(scNone);
    p.Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    p.Event("OnClick", &TMenuItem::OnClick);
    p.Event("OnDrawItem", &TMenuItem::OnDrawItem);
    p.Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

namespace {
// The plain look of owner-drawn items, in pixels.
constexpr int GlyphMargin = 3;    // around the check mark or image
constexpr int TextMargin = 8;     // right of the caption or shortcut
constexpr int ShortCutGap = 16;   // between caption and shortcut
constexpr int VerticalMargin = 3; // above and below the text
constexpr int LineHeight = 9;     // a separator

std::string MenuText(const TMenuItem& Item, const std::string& Caption) {
    return Item.ShortCut() == scNone ? Caption : Caption + "\t" + ShortCutToText(Item.ShortCut());
}

char AccelOf(const std::string& Caption) {
    for (std::size_t I = 0; I + 1 < Caption.size(); ++I) {
        if (Caption[I] != '&') continue;
        if (Caption[++I] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(Caption[I])));
    }
    return '\0';
}

// The captions with automatic accelerators: a caption without one gets the first letter or digit that no
// sibling uses yet.
std::vector<std::string> AutoHotkeyCaptions(const std::vector<const TMenuItem*>& Items) {
    std::set<char> Used;
    for (const TMenuItem* Item : Items)
        if (const char Accel = AccelOf(Item->Caption())) Used.insert(Accel);
    std::vector<std::string> Captions;
    for (const TMenuItem* Item : Items) {
        std::string Caption = Item->Caption();
        if (!Item->IsLine() && !AccelOf(Caption)) {
            for (std::size_t I = 0; I < Caption.size(); ++I) {
                const auto C = static_cast<unsigned char>(Caption[I]);
                const char Upper = static_cast<char>(std::toupper(C));
                if (!std::isalnum(C) || Used.contains(Upper)) continue;
                Used.insert(Upper);
                Caption.insert(I, 1, '&');
                break;
            }
        }
        Captions.push_back(std::move(Caption));
    }
    return Captions;
}

int CheckAreaWidth(const TMenu* Menu) {
    const TImageList* Images = Menu ? Menu->Images() : nullptr;
    return (Images ? Images->Width() : ::GetSystemMetrics(SM_CXMENUCHECK)) + 2 * GlyphMargin;
}
} // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(RegisterMenuItem(*this)) {}

TMenuItem::~TMenuItem() = default;

void TMenuItem::Destroying() {
    inherited::Destroying();
    while (!FItems.empty())
        delete FItems.back();
    if (FParent) FParent->Remove(this);
    FreeHandle();
    UnregisterMenuItem(FCommand);
}

// Properties -----------------------------------------------------------------------------------------------

void TMenuItem::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    MenuChanged(false);
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (FShortCut == Value) return;
    FShortCut = Value;
    MenuChanged(false);
}

void TMenuItem::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (Value && FRadioItem && FParent)
        for (TMenuItem* Sibling : FParent->FItems)
            if (Sibling != this && Sibling->FRadioItem && Sibling->FGroupIndex == FGroupIndex)
                Sibling->FChecked = false;
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
    if (FDefault == Value) return;
    FDefault = Value;
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
    if (FRadioItem == Value) return;
    FRadioItem = Value;
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    MenuChanged(false);
}

void TMenuItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    MenuChanged(false);
}

void TMenuItem::MenuChanged(bool Rebuild) {
    if (TMenu* Menu = GetParentMenu()) Menu->MenuChanged(Menu, this, Rebuild);
}

// Sub-items ------------------------------------------------------------------------------------------------

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<std::size_t>(Index)];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    const auto Found = std::find(FItems.begin(), FItems.end(), Item);
    return Found == FItems.end() ? -1 : static_cast<int>(Found - FItems.begin());
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    for (const TMenuItem* Ancestor = this; Ancestor; Ancestor = Ancestor->FParent)
        if (Ancestor == Item) throw EInvalidOperation("A menu item cannot hold itself");
    if (Item->FParent) Item->FParent->Remove(Item);
    if (Index < 0 || Index > Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    MenuChanged(true);
}

void TMenuItem::Delete(int Index) {
    Remove(Items(Index));
}

void TMenuItem::Remove(TMenuItem* Item) {
    const int Index = IndexOf(Item);
    if (Index < 0) return;
    // The entry goes from the system menu at once: the item's own sub-menu may be about to be destroyed.
    if (FHandle && ::IsMenu(FHandle.Get())) ::RemoveMenu(FHandle.Get(), Item->FCommand, MF_BYCOMMAND);
    FItems.erase(FItems.begin() + Index);
    Item->FParent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* Root = this;
    while (Root->FParent)
        Root = Root->FParent;
    return Root->FMenu;
}

// The system menu ------------------------------------------------------------------------------------------

HMENU TMenuItem::Handle() {
    if (FItems.empty()) return nullptr;
    if (!FHandle || !::IsMenu(FHandle.Get())) BuildHandle(false);
    return FHandle.Get();
}

void TMenuItem::BuildHandle(bool MenuBar) {
    // A window destroys its menu bar (and the menus in it) with itself: such a handle is only forgotten.
    if (FHandle && !::IsMenu(FHandle.Get())) static_cast<void>(FHandle.Release());
    if (!FHandle) FHandle.Reset(MenuBar ? ::CreateMenu() : ::CreatePopupMenu());
    if (!FHandle) throw EOutOfResources();
    WriteEntries();
}

void TMenuItem::WriteEntries() {
    const HMENU Menu = FHandle.Get();
    while (::GetMenuItemCount(Menu) > 0)
        ::RemoveMenu(Menu, 0, MF_BYPOSITION);
    const TMenu* Owner = GetParentMenu();
    const bool OwnerDraw = Owner && Owner->IsOwnerDraw();
    std::vector<const TMenuItem*> Shown;
    for (const TMenuItem* Item : FItems)
        if (Item->FVisible) Shown.push_back(Item);
    std::vector<std::string> Captions;
    if (Owner && Owner->AutoHotkeys() == maAutomatic && !OwnerDraw)
        Captions = AutoHotkeyCaptions(Shown);
    else
        for (const TMenuItem* Item : Shown)
            Captions.push_back(Item->FCaption);
    for (std::size_t I = 0; I < Shown.size(); ++I) {
        auto* Item = const_cast<TMenuItem*>(Shown[I]);
        if (Item->FItems.empty())
            Item->FreeHandle();
        else
            Item->BuildHandle(false);
        std::string Text = MenuText(*Item, Captions[I]);
        MENUITEMINFOA Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        Info.fType = Item->IsLine() ? MFT_SEPARATOR : MFT_STRING;
        if (OwnerDraw) Info.fType |= MFT_OWNERDRAW;
        if (Item->FRadioItem) Info.fType |= MFT_RADIOCHECK;
        if (Item->FChecked) Info.fState |= MFS_CHECKED;
        if (!Item->FEnabled) Info.fState |= MFS_GRAYED;
        if (Item->FDefault) Info.fState |= MFS_DEFAULT;
        Info.wID = Item->FCommand;
        Info.hSubMenu = Item->FHandle.Get();
        Info.dwItemData = reinterpret_cast<ULONG_PTR>(Item);
        if (!Item->IsLine()) {
            Info.fMask |= MIIM_STRING;
            Info.dwTypeData = Text.data();
        }
        ::InsertMenuItemA(Menu, static_cast<UINT>(I), TRUE, &Info);
    }
}

void TMenuItem::FreeHandle() {
    if (!FHandle) return;
    if (!::IsMenu(FHandle.Get())) {
        static_cast<void>(FHandle.Release());
        return;
    }
    // The sub-menus in it belong to the sub-items: they are taken out, not destroyed with it.
    while (::GetMenuItemCount(FHandle.Get()) > 0)
        ::RemoveMenu(FHandle.Get(), 0, MF_BYPOSITION);
    FHandle.Reset();
}

// Running and drawing --------------------------------------------------------------------------------------

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked);
    OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& Canvas, int& Width, int& Height) {
    DefaultMeasure(Canvas, Width, Height);
    OnMeasureItem(this, &Canvas, Width, Height);
}

void TMenuItem::DrawItem(TCanvas& Canvas, const TRect& Rect, bool Selected) {
    if (OnDrawItem)
        OnDrawItem(this, &Canvas, Rect, Selected);
    else
        DefaultDraw(Canvas, Rect, Selected);
}

void TMenuItem::DefaultMeasure(TCanvas& Canvas, int& Width, int& Height) const {
    if (IsLine()) {
        Width = 0;
        Height = LineHeight;
        return;
    }
    if (FDefault) Canvas.Font().SetStyle(Canvas.Font().Style() | TFontStyles{fsBold});
    TRect Text;
    Canvas.DrawText(FCaption, Text, DT_CALCRECT | DT_SINGLELINE);
    Width = CheckAreaWidth(GetParentMenu()) + Text.Width() + TextMargin;
    if (FShortCut != scNone) Width += ShortCutGap + Canvas.TextWidth(ShortCutToText(FShortCut));
    const TImageList* Images = GetParentMenu() ? GetParentMenu()->Images() : nullptr;
    Height = std::max(Text.Height(), Images ? Images->Height() : 0) + 2 * VerticalMargin;
}

void TMenuItem::DefaultDraw(TCanvas& Canvas, const TRect& Rect, bool Selected) const {
    Canvas.Brush().SetColor(Selected && FEnabled ? clHighlight : clMenu);
    Canvas.FillRect(Rect);
    if (IsLine()) {
        TRect Line(Rect.left, Rect.top + Rect.Height() / 2, Rect.right, Rect.bottom);
        ::DrawEdge(Canvas.Handle(), &Line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const TMenu* Menu = GetParentMenu();
    const TImageList* Images = Menu ? Menu->Images() : nullptr;
    const int CheckArea = CheckAreaWidth(Menu);
    if (Images && FImageIndex >= 0 && FImageIndex < Images->Count()) {
        Images->Draw(Canvas, Rect.left + GlyphMargin, Rect.top + (Rect.Height() - Images->Height()) / 2, FImageIndex,
                     FEnabled);
    } else if (FChecked) {
        const int Size = CheckArea - 2 * GlyphMargin;
        TRect Mark = Bounds(Rect.left + GlyphMargin, Rect.top + (Rect.Height() - Size) / 2, Size, Size);
        ::DrawFrameControl(Canvas.Handle(), &Mark, DFC_MENU, FRadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Font().SetColor(!FEnabled ? clGrayText : Selected ? clHighlightText : clMenuText);
    if (FDefault) Canvas.Font().SetStyle(Canvas.Font().Style() | TFontStyles{fsBold});
    TRect Text(Rect.left + CheckArea, Rect.top, Rect.right - TextMargin, Rect.bottom);
    Canvas.DrawText(FCaption, Text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (FShortCut != scNone) Canvas.DrawText(ShortCutToText(FShortCut), Text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

// Descriptions ---------------------------------------------------------------------------------------------

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (auto* Menu = dynamic_cast<TMenu*>(Value))
        Menu->Items()->Add(this);
    else if (auto* Item = dynamic_cast<TMenuItem*>(Value))
        Item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    for (TMenuItem* Item : FItems)
        if (Item->Owner() == Root) Proc(Item);
}
