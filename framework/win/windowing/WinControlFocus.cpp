// Focus among windowed controls: the tab order of a control's windowed children, moving the focus along it,
// and telling the form and the controls when the focus moves.
#include "framework/win/windowing/WinControl.h"

#include "framework/win/forms/Form.h"

#include <algorithm>
#include <climits>
#include <vector>

int TWinControl::TabOrder() const {
    if (!Parent()) return FTabOrder;
    const auto& List = Parent()->FTabList;
    const auto It = std::find(List.begin(), List.end(), this);
    return It == List.end() ? -1 : static_cast<int>(It - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
    // While a description is read the siblings are not all there yet: the parent sorts them when loaded.
    if (IsLoading() || !Parent()) {
        FTabOrder = Value;
        return;
    }
    auto& List = Parent()->FTabList;
    std::erase(List, this);
    const auto Position = static_cast<std::size_t>(std::clamp(Value, 0, static_cast<int>(List.size())));
    List.insert(List.begin() + static_cast<std::ptrdiff_t>(Position), this);
}

void TWinControl::FixupTabList() {
    auto Key = [](const TWinControl* Control) { return Control->FTabOrder < 0 ? INT_MAX : Control->FTabOrder; };
    std::stable_sort(FTabList.begin(), FTabList.end(),
                     [&Key](const TWinControl* A, const TWinControl* B) { return Key(A) < Key(B); });
    for (TWinControl* Child : FTabList)
        Child->FTabOrder = -1;
}

void TWinControl::SetTabStop(bool Value) {
    if (FTabStop == Value) return;
    FTabStop = Value;
    if (FHandle) {
        const LONG Style = ::GetWindowLongA(FHandle.Get(), GWL_STYLE);
        ::SetWindowLongA(FHandle.Get(), GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* Child : FTabList) {
        List.push_back(Child);
        Child->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty()) return nullptr;
    const int Count = static_cast<int>(List.size());
    const auto Found = std::find(List.begin(), List.end(), Current);
    // Without a current control, forward starts at the first and backward at the last.
    int Start = Found == List.end() ? (GoForward ? Count - 1 : 0) : static_cast<int>(Found - List.begin());
    int I = Start;
    do {
        I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
        TWinControl* Candidate = List[static_cast<std::size_t>(I)];
        if (Candidate != Current && Candidate->CanFocus() && (!CheckTabStop || Candidate->TabStop()) &&
            (!CheckParent || Candidate->Parent() == this))
            return Candidate;
    } while (I != Start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
    if (TWinControl* Next = FindNextControl(Current, GoForward, CheckTabStop, !CheckTabStop)) Next->SetFocus();
}

void TWinControl::SetFocus() {
    if (TCustomForm* Form = GetParentForm())
        Form->FocusControl(this);
    else if (HWND Window = Handle())
        ::SetFocus(Window);
}

bool TWinControl::Focused() const {
    return FHandle && ::GetFocus() == FHandle.Get();
}

bool TWinControl::CanFocus() const {
    const TCustomForm* Form = GetParentForm();
    if (!Form) return false;
    for (const TControl* Control = this; Control != Form; Control = Control->Parent())
        if (!Control->Visible() || !Control->Enabled()) return false;
    return true;
}

void TWinControl::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
    if (TCustomForm* Form = GetParentForm(); Form && Form != this) Form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& Message) {
    DefaultHandler(Message);
}

void TWinControl::CMFocusChanged(TMessage& Message) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children) {
        TMessage Copy = Message;
        Child->FWindowProc(Copy);
    }
}

void TWinControl::DoEnter() {
    OnEnter(this);
}

void TWinControl::DoExit() {
    OnExit(this);
}
