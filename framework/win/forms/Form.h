// TCustomForm / TForm: a top-level window holding controls. Besides the frame (border style and caption
// buttons, window state, where it opens, client size, a main menu, an icon) a form keeps track of the focus
// among its controls (ActiveControl, OnEnter/OnExit, CM_FOCUSCHANGED to all its controls whenever the focus
// moves), closes through a close query (Close: OnCloseQuery, then OnClose), runs as a modal dialog
// (ShowModal, ModalResult), and can be an MDI frame holding MDI child forms in its MDI client window.
//
// A form class reads its stored description from the program's resources: the RCDATA resource named after
// the class in upper case (TFMMAIN for TfmMain). Application->CreateForm<T>() constructs the form, reads
// the description, then fires OnCreate.
#pragma once

#include "framework/win/forms/FormTypes.h"
#include "framework/win/forms/MDIClient.h"
#include "framework/win/windowing/WinControl.h"

#include <memory>
#include <string_view>

class TIcon;

class TCustomForm : public TWinControl {
    VSK_CLASS(TCustomForm, TWinControl)

public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Reads a description into this form (its properties, its controls and components).
    void ReadDescription(std::string_view Text);
    // Reads the description stored in the RCDATA resource named after the class in upper case; raises
    // EResNotFound when there is none.
    void ReadDescriptionResource(HINSTANCE Instance);
    // Fires OnCreate; an exception from the handler is shown, not passed on.
    void DoCreate();
    // What Application->CreateForm does after constructing a form: reads the description resource (not for
    // a plain TForm, which has none), fires OnCreate and shows the form if its description says Visible.
    void CreateFromResource(HINSTANCE Instance);

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    // Kept for descriptions: forms are laid out at their stored pixel sizes and do not scroll.
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(const TIcon* Value);
    // A component implementing TMainMenuLink (a TMainMenu), or null; anything else raises EPropertyError.
    TComponent* Menu() const { return FMenu; }
    void SetMenu(TComponent* Value);

    // The control that has (or gets, when the form is next activated) the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    // Focuses Control, activating the form if needed.
    void FocusControl(TWinControl* Control);
    bool Active() const { return FActive; }
    void SetFocus() override;

    // Closing: Close asks OnCloseQuery, then OnClose decides what happens (hide, free, minimise, nothing).
    // Closing the main form ends the application. A modal form just gets the modal result mrCancel.
    void Close();
    virtual bool CloseQuery();
    // Destroys the form once the messages being handled now are done.
    void Release();
    // Shows the form and runs messages, with the other windows disabled, until ModalResult is set.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    // MDI frames: the MDI client window and the MDI children in it.
    HWND ClientHandle() const { return FMDIClient.Handle(); }
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int Index) const;
    TCustomForm* ActiveMDIChild() const;
    void Tile();
    void Cascade();

    // Whether a key message is a shortcut of the form's main menu (and runs it).
    bool IsShortCut(const TMessage& Message);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WindowCreated() override;
    HWND ParentWindowHandle() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    LRESULT CallDefaultProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void UpdateShowing() override;
    void Destroying() override;
    virtual void DoClose(TCloseAction& Action);

private:
    friend class TWinControl;

    void SetFocusedControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control, bool Removing);
    void SetWindowFocus();
    void ApplyPosition();
    void IconChanged(TObject* Sender);
    void CloseModal();
    bool IsMDIChildOf(const TCustomForm& Frame) const;
    static void AddMDIChildStyles(TCreateParams& Params);
    void CreateMDIClient();
    void DestroyMDIWindows();
    bool MDIChildrenCloseQuery();

    void WMActivate(TMessage& Message);
    void WMMDIActivate(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMClose();
    void WMNCDestroy(TMessage& Message);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = DefaultBorderIcons;
    TWindowState FWindowState = wsNormal;
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    bool FScaled = true;
    bool FAutoScroll = true;
    bool FKeyPreview = false;
    std::unique_ptr<TIcon> FIcon;
    TComponent* FMenu = nullptr;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    bool FActive = false;
    bool FModal = false;
    bool FPositioned = false; // Position applied at the first showing
    TModalResult FModalResult = mrNone;
    TMDIClient FMDIClient;
};

// A form class of the program: publishes what descriptions of forms use.
class TForm : public TCustomForm {
    VSK_CLASS(TForm, TCustomForm)

public:
    explicit TForm(TComponent* AOwner);
};
