// TvskTitleBar: the skinned caption of a window. It draws the caption band from the style's three title
// images (the sections), the caption text, the caption buttons and a control box (or the application's
// icon), follows the pointer over the buttons, turns a drag on the caption into a system move of its form
// and a double click into maximise/restore, and has a small system menu of its own. Inside a skinned form
// (TvskForm) it is the form's first child, aligned to the top.
#pragma once

#include "framework/win/controls/Panel.h"
#include "skin/frame/Vskformborder.h"
#include "skin/frame/Vsklifeline.h"
#include "skin/frame/Vsktitlebarbuttons.h"
#include "skin/frame/Vsktitlebarsections.h"
#include "skin/themes/Vskthemed.h"

#include <memory>
#include <vector>

class TBitmap;
class TvskTitleBarPopupMenu;

// Raised after a click on a custom or help button: the title bar and the button's index in Buttons.
using TvskTitleBarButtonClickEvent = TEvent<TObject* /*Sender*/, int /*ButtonIndex*/>;

class TvskTitleBar : public TvskThemed<TCustomPanel> {
    VSK_CLASS(TvskTitleBar, TvskThemed<TCustomPanel>)

public:
    explicit TvskTitleBar(TComponent* AOwner);
    ~TvskTitleBar() override;

    // While true, style changes leave the sections, buttons, offsets and font colour alone.
    bool Custom() const { return FCustom; }
    void SetCustom(bool Value) { FCustom = Value; }
    // Sizes the bar to its left image (inside a skinned form 3 rows less, which the form's frame shows).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize2(bool Value);
    TvskTitleBarSections* Sections() const { return FSections.get(); }
    void SetSections(const TvskTitleBarSections* Value);
    TvskTitleBarButtons* Buttons() const { return FButtons.get(); }
    void SetButtons(const TvskTitleBarButtons* Value);
    int ButtonInterval() const { return FButtonInterval; }
    void SetButtonInterval(int Value);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& Value);
    bool FormActive() const { return FFormActive; }
    void SetActive(bool Value);
    int LeftBtnXOffset() const { return FLeftBtnXOffset; }
    void SetLeftBtnXOffset(int Value);
    int RightBtnXOffset() const { return FRightBtnXOffset; }
    void SetRightBtnXOffset(int Value);
    bool DrawAppIcon() const { return FDrawAppIcon; }
    void SetDrawAppIcon(bool Value);
    // Kept for the skinned form's window region.
    int RoundCorner() const { return FRoundCorner; }
    void SetRoundCorner(int Value) { FRoundCorner = Value; }

    TvskTitleBarPopupMenu* SystemMenu() const { return FSystemMenu; }
    // The row of the caption buttons and of the control box, in the bar's coordinates.
    int ButtonTop() const { return FButtonTop; }
    int ButtonStripHeight() const { return FButtonStripHeight; }

    // Swaps the maximise button's faces for the restore faces while the form is maximized, and back.
    void ProcessMaxBtn();
    // The pictures of sections 0, 1 and 2, when there are such sections.
    const TBitmap* GetLeftImage() const { return SectionImage(LeftSection); }
    const TBitmap* GetRightImage() const { return SectionImage(RightSection); }
    const TBitmap* GetCenterImage() const { return SectionImage(CenterSection); }
    // Exactly three sections with pictures: the skinned form can draw them into its frame.
    bool CanPaint() const;
    // The bar is the title bar of a skinned frame, which paints the window's top rows around it: a skinned
    // form is its parent, or a frame that places it on its form said so (SetInFrame).
    bool InForm() const;
    void SetInFrame(bool Value) { FInFrame = Value; }

    // Where each visible button is, from the bar's width; the caption gets what lies between.
    struct TButtonPlace {
        int Index;
        TRect Rect;
    };
    struct TLayout {
        std::vector<TButtonPlace> Places; // the right-hand row, then the control box; later places win hits
        int CaptionLeft = 0;
        int CaptionRight = 0;
    };
    TLayout Layout() const;
    // The button under a point of the bar (its right and bottom edges included), -1 for none.
    int ButtonAt(const TPoint& Point) const;
    // The button under the pointer as of the last paint, -1 for none.
    int HotButton() const { return FHotButton; }
    bool MouseIsDown() const { return FMouseDown; }

    // Shows Menu below the bar's left end.
    void PopupBelow(TPopupMenu& Menu);

    TvskTitleBarButtonClickEvent OnCustomBtnsClick;
    TvskTitleBarButtonClickEvent OnHelpBtnClick;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void FileThemeChanged() override;
    void Paint() override;
    // The two layers of a paint, on the off-screen canvas of the bar's size.
    virtual void DrawSectionsTo(TCanvas& Canvas, int Width);
    virtual void DrawButtons(TCanvas& Canvas, int Width);

    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;

private:
    static constexpr int LeftSection = 0;
    static constexpr int RightSection = 1;
    static constexpr int CenterSection = 2;

    const TBitmap* SectionImage(int Index) const;
    void ApplySections(const TvskThemeSource& Theme);
    void ApplyCaptionColor(const TvskThemeSource& Theme);
    void DrawFace(TCanvas& Canvas, const TvskTitleBarButton& Button, const TRect& Rect, bool Hot);
    void DrawAppIconAt(TCanvas& Canvas, int X, int Y);
    void DrawCaption(TCanvas& Canvas, int Left, int Right);
    void ClickButton(int Index);
    int PointerButton() const;
    LRESULT ForwardToForm(const TMessage& Message);
    void RepaintAfter(TMessage& Message);

    bool FCustom = false;
    bool FAutoSize = false;
    std::unique_ptr<TvskTitleBarSections> FSections;
    std::unique_ptr<TvskTitleBarButtons> FButtons;
    int FButtonInterval = 0;
    bool FFormActive = true;
    int FLeftBtnXOffset = 0;
    int FRightBtnXOffset = 0;
    bool FDrawAppIcon = false;
    int FRoundCorner = 0;
    int FHotButton = -1;
    bool FMouseDown = false;
    int FButtonTop = 0;
    int FButtonStripHeight = 0;
    bool FSettingFileTheme = false;
    bool FMoving = false;               // inside the system's move loop
    bool FInFrame = false;
    TvskTitleBarPopupMenu* FSystemMenu; // owned as a component
    TvskLifeline FLifeline;
};
