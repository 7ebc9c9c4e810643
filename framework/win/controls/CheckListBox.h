// TCheckListBox: a list of lines, each with a check box, over an owner-drawn LISTBOX control. A click on an
// item's box or the space bar on the selected item turns its check over and fires OnClickCheck; a click
// anywhere selects the item (OnClick). Items (with an object per line) and checks outlive the window.
#pragma once

#include "framework/win/controls/CheckListStrings.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/windowing/SystemControl.h"

#include <memory>

class TCheckListBox : public TSystemControl {
    VSK_CLASS(TCheckListBox, TSystemControl)

public:
    explicit TCheckListBox(TComponent* AOwner);
    ~TCheckListBox() override;

    TStrings* Items() const;
    void SetItems(const TStrings* Value);
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);
    // The selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    // The item at a client point, -1 when there is none.
    int ItemAtPos(const TPoint& Point) const;
    // The height of every item; 0 follows the font.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    TNotifyEvent OnClickCheck;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WindowCreated() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyPress(char& Key) override;
    virtual void ClickCheck();

private:
    friend class TCheckListStrings;

    void ItemInserted(int Index);
    void ItemDeleted(int Index);
    void ItemTextChanged(int Index);
    void ItemsCleared();
    void ToggleClickCheck(int Index);
    int CheckWidth() const;
    void CNCommand(TMessage& Message);
    void CNDrawItem(TMessage& Message);
    void CNMeasureItem(TMessage& Message);

    std::unique_ptr<TCheckListStrings> FItems;
    int FItemHeight = 0;
    int FItemIndex = -1; // while there is no window
    TBorderStyle FBorderStyle = bsSingle;
    TCanvas FCanvas;
};
