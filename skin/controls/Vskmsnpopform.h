// TvskMSNPopForm: a notification that slides up above the right end of the task bar with a title and a
// message over a fixed background picture, stays for StayTime milliseconds and slides down again. The window
// is a TfrmMSNPopForm that the component creates and owns; the application talks only to the component.
//
// OnClose is raised once for every hide, whichever way it came (the stay ran out, Close, a click with
// ClickHide, the close box). A handler may destroy the component: the window then goes at once and no
// further event is raised.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Events.h"

#include <memory>
#include <string>

class TFont;
class TfrmMSNPopForm;

class TvskMSNPopForm : public TComponent {
    VSK_CLASS(TvskMSNPopForm, TComponent)

public:
    explicit TvskMSNPopForm(TComponent* AOwner);
    ~TvskMSNPopForm() override;

    // Milliseconds of each slide.
    int AnimateTime() const { return FAnimateTime; }
    void SetAnimateTime(int Value) { FAnimateTime = Value; }
    // Milliseconds the window stays once it has slid in.
    int StayTime() const { return FStayTime; }
    void SetStayTime(int Value) { FStayTime = Value; }
    // The window's top-left corner on the screen while AutoPosition is off.
    int PositionX() const { return FPositionX; }
    void SetPositionX(int Value) { FPositionX = Value; }
    int PositionY() const { return FPositionY; }
    void SetPositionY(int Value) { FPositionY = Value; }
    // At the bottom right of the work area, just above the task bar.
    bool AutoPosition() const { return FAutoPosition; }
    void SetAutoPosition(bool Value) { FAutoPosition = Value; }
    // A click on the window hides it.
    bool ClickHide() const { return FClickHide; }
    void SetClickHide(bool Value) { FClickHide = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    const std::string& MessageText() const { return FMessageText; }
    void SetMessageText(const std::string& Value) { FMessageText = Value; }
    // Assigning copies the font.
    TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(const TFont* Value);
    TFont* MessageFont() const { return FMessageFont.get(); }
    void SetMessageFont(const TFont* Value);

    // Shows the notification with the current settings and starts its stay.
    void Popup();
    // Stops the stay and hides the window, sliding.
    void Close();

    // The window, for looking at it (null once it has gone).
    TfrmMSNPopForm* Form() const { return FForm; }

    TNotifyEvent OnTitleClick;
    TNotifyEvent OnClick;
    TNotifyEvent OnClose;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FormWindowClick(TObject* Sender);
    void FormTitleClick(TObject* Sender);
    void FormHidden(TObject* Sender);

    int FAnimateTime;
    int FStayTime;
    int FPositionX = 0;
    int FPositionY = 0;
    bool FAutoPosition = true;
    bool FClickHide = false;
    std::string FTitle;
    std::string FMessageText;
    std::unique_ptr<TFont> FTitleFont;
    std::unique_ptr<TFont> FMessageFont;
    TfrmMSNPopForm* FForm = nullptr; // owned as a component
};
