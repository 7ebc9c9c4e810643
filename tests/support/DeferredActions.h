// Actions that run a little later from the thread's message loop, whichever loop is running then: the
// application's, or a modal one of the system's (a menu, moving a window, a dialog) that a test has started
// and cannot leave by itself.
#pragma once

#include <functional>

// Runs Action once, from a thread timer, after Milliseconds.
void RunSoon(int Milliseconds, std::function<void()> Action);
// Closes whatever menu is open then.
void CloseMenusSoon(int Milliseconds = 100);
