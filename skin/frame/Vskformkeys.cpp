#include "skin/frame/Vskformkeys.h"

#include "framework/win/graphics/HandleOwners.h"

#include <algorithm>
#include <vector>

namespace {

struct TThreadKeys {
    std::vector<TvskKeyTarget*> Targets;
    THookHandle Hook;
};

// Never destroyed: the program's forms go with the application object at static destruction, after this
// thread's own objects are gone, and each skinned frame leaves the registry on its way out.
TThreadKeys& ThreadKeys() {
    thread_local auto* const Keys = new TThreadKeys;
    return *Keys;
}

bool Offered(UINT Message) {
    switch (Message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: return true;
    default: return Message >= WM_KEYFIRST && Message <= WM_KEYLAST;
    }
}

// The window's frames from the window outwards, until one takes the message.
bool OfferToFrames(const MSG& Msg) {
    for (HWND Window = Msg.hwnd; Window;
         Window = (::GetWindowLongPtrA(Window, GWL_STYLE) & WS_CHILD) ? ::GetParent(Window) : nullptr) {
        // A frame may leave the registry while it handles the message: walk a copy.
        const std::vector<TvskKeyTarget*> Targets = ThreadKeys().Targets;
        for (TvskKeyTarget* Target : Targets)
            if (std::find(ThreadKeys().Targets.begin(), ThreadKeys().Targets.end(), Target) !=
                    ThreadKeys().Targets.end() &&
                Target->KeyWindow() == Window && Target->OnApplicationMessage(Msg))
                return true;
    }
    return false;
}

LRESULT CALLBACK GetMessageHook(int Code, WPARAM WParam, LPARAM LParam) {
    // Only messages taken off the queue: a peek that leaves them there would see them twice.
    if (Code == HC_ACTION && WParam == PM_REMOVE) {
        MSG& Msg = *reinterpret_cast<MSG*>(LParam);
        if (Offered(Msg.message) && OfferToFrames(Msg)) Msg.message = WM_NULL;
    }
    return ::CallNextHookEx(ThreadKeys().Hook.Get(), Code, WParam, LParam);
}

} // namespace

void TvskFormKeys::Register(TvskKeyTarget& Target) {
    if (std::find(ThreadKeys().Targets.begin(), ThreadKeys().Targets.end(), &Target) != ThreadKeys().Targets.end())
        return;
    ThreadKeys().Targets.push_back(&Target);
    if (!ThreadKeys().Hook)
        ThreadKeys().Hook.Reset(::SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId()));
}

void TvskFormKeys::Unregister(TvskKeyTarget& Target) {
    std::erase(ThreadKeys().Targets, &Target);
    if (ThreadKeys().Targets.empty()) ThreadKeys().Hook.Reset();
}

bool TvskFormKeys::Installed() {
    return static_cast<bool>(ThreadKeys().Hook);
}
