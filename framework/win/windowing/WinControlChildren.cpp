// The child controls of a windowed control: the list in z-order (the first at the bottom), inserting and
// removing, finding the one under a point, moving one to the top or bottom, and messages to all of them.
#include "framework/win/windowing/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/win/forms/Form.h"

#include <algorithm>
#include <string>

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FControls[static_cast<std::size_t>(Index)];
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (; Control; Control = Control->Parent())
        if (Control == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* Control) {
    auto* Window = dynamic_cast<TWinControl*>(Control);
    if (Window && Window->ContainsControl(this)) throw EInvalidOperation("A control cannot be placed inside itself");
    Control->FParent = this;
    FControls.push_back(Control);
    if (Window) FTabList.push_back(Window);
    Control->ApplyParentStyle();
    Control->UpdateAnchorRules();
    if (Window && FHandle && Window->Visible()) Window->CreateHandle();
    Control->InvalidateControl();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), TRUE);
    if (Control->Align() != alNone) AlignControl(Control);
}

void TWinControl::RemoveControl(TControl* Control) {
    if (Control->FParent != this) return;
    if (auto* Window = dynamic_cast<TWinControl*>(Control)) {
        if (TCustomForm* Form = GetParentForm()) Form->DefocusControl(Window, true);
        Window->DestroyHandle();
        std::erase(FTabList, Window);
    } else {
        Control->InvalidateControl();
    }
    std::erase(FControls, Control);
    Control->FParent = nullptr;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), FALSE);
    if (Control->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(const TPoint& Point, bool AllowDisabled, bool AllowWinControls) const {
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
        TControl* Control = *It;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(Control)) continue;
        const TRect Area = Control->BoundsRect();
        if (Control->Visible() && (Control->Enabled() || AllowDisabled) && ::PtInRect(&Area, Point)) return Control;
    }
    return nullptr;
}

void TWinControl::MoveControlInZOrder(TControl* Control, bool TopMost) {
    std::erase(FControls, Control);
    if (TopMost)
        FControls.push_back(Control);
    else
        FControls.insert(FControls.begin(), Control);
    if (auto* Window = dynamic_cast<TWinControl*>(Control); Window && Window->FHandle)
        ::SetWindowPos(Window->FHandle.Get(), TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetZOrder(bool TopMost) {
    if (Parent())
        Parent()->MoveControlInZOrder(this, TopMost);
    else if (FHandle)
        ::SetWindowPos(FHandle.Get(), TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A window made later than its siblings still takes its place in the parent's z-order: just below the next
// windowed sibling above it.
void TWinControl::PlaceWindowInZOrder() {
    if (!Parent()) return;
    const auto& Siblings = Parent()->FControls;
    auto It = std::find(Siblings.begin(), Siblings.end(), this);
    HWND Above = HWND_TOP;
    for (++It; It != Siblings.end(); ++It)
        if (auto* Window = dynamic_cast<TWinControl*>(*It); Window && Window->FHandle) {
            Above = Window->FHandle.Get();
            break;
        }
    ::SetWindowPos(FHandle.Get(), Above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Broadcast(TMessage& Message) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children) {
        Child->FWindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg, WPARAM WParam, LPARAM LParam) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children)
        Child->Perform(Msg, WParam, LParam);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    for (TControl* Child : FControls)
        if (Child->Owner() == Root) Proc(Child);
}

void TWinControl::Loaded() {
    inherited::Loaded();
    FixupTabList();
    Realign();
}
