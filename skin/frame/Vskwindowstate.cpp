#include "skin/frame/Vskwindowstate.h"

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "skin/themes/Vskpublic.h"

namespace {
constexpr int KeptFreeRows = 1;
} // namespace

TRect VskMaximizedBounds() {
    TRect Area = GetWorkAreaRect();
    Area.bottom -= KeptFreeRows;
    return Area;
}

void VskMinimizeForm(TCustomForm& Form) {
    if (Application && Application->MainForm() == &Form)
        ::SendMessageA(Form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        Form.SetWindowState(wsMinimized);
}
