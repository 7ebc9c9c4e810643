// The caption buttons of a skinned title bar: TvskTitleBarButton (one button: its kind, its three faces, its
// visibility) and TvskTitleBarButtons, the title bar's owned collection of them, which repaints the bar
// whenever a button changes.
#pragma once

#include "framework/win/controls/OwnedItems.h"
#include "skin/themes/Vskthemetables.h"

#include <cstdint>
#include <memory>

class TPicture;
class TPopupMenu;
class TvskThemeSource;
class TvskTitleBar;

struct TEnumInfo;

enum TvskTitleBarBtnType : std::uint8_t { vskMax, vskMin, vskClose, vskHelp, vskControlBox, vskCustom };
extern const TEnumInfo TvskTitleBarBtnTypeInfo;

class TvskTitleBarButton : public TCollectionItem {
    VSK_CLASS(TvskTitleBarButton, TCollectionItem)

public:
    explicit TvskTitleBarButton(TCollection* ACollection);
    ~TvskTitleBarButton() override;

    TvskUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TvskUIStyle Value);
    TvskTitleBarBtnType ButtonType() const { return FButtonType; }
    // A second control box is refused with an error box; the button keeps its kind.
    void SetButtonType(TvskTitleBarBtnType Value);
    // The faces leave out the colour of their bottom-left pixel.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Kept for descriptions: the row is placed by the title bar.
    int Top() const { return FTop; }
    void SetTop(int Value);
    // A control box's own menu, shown instead of the title bar's system menu.
    TPopupMenu* ControlBoxMenu() const { return FControlBoxMenu; }
    void SetControlBoxMenu(TPopupMenu* Value);
    // Invisible buttons are neither drawn nor hit and take no room.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TPicture* PicNormal() const { return FPicNormal.get(); }
    void SetPicNormal(const TPicture* Value);
    TPicture* PicMouseOn() const { return FPicMouseOn.get(); }
    void SetPicMouseOn(const TPicture* Value);
    TPicture* PicMouseDown() const { return FPicMouseDown.get(); }
    void SetPicMouseDown(const TPicture* Value);

    // The title bar whose collection holds the button, or null.
    TvskTitleBar* TitleBar() const;
    // Reloads the faces of the button's kind from its style (or the title bar's file theme).
    void UpdateUIStyle();
    // A maximise button shows the restore faces while the window is maximized.
    void ProcessMaxBtn();
    // What the button does when clicked (help and custom buttons only raise the title bar's events).
    void DoClick();

    void Assign(const TPersistent& Source) override;

private:
    void LoadFaces(const TvskThemeSource& Theme, int Group);
    void Changed();

    TvskUIStyle FUIStyle = DeepBlue;
    TvskTitleBarBtnType FButtonType = vskCustom;
    bool FTransparent = false;
    int FTop;
    TPopupMenu* FControlBoxMenu = nullptr;
    bool FVisible = true;
    std::unique_ptr<TPicture> FPicNormal;
    std::unique_ptr<TPicture> FPicMouseOn;
    std::unique_ptr<TPicture> FPicMouseDown;
};

class TvskTitleBarButtons : public TOwnedItems<TvskTitleBarButton> {
public:
    explicit TvskTitleBarButtons(TvskTitleBar* ATitleBar);
    TvskTitleBar* TitleBar() const { return FTitleBar; }
    bool AnyOf(TvskTitleBarBtnType Kind) const;
    // Whether a visible button of the kind is there.
    bool AnyVisible(TvskTitleBarBtnType Kind) const;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TvskTitleBar* FTitleBar;
};
