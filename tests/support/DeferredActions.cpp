#include "tests/support/DeferredActions.h"

#include <windows.h>

#include <map>
#include <utility>

namespace {
// A thread timer's procedure gets only the timer's id: the actions wait here under it.
std::map<UINT_PTR, std::function<void()>>& Pending() {
    static std::map<UINT_PTR, std::function<void()>> Actions;
    return Actions;
}

// The action leaves the table before it runs, so that it may arrange another one (or end the loop it runs in).
void CALLBACK RunPending(HWND, UINT, UINT_PTR Id, DWORD) {
    ::KillTimer(nullptr, Id);
    const auto Found = Pending().find(Id);
    if (Found == Pending().end()) return;
    const std::function<void()> Action = std::move(Found->second);
    Pending().erase(Found);
    Action();
}
} // namespace

void RunSoon(int Milliseconds, std::function<void()> Action) {
    const UINT_PTR Id = ::SetTimer(nullptr, 0, static_cast<UINT>(Milliseconds), RunPending);
    Pending()[Id] = std::move(Action);
}

void CloseMenusSoon(int Milliseconds) {
    RunSoon(Milliseconds, [] { ::EndMenu(); });
}
