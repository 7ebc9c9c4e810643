// TvskMainMenu: the framework's main menu made for skinned windows. Instead of showing as the host window's
// menu bar (the skinned form removes that along with the caption), it hands itself to the skinned frame of
// its form, whose skinned menu bar shows each top-level item as a button; its drop-down items are drawn
// like those of the skinned pop-up menu. Checked items without an image of their own show the menu's own
// check mark, kept in an image list of its own until Images is given one.
#pragma once

#include "framework/win/menus/MainMenu.h"
#include "skin/controls/Vskskinnedmenu.h"

#include <memory>

class TImageList;

// What a skinned frame showing a skinned main menu does for the menu. The frame sets and clears the link
// (SetForm) when the menu becomes or stops being its Menu.
class TvskMenuForm {
public:
    // The top-level items changed: one button per item, anew.
    virtual void UpdateMenu() = 0;
    // Captions, enabled and visible states of the top-level items changed.
    virtual void UpdateTopMenu() = 0;
    // The menu's font changed.
    virtual void RepaintMenuBar() = 0;

protected:
    ~TvskMenuForm() = default;
};

class TvskMainMenu : public TvskSkinnedMenu<TMainMenu> {
    VSK_CLASS(TvskMainMenu, TvskSkinnedMenu<TMainMenu>)

public:
    // Links itself to the skinned form on its owner form, when there is one.
    explicit TvskMainMenu(TComponent* AOwner);
    ~TvskMainMenu() override;

    // The image list given to the menu; null while it uses its own check mark list. Assigning null puts the
    // own list back.
    TImageList* Images() const;
    void SetImages(TImageList* Value);
    // The menu's own check mark list.
    const TImageList& CheckImages() const { return *FCheckImages; }

    TvskMenuForm* Form() const { return FForm; }
    void SetForm(TvskMenuForm* Value) { FForm = Value; }

    // Hooks every item's drawing to this menu and has the linked form build its bar anew.
    void MenuAdded();

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    const TImageList* ItemImages() const override { return Images(); }
    const TImageList& CheckMarks() const override { return *FCheckImages; }
    void FontChanged() override;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;
    void Destroying() override;

private:
    // Clears the owner form's own menu and links this menu to the owner's skinned form.
    void LinkToForm();

    std::unique_ptr<TImageList> FCheckImages;
    TvskMenuForm* FForm = nullptr;
};

// A skinned main menu asks the frame that shows it to follow its changes: links Menu (when it is a skinned
// main menu) to Form, or unlinks it when it is linked to Form.
void VskLinkMainMenu(TMainMenu* Menu, TvskMenuForm* Form, bool Linked);
