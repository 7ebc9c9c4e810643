// TTimer: fires OnTimer every Interval milliseconds while Enabled, from the message loop (a system timer on
// a hidden utility window, which exists only while the timer runs).
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Events.h"

#include <memory>

class TSystemTimer;
class TUtilityWindow;
struct TMessage;

class TTimer : public TComponent {
    VSK_CLASS(TTimer, TComponent)

public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Milliseconds; 0 stops the timer.
    int Interval() const { return FInterval; }
    void SetInterval(int Value);

    TNotifyEvent OnTimer;

    void Loaded() override;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    bool WindowMessage(TMessage& Message);

    bool FEnabled = true;
    int FInterval = 1000;
    std::unique_ptr<TUtilityWindow> FWindow;
    std::unique_ptr<TSystemTimer> FSystemTimer; // goes before its window
};
