#include "framework/win/windowing/WindowSubclass.h"

#include "framework/core/Exceptions.h"
#include "framework/win/forms/Application.h"

#include <utility>

namespace {
// The window property that leads the shared subclass procedure to its object.
constexpr const char* SubclassProperty = "VantrelWindowSubclass";
// Where a subclass that had to stay in the chain after its object went keeps the procedure it passes on to.
constexpr const char* PassOnProperty = "VantrelWindowSubclassPassOn";

LRESULT PassOn(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    const auto Previous = reinterpret_cast<WNDPROC>(::GetPropA(Window, PassOnProperty));
    if (Msg == WM_NCDESTROY) ::RemovePropA(Window, PassOnProperty);
    return Previous ? ::CallWindowProcA(Previous, Window, Msg, WParam, LParam)
                    : ::DefWindowProcA(Window, Msg, WParam, LParam);
}
} // namespace

TWindowSubclass::TWindowSubclass(HWND Window, TWndMethod Handler) : FWindow(Window), FHandler(std::move(Handler)) {
    if (!::IsWindow(Window) || ::GetPropA(Window, SubclassProperty))
        throw EInvalidOperation("A window can be subclassed once, while it exists");
    ::SetPropA(Window, SubclassProperty, this);
    FPrevious = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindowSubclass::SubclassProc)));
}

TWindowSubclass::~TWindowSubclass() {
    if (!FWindow) return;
    const auto Current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(FWindow, GWLP_WNDPROC));
    if (Current == &TWindowSubclass::SubclassProc) {
        ::SetWindowLongPtrA(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevious));
        ::RemovePropA(FWindow, SubclassProperty);
    } else {
        // Someone subclassed the window after us and calls our procedure: it must keep working, as a
        // plain pass-through to the procedure we saved.
        ::RemovePropA(FWindow, SubclassProperty);
        ::SetPropA(FWindow, PassOnProperty, reinterpret_cast<HANDLE>(FPrevious));
    }
}

void TWindowSubclass::CallPrevious(TMessage& Message) const {
    Message.Result = ::CallWindowProcA(FPrevious, FWindow, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT CALLBACK TWindowSubclass::SubclassProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = static_cast<TWindowSubclass*>(::GetPropA(Window, SubclassProperty));
    if (!Self) return PassOn(Window, Msg, WParam, LParam);
    TMessage Message{Msg, WParam, LParam, 0};
    if (Msg == WM_NCDESTROY) {
        // The window's last message: hand the window back and forget it before it goes.
        Self->CallPrevious(Message);
        ::SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Self->FPrevious));
        ::RemovePropA(Window, SubclassProperty);
        Self->FWindow = nullptr;
        return Message.Result;
    }
    try {
        Self->FHandler(Message);
    } catch (...) {
        Application->HandleException(nullptr);
    }
    return Message.Result;
}
