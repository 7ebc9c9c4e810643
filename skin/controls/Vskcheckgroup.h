// TvskCheckGroup / TvskRadioGroup: group boxes that hold one skinned check box (radio button) per line of
// their Items, placed in Columns columns that fill top to bottom, then left to right. The group speaks for its
// buttons: Checked[], ItemEnabled[] and ItemIndex read and set them, and a click on any of them is the
// group's OnClick.
//
// Items may change at any moment, also from the OnClick of the very button that is then removed: a button
// whose line goes while it is still handling its click is hidden at once and freed only once the messages
// being handled now are done. A removed button that had the focus hands it to the group.
#pragma once

#include "skin/controls/Vskgroupbox.h"

#include <functional>
#include <memory>
#include <vector>

class TStrings;
class TvskCheckBox;

inline constexpr int VskCheckGroupTopMargin = 8;

class TvskCheckGroup : public TvskCustomGroupBox {
    VSK_CLASS(TvskCheckGroup, TvskCustomGroupBox)

public:
    explicit TvskCheckGroup(TComponent* AOwner);
    ~TvskCheckGroup() override;

    // One button per line; any change makes, frees, names and places the buttons again.
    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value);
    // Below 1 is ignored.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    // Between the caption band and the first row; negative is ignored.
    int TopMargin() const { return FTopMargin; }
    void SetTopMargin(int Value);

    // Outside the buttons, reading gives false and writing does nothing.
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);
    bool ItemEnabled(int Index) const;
    void SetItemEnabled(int Index, bool Value);

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    // The button of line Index, or null outside the buttons.
    TvskCheckBox* Buttons(int Index) const;

    void SetTransparent(bool Value) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

protected:
    // Hooks, in this order: a click on the group or a button, before OnClick; a new button for a line; the
    // group received the focus and may hand it on.
    virtual void NewClick() {}
    virtual TvskCheckBox* CreateAButton();
    virtual void FocusUpdate();
    // Whether a button's change of Checked counts as a click of the group.
    virtual bool ClickCounts(const TvskCheckBox& Button) const;

    void Click() override;
    void Resize() override;
    void Destroying() override;
    void WndProc(TMessage& Message) override;

private:
    void ItemsChanged(TObject* Sender);
    void UpdateButtons();
    void AddButton();
    void RemoveLastButton();
    void ArrangeButtons();
    void ButtonClick(TObject* Sender);
    void ReleaseRetired();
    bool IsItemButton(const TComponent* Component) const;
    void InvalidateButtons();
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMCursorChanged(TMessage& Message);
    void CMRelease(TMessage& Message);

    std::unique_ptr<TStrings> FItems;
    std::vector<TvskCheckBox*> FButtons;  // owned, line i's button at i
    std::vector<TvskCheckBox*> FRetired;  // owned, hidden, waiting to be freed
    int FColumns = 1;
    int FTopMargin = VskCheckGroupTopMargin;
    int FClickDepth = 0; // button clicks being handled now
};

class TvskRadioGroup : public TvskCheckGroup {
    VSK_CLASS(TvskRadioGroup, TvskCheckGroup)

public:
    explicit TvskRadioGroup(TComponent* AOwner);

    // The first checked button's index, or -1. Setting -1 unchecks every button; an index outside -1 to the
    // last line is ignored.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    // Whether a click may change the chosen button.
    virtual bool CanModify() const { return true; }

protected:
    TvskCheckBox* CreateAButton() override;
    void FocusUpdate() override;
    // Only the button that becomes chosen: the one that lost its check along with it is the same choice.
    bool ClickCounts(const TvskCheckBox& Button) const override;
};
