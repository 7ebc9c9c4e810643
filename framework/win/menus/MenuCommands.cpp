#include "framework/win/menus/MenuCommands.h"

#include "framework/win/forms/Screen.h"
#include "framework/win/graphics/CanvasDCScope.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/windowing/Accelerators.h"
#include "framework/win/windowing/UtilityWindow.h"

#include <algorithm>
#include <map>

namespace {
// WM_COMMAND carries the id in a WORD; 0 is no command.
constexpr UINT FirstCommand = 1;
constexpr UINT LastCommand = 0xFFFF;

// Never destroyed: menu items can outlive every static of the program (forms are destroyed with the
// application object, itself a static), and each one leaves this registry on its way out.
std::map<UINT, TMenuItem*>& Items() {
    static auto* const Registered = new std::map<UINT, TMenuItem*>;
    return *Registered;
}

void MeasureMenuItem(MEASUREITEMSTRUCT& Measure, TMenuItem& Item) {
    TWindowDC ScreenDC(nullptr);
    TCanvas Canvas;
    TCanvasDCScope Drawing(Canvas, ScreenDC.Handle());
    Canvas.SetFont(*Screen->MenuFont());
    int Width = 0;
    int Height = 0;
    Item.MeasureItem(Canvas, Width, Height);
    Measure.itemWidth = static_cast<UINT>(std::max(Width, 0));
    Measure.itemHeight = static_cast<UINT>(std::max(Height, 0));
}

void DrawMenuItem(const DRAWITEMSTRUCT& Draw, TMenuItem& Item) {
    TCanvas Canvas;
    TCanvasDCScope Drawing(Canvas, Draw.hDC);
    Canvas.SetFont(*Screen->MenuFont());
    Item.DrawItem(Canvas, Draw.rcItem, (Draw.itemState & ODS_SELECTED) != 0);
}

// A letter typed into an owner-drawn menu runs the visible item whose caption has it as accelerator.
bool MenuChar(TMessage& Message) {
    if (HIWORD(Message.WParam) & MF_SYSMENU) return false;
    const TMenuItem* Parent = FindMenuItemOfHandle(reinterpret_cast<HMENU>(Message.LParam));
    if (!Parent) return false;
    WORD Position = 0;
    for (int I = 0; I < Parent->Count(); ++I) {
        const TMenuItem* Item = Parent->Items(I);
        if (!Item->Visible()) continue;
        if (IsAccel(static_cast<char>(LOWORD(Message.WParam)), Item->Caption())) {
            Message.Result = MAKELRESULT(Position, MNC_EXECUTE);
            return true;
        }
        ++Position;
    }
    return false;
}
} // namespace

UINT RegisterMenuItem(TMenuItem& Item) {
    static UINT Next = FirstCommand;
    auto& Registered = Items();
    if (Registered.size() > LastCommand - FirstCommand) throw EOutOfResources();
    while (Registered.contains(Next))
        Next = Next == LastCommand ? FirstCommand : Next + 1;
    const UINT Command = Next;
    Registered.emplace(Command, &Item);
    Next = Next == LastCommand ? FirstCommand : Next + 1;
    return Command;
}

void UnregisterMenuItem(UINT Command) {
    Items().erase(Command);
}

TMenuItem* FindMenuItem(UINT Command) {
    const auto Found = Items().find(Command);
    return Found == Items().end() ? nullptr : Found->second;
}

TMenuItem* FindMenuItemOfHandle(HMENU Menu) {
    if (!Menu) return nullptr;
    for (const auto& [Command, Item] : Items())
        if (Item->HandleIfBuilt() == Menu) return Item;
    return nullptr;
}

bool DispatchMenuMessage(TMessage& Message) {
    switch (Message.Msg) {
    case WM_COMMAND: {
        TMenuItem* Item =
            Message.LParam == 0 && HIWORD(Message.WParam) == 0 ? FindMenuItem(LOWORD(Message.WParam)) : nullptr;
        if (!Item) return false;
        Item->Click();
        return true;
    }
    case WM_MEASUREITEM: {
        auto& Measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
        TMenuItem* Item = Measure.CtlType == ODT_MENU ? FindMenuItem(Measure.itemID) : nullptr;
        if (!Item) return false;
        MeasureMenuItem(Measure, *Item);
        Message.Result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        const auto& Draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        TMenuItem* Item = Draw.CtlType == ODT_MENU ? FindMenuItem(Draw.itemID) : nullptr;
        if (!Item) return false;
        DrawMenuItem(Draw, *Item);
        Message.Result = TRUE;
        return true;
    }
    case WM_INITMENUPOPUP: {
        // A sub-menu about to open: its item's OnClick may still change what it shows.
        TMenuItem* Item = FindMenuItemOfHandle(reinterpret_cast<HMENU>(Message.WParam));
        if (!Item) return false;
        Item->Click();
        return true;
    }
    case WM_MENUCHAR: return MenuChar(Message);
    default: return false;
    }
}

std::shared_ptr<TUtilityWindow> MenuWindow() {
    static std::weak_ptr<TUtilityWindow> Shared;
    std::shared_ptr<TUtilityWindow> Window = Shared.lock();
    if (!Window) {
        Window = std::make_shared<TUtilityWindow>(&DispatchMenuMessage);
        Shared = Window;
    }
    return Window;
}
