#include "framework/win/windowing/UtilityWindow.h"

#include "framework/core/Exceptions.h"
#include "framework/win/forms/Application.h"
#include "framework/win/windowing/WindowClasses.h"

namespace {
constexpr const char* UtilityClassName = "TUtilityWindow";
} // namespace

TUtilityWindow::TUtilityWindow(THandler Handler) : FHandler(std::move(Handler)) {
    TCreateParams Params;
    Params.WinClassName = UtilityClassName;
    RegisterControlClass(Params, &TUtilityWindow::WindowProc);
    const HWND Window =
        ::CreateWindowExA(0, UtilityClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ProgramInstance(), this);
    if (!Window) throw EInvalidOperation("Error creating a utility window");
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_NCCREATE) {
        auto* Self = static_cast<TUtilityWindow*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
        Self->FHandle.Adopt(Window);
        ::SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Self));
    }
    auto* Self = reinterpret_cast<TUtilityWindow*>(::GetWindowLongPtrA(Window, GWLP_USERDATA));
    if (!Self) return ::DefWindowProcA(Window, Msg, WParam, LParam);
    if (Msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
        Self->FHandle.Forget();
        return ::DefWindowProcA(Window, Msg, WParam, LParam);
    }
    TMessage Message{Msg, WParam, LParam, 0};
    try {
        if (Self->FHandler(Message)) return Message.Result;
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
    return ::DefWindowProcA(Window, Msg, WParam, LParam);
}
