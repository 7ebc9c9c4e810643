#include "framework/win/windowing/MouseHover.h"

#include "framework/win/windowing/WinControl.h"

namespace {
TControl* GCurrent = nullptr;
} // namespace

TControl* TMouseHover::Current() {
    return GCurrent;
}

void TMouseHover::MovedOver(TControl* Control) {
    if (Control == GCurrent) return;
    TControl* Old = GCurrent;
    GCurrent = Control;
    if (Old) Old->Perform(CM_MOUSELEAVE, 0, ParamOfPointer(Old));
    // The leave handler may have moved on already (or destroyed the new control).
    if (Control && GCurrent == Control) Control->Perform(CM_MOUSEENTER, 0, ParamOfPointer(Control));
}

void TMouseHover::LeftWindow(TWinControl* Window) {
    if (!GCurrent) return;
    const bool GraphicChild = GCurrent->Parent() == Window && !dynamic_cast<TWinControl*>(GCurrent);
    if (GCurrent == Window || GraphicChild) MovedOver(nullptr);
}

void TMouseHover::Forget(TControl* Control) {
    if (GCurrent == Control) GCurrent = nullptr;
}
