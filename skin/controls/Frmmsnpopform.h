// TfrmMSNPopForm: the window of the pop-up notification (TvskMSNPopForm owns it; the application talks only
// to the component). It is read from its stored description, takes the size of its background picture
// MSNPOPFORM, and is a bare always-on-top pop-up owned by the desktop that never takes the focus.
//
// It shows and hides itself only by sliding (AnimateWindow: up into place, down out of sight), or at once
// when its close box was pressed; a timer checked every 100 ms hides it when its stay time is over. Clicks
// and hiding are handed to the component through three hooks, each raised with the form as sender.
#pragma once

#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"

class TLabel;
class TTimer;

class TfrmMSNPopForm : public TForm {
    VSK_CLASS(TfrmMSNPopForm, TForm)

public:
    using TTickSource = DWORD(WINAPI*)(); // GetTickCount's own calling convention

    explicit TfrmMSNPopForm(TComponent* AOwner);
    ~TfrmMSNPopForm() override;

    // Taken at the next showing and hiding.
    int AnimateTime() const { return FAnimateTime; }
    void SetAnimateTime(int Value) { FAnimateTime = Value; }
    int StayTime() const { return FStayTime; }
    void SetStayTime(int Value) { FStayTime = Value; }
    bool ClickHide() const { return FClickHide; }
    void SetClickHide(bool Value) { FClickHide = Value; }

    TLabel& TitleLabel() const { return *lbl_title; }
    TLabel& MessageLabel() const { return *lbl_text; }
    TTimer& StayTimer() const { return *Timer1; }

    // At the bottom right of the work area, its bottom edge on the task bar's top.
    void PlaceAboveTaskBar();
    // Slides the window up into place above every other window, without activating it, and starts its stay.
    void SlideIn();
    // Hides the window (at once after the close box, else sliding down) and raises OnHidden. A window that
    // is hidden already has nothing to hide: no second OnHidden for one showing.
    void HideWindow();
    // Stops the stay timer and hides.
    void CloseWindow();

    // Where the stay is measured from: GetTickCount, unless a test counts time itself.
    void SetTickSource(TTickSource Value) { FTickSource = Value; }
    // Inside one of its hooks or slides, further up the stack: it must not be destroyed now.
    bool Busy() const { return FBusy > 0; }
    // Lets go of the component: no hook is raised any more, the timer stops and the window goes at once.
    void Detach();

    // Clicks on the window or its message, clicks on its title, and every hide.
    TNotifyEvent OnWindowClick;
    TNotifyEvent OnTitleClick;
    TNotifyEvent OnHidden;

    // Handlers, bound by name in the description.
    void FormClick(TObject* Sender);
    void lbl_titleClick(TObject* Sender);
    void lbl_textClick(TObject* Sender);
    void Timer1Timer(TObject* Sender);

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void PaintWindow(HDC DC) override;
    void UpdateShowing() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void Clicked(const TNotifyEvent& Hook);
    void Slide(DWORD Flags);
    void MakeTopmost();
    void Raise(const TNotifyEvent& Hook);

    TLabel* lbl_title = nullptr;
    TLabel* lbl_text = nullptr;
    TTimer* Timer1 = nullptr;

    TBitmap FBackground;
    int FAnimateTime = 0;
    int FStayTime = 0;
    bool FClickHide = false;
    DWORD FShownAt = 0;
    bool FClosedByBox = false;
    DWORD FSlideFlags = 0; // the AnimateWindow flags of the showing or hiding under way; 0 for one at once
    TTickSource FTickSource = ::GetTickCount;
    int FBusy = 0; // code of its own running further up the stack
};
