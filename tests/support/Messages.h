// Messages for tests that drive real windows: handling what is waiting, waiting for something to happen, and
// recording what reaches a control.
#pragma once

#include "framework/win/windowing/Messages.h"

#include <functional>
#include <vector>

class TControl;

// Handles every message waiting, in a few rounds so that messages posted while handling are seen too.
void PumpMessages();
// Handles messages until Done() says so or Milliseconds have passed; returns Done().
bool PumpUntil(const std::function<bool()>& Done, int Milliseconds);
// Handles messages for Milliseconds: for what takes its time to arrive and gives no sign that it has.
void PumpFor(int Milliseconds);

// Records the messages that reach a control's window procedure while it lives, passing them on.
class TMessageLog {
public:
    explicit TMessageLog(TControl& Control);
    ~TMessageLog();
    TMessageLog(const TMessageLog&) = delete;
    TMessageLog& operator=(const TMessageLog&) = delete;

    const std::vector<TMessage>& Messages() const { return FMessages; }
    int Count(UINT Msg) const;
    // The messages Msg, in order.
    std::vector<TMessage> Of(UINT Msg) const;
    void Clear() { FMessages.clear(); }

private:
    TControl& FControl;
    TWndMethod FSaved;
    std::vector<TMessage> FMessages;
};
