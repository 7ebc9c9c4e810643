#include "tests/support/Messages.h"

#include "framework/win/forms/Application.h"
#include "framework/win/windowing/Control.h"

namespace {
constexpr int PumpRounds = 5;
constexpr DWORD PumpRoundPause = 1; // milliseconds: lets timers and the system's own posting catch up
constexpr DWORD WaitPause = 5;
} // namespace

void PumpMessages() {
    for (int Round = 0; Round < PumpRounds; ++Round) {
        Application->ProcessMessages();
        ::Sleep(PumpRoundPause);
    }
}

bool PumpUntil(const std::function<bool()>& Done, int Milliseconds) {
    const DWORD Start = ::GetTickCount();
    while (!Done() && ::GetTickCount() - Start < static_cast<DWORD>(Milliseconds)) {
        Application->ProcessMessages();
        ::Sleep(WaitPause);
    }
    return Done();
}

// A last round after the time is up: what the final pause let arrive is handled too.
void PumpFor(int Milliseconds) {
    PumpUntil([] { return false; }, Milliseconds);
    Application->ProcessMessages();
}

TMessageLog::TMessageLog(TControl& Control) : FControl(Control), FSaved(Control.WindowProc()) {
    FControl.SetWindowProc([this](TMessage& Message) {
        FMessages.push_back(Message);
        FSaved(Message);
    });
}

TMessageLog::~TMessageLog() {
    FControl.SetWindowProc(FSaved);
}

int TMessageLog::Count(UINT Msg) const {
    return static_cast<int>(Of(Msg).size());
}

std::vector<TMessage> TMessageLog::Of(UINT Msg) const {
    std::vector<TMessage> Found;
    for (const TMessage& Message : FMessages)
        if (Message.Msg == Msg) Found.push_back(Message);
    return Found;
}
