// The MDI side of TCustomForm: a form of style fsMDIForm is a frame holding an MDI client window, and forms of
// style fsMDIChild live in that client, made and destroyed through it, activated through WM_MDIACTIVATE and
// handled by the MDI default procedures.
#include "framework/win/forms/Form.h"

#include "framework/core/Exceptions.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Screen.h"

#include <string>

void TCustomForm::AddMDIChildStyles(TCreateParams& Params) {
    Params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
    Params.ExStyle |= WS_EX_MDICHILD;
}

HWND TCustomForm::ParentWindowHandle() {
    if (FFormStyle != fsMDIChild) return nullptr;
    TCustomForm* Frame = Application->MainForm();
    if (!Frame || Frame->FormStyle() != fsMDIForm)
        throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
    Frame->HandleNeeded();
    return Frame->ClientHandle();
}

LRESULT TCustomForm::CallDefaultProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (FFormStyle) {
    case fsMDIForm: return ::DefFrameProcA(Handle(), FMDIClient.Handle(), Msg, WParam, LParam);
    case fsMDIChild: return ::DefMDIChildProcA(Handle(), Msg, WParam, LParam);
    default: return inherited::CallDefaultProc(Msg, WParam, LParam);
    }
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
    inherited::AlignControls(AControl, Rect);
    FMDIClient.Place(Rect);
}

void TCustomForm::WMMDIActivate(TMessage& Message) {
    DefaultHandler(Message);
    const bool Activating = HandleAllocated() && reinterpret_cast<HWND>(Message.LParam) == Handle();
    if (Activating == FActive) return;
    FActive = Activating;
    if (Activating) {
        Screen->SetActiveForm(this);
        SetWindowFocus();
        OnActivate(this);
    } else {
        OnDeactivate(this);
    }
}

void TCustomForm::CreateMDIClient() {
    if (FFormStyle != fsMDIForm) return;
    FMDIClient.Create(Handle(), ClientRect());
    Realign();
}

// An MDI child is destroyed through its client window, which keeps the MDI bookkeeping right.
void TCustomForm::DestroyMDIWindows() {
    if (FFormStyle == fsMDIChild && HandleAllocated())
        ::SendMessageA(::GetParent(Handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    FMDIClient.Destroy();
}

// A frame closes only when each of its children agrees.
bool TCustomForm::MDIChildrenCloseQuery() {
    if (FFormStyle != fsMDIForm) return true;
    for (int I = 0; I < MDIChildCount(); ++I)
        if (!MDIChildren(I)->CloseQuery()) return false;
    return true;
}

int TCustomForm::MDIChildCount() const {
    int Count = 0;
    for (int I = 0; I < Screen->FormCount(); ++I)
        if (Screen->Forms(I)->IsMDIChildOf(*this)) ++Count;
    return Count;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
    int Left = Index;
    for (int I = 0; I < Screen->FormCount(); ++I)
        if (TCustomForm* Form = Screen->Forms(I); Form->IsMDIChildOf(*this) && Left-- == 0) return Form;
    throw EListError("MDI child index out of bounds (" + std::to_string(Index) + ")");
}

bool TCustomForm::IsMDIChildOf(const TCustomForm& Frame) const {
    return FFormStyle == fsMDIChild && HandleAllocated() && Frame.ClientHandle() &&
           ::GetParent(FHandle.Get()) == Frame.ClientHandle();
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    return dynamic_cast<TCustomForm*>(FindControl(FMDIClient.ActiveChild()));
}

void TCustomForm::Tile() {
    FMDIClient.Tile();
}

void TCustomForm::Cascade() {
    FMDIClient.Cascade();
}
