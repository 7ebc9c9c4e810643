#include "tests/support/ScratchWindow.h"

TScratchWindow::TScratchWindow(int Width, int Height) {
    FHandle.Adopt(::CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, 0, 0, Width, Height, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr));
}

void TScratchWindow::Show() const {
    ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}
