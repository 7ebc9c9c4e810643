// TMenuItem: one command of a menu, or a sub-menu holding further items. An item is a component (so window
// descriptions hold items nested under their menu and under each other) and lives in exactly one parent:
// a menu's root item or another item. Destroying an item destroys its sub-items.
//
// Every item has a command id for its whole life: WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM name items by
// it. An item with sub-items owns the system's pop-up menu (HMENU) that shows them; the menu the item
// belongs to builds it when first needed and rebuilds it after every change.
//
// Owner-drawn menus measure and draw each item through MeasureItem and DrawItem: the OnMeasureItem and
// OnDrawItem events, or the framework's plain drawing when they are not set.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/menus/ShortCuts.h"

#include <string>
#include <vector>

class TCanvas;
class TMenu;

using TMenuMeasureItemEvent = TEvent<TObject* /*Sender*/, TCanvas* /*Canvas*/, int& /*Width*/, int& /*Height*/>;
using TMenuDrawItemEvent = TEvent<TObject* /*Sender*/, TCanvas* /*Canvas*/, const TRect& /*Rect*/, bool /*Selected*/>;

class TMenuItem : public TComponent {
    VSK_CLASS(TMenuItem, TComponent)

public:
    // The caption of a separator line.
    static constexpr const char* LineCaption = "-";

    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Checked() const { return FChecked; }
    // Checking a radio item unchecks the other radio items of its group among its siblings.
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // A hidden item is not in the menu at all.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // The item Enter or a double click on the parent runs; shown bold.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    // Clicking turns Checked over.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    // The image of the menu's Images drawn with the item; -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool IsLine() const { return FCaption == LineCaption; }

    // Sub-items. Insert and Add take an item out of another parent first; Delete and Remove take one out
    // without destroying it (its owner still does), Clear destroys them all.
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const;
    int IndexOf(const TMenuItem* Item) const;
    void Add(TMenuItem* Item) { Insert(Count(), Item); }
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    void Clear();
    TMenuItem* Parent() const { return FParent; }
    // The item's position among its siblings.
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // The menu the item is in (through its parents), or null.
    TMenu* GetParentMenu() const;

    UINT Command() const { return FCommand; }
    // The system menu showing the sub-items, built when first asked for.
    HMENU Handle();
    // The handle built so far, without building one.
    HMENU HandleIfBuilt() const { return FHandle.Get(); }

    // Runs the item (nothing when it is disabled).
    virtual void Click();
    // An owner-drawn item's size and drawing: the framework's plain one, changed or replaced by the events.
    virtual void MeasureItem(TCanvas& Canvas, int& Width, int& Height);
    virtual void DrawItem(TCanvas& Canvas, const TRect& Rect, bool Selected);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    void SetParentComponent(TComponent* Value) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

protected:
    void Destroying() override;
    // Tells the menu the item has changed; Rebuild says the menu's structure did.
    void MenuChanged(bool Rebuild);

private:
    friend class TMenu;

    // Fills the item's system menu with its visible sub-items, making the menu when there is none (or the
    // system destroyed it along with a window).
    void BuildHandle(bool MenuBar);
    void WriteEntries();
    void FreeHandle();
    void DefaultMeasure(TCanvas& Canvas, int& Width, int& Height) const;
    void DefaultDraw(TCanvas& Canvas, const TRect& Rect, bool Selected) const;

    std::string FCaption;
    TShortCut FShortCut = scNone;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    int FGroupIndex = 0;
    int FImageIndex = -1;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    TMenu* FMenu = nullptr; // set on a menu's root item only
    UINT FCommand;
    TMenuHandle FHandle;
};
