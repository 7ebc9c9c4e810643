// TMenu: the base of main and pop-up menus. Its items hang under the root item Items; the system menu
// (Handle) is built from them when first needed and rebuilt after every change of an item, which reaches
// the menu through MenuChanged (subclasses add to it: a skinned menu bar refreshes its buttons there).
//
// Items draw themselves (OwnerDraw, or when the menu has Images). With AutoHotkeys the captions of a
// system-drawn menu get accelerator letters where they have none, different among siblings.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/win/menus/MenuItem.h"

#include <cstdint>
#include <memory>

class TImageList;

struct TEnumInfo;

enum TMenuAutoFlag : std::uint8_t { maAutomatic, maManual };
extern const TEnumInfo TMenuAutoFlagInfo;

using TMenuChangeEvent = TEvent<TObject* /*Sender*/, TMenuItem* /*Source*/, bool /*Rebuild*/>;

class TMenu : public TComponent {
    VSK_CLASS(TMenu, TComponent)

public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item: the menu's items are its sub-items.
    TMenuItem* Items() const { return FItems.get(); }
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    // Whether the items are drawn by MeasureItem/DrawItem rather than by the system.
    bool IsOwnerDraw() const { return FOwnerDraw || FImages; }
    TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
    void SetAutoHotkeys(TMenuAutoFlag Value);

    HMENU Handle();
    bool HandleAllocated() const { return FItems->HandleIfBuilt() != nullptr; }

    // Whether a key message (WM_KEYDOWN, WM_SYSKEYDOWN) is the shortcut of an enabled item; that item runs.
    bool IsShortCut(const TMessage& KeyMessage);

    TMenuChangeEvent OnChange;

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

protected:
    // An item changed (Source; null for the menu as a whole); Rebuild: the structure did. Rebuilds the system
    // menu if it is built, then fires OnChange.
    virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
    // The root's system menu is a menu bar (main menus) or a pop-up menu.
    virtual bool IsMenuBar() const { return false; }
    void Destroying() override;

private:
    friend class TMenuItem;

    std::unique_ptr<TMenuItem> FItems;
    TImageList* FImages = nullptr;
    bool FOwnerDraw = false;
    TMenuAutoFlag FAutoHotkeys = maAutomatic;
};
