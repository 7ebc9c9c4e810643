#include "skin/frame/Vskformkeys.h"

#include "framework/win/graphics/HandleOwners.h"
#include "skin/frame/Vskform.h"

#include <algorithm>
#include <vector>

namespace {

struct TThreadKeys {
    std::vector<TvskForm*> Forms;
    THookHandle Hook;
};

thread_local TThreadKeys GKeys;

TvskForm* FormOfWindow(HWND Window) {
    const HWND Root = Window ? ::GetAncestor(Window, GA_ROOT) : nullptr;
    if (!Root) return nullptr;
    for (TvskForm* Form : GKeys.Forms)
        if (Form->HostWindow() == Root) return Form;
    return nullptr;
}

LRESULT CALLBACK GetMessageHook(int Code, WPARAM WParam, LPARAM LParam) {
    // Only messages taken off the queue: a peek that leaves them there would see them twice.
    if (Code == HC_ACTION && WParam == PM_REMOVE) {
        MSG& Msg = *reinterpret_cast<MSG*>(LParam);
        if (TvskForm* Form = FormOfWindow(Msg.hwnd))
            if (Form->OnApplicationMessage(Msg)) Msg.message = WM_NULL;
    }
    return ::CallNextHookEx(GKeys.Hook.Get(), Code, WParam, LParam);
}

} // namespace

void TvskFormKeys::Register(TvskForm& Form) {
    if (std::find(GKeys.Forms.begin(), GKeys.Forms.end(), &Form) != GKeys.Forms.end()) return;
    GKeys.Forms.push_back(&Form);
    if (!GKeys.Hook)
        GKeys.Hook.Reset(::SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId()));
}

void TvskFormKeys::Unregister(TvskForm& Form) {
    std::erase(GKeys.Forms, &Form);
    if (GKeys.Forms.empty()) GKeys.Hook.Reset();
}

bool TvskFormKeys::Installed() {
    return static_cast<bool>(GKeys.Hook);
}
