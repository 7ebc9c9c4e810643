#include "framework/win/forms/Timer.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/SystemTimer.h"
#include "framework/win/windowing/UtilityWindow.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TTimer)

void TTimer::Publish(TPublisher<TTimer>& p) {
    p.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    p.Int("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    p.Event("OnTimer", &TTimer::OnTimer);
}

namespace {
constexpr UINT_PTR TimerId = 1;
} // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    UpdateTimer();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(int Value) {
    Value = std::max(Value, 0);
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::Loaded() {
    inherited::Loaded();
    UpdateTimer();
}

// The system timer is made again on every change; while stopped there is neither timer nor window.
void TTimer::UpdateTimer() {
    FSystemTimer.reset();
    const bool Runs = FEnabled && FInterval > 0 && !ComponentState().Contains(csLoading);
    if (!Runs) {
        FWindow.reset();
        return;
    }
    if (!FWindow) FWindow = std::make_unique<TUtilityWindow>([this](TMessage& M) { return WindowMessage(M); });
    FSystemTimer = std::make_unique<TSystemTimer>(FWindow->Handle(), TimerId, static_cast<UINT>(FInterval));
}

bool TTimer::WindowMessage(TMessage& Message) {
    if (Message.Msg != WM_TIMER) return false;
    Timer();
    return true;
}

void TTimer::Timer() {
    OnTimer(this);
}
