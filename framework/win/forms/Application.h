// TApplication (the global Application): the program's message loop and its hooks. Run shows the main
// form and handles messages until the main form closes (Terminate). Each message is first offered to the
// one application-wide OnMessage hook, then key messages go to the focused control's CN_ pre-processing
// (dialog keys, accelerators, menu shortcuts) and only then to TranslateMessage/DispatchMessage.
//
// Exceptions that reach a window procedure, a timer or the loop are shown by HandleException in the
// standard message box (OnException may take them instead). All message boxes of the program go through
// MessageBox, whose hook lets tests answer them.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/Exceptions.h"
#include "framework/win/forms/Form.h"
#include "framework/win/windowing/UtilityWindow.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

class TIcon;

class TApplication : public TComponent {
    VSK_CLASS(TApplication, TComponent)

public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Readies the system's common controls.
    void Initialize();

    // The caption of the exception box; the program's file name without extension when not set.
    std::string Title() const;
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TIcon* Icon() const { return FIcon.get(); }
    // The first form made with CreateForm.
    TCustomForm* MainForm() const { return FMainForm; }
    // Whether one of the program's windows is the foreground window.
    bool Active() const;

    // Constructs a form owned by the application, reads its description resource, fires OnCreate; the
    // first form becomes the main form.
    template<class T>
    T* CreateForm() {
        static_assert(std::is_base_of_v<TCustomForm, T>, "CreateForm makes forms");
        T* Form = new T(this);
        try {
            FormCreated(*Form);
        } catch (...) {
            delete Form;
            throw;
        }
        return Form;
    }

    // Shows the main form and handles messages until Terminate. Terminated is cleared again when Run returns,
    // so that the application can run another main form later.
    void Run();
    void Terminate() { ::PostQuitMessage(0); }
    bool Terminated() const { return FTerminated; }
    // Handles one message, or waits for the next when there is none.
    void HandleMessage();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    // Destroys Form once the messages being handled now are done (TCustomForm::Release).
    void ReleaseForm(TCustomForm* Form);

    // Shows the exception being handled (call it inside a catch block).
    void HandleException(TObject* Sender);
    void ShowException(const Exception& E);

    // The one message box of the program. With a hook installed, the hook answers instead of the user.
    int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags);
    using TMessageBoxHook = std::function<int(const std::string& Text, const std::string& Caption, UINT Flags)>;
    // Installs a hook (null: none) and returns the previous one.
    TMessageBoxHook SetMessageBoxHook(TMessageBoxHook Hook);

    // The application-wide message hook: sees every message first; Handled stops its processing.
    TEvent<MSG& /*Msg*/, bool& /*Handled*/> OnMessage;
    TEvent<TObject* /*Sender*/, const Exception&> OnException;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Destroying() override;

private:
    void FormCreated(TCustomForm& Form);
    bool ProcessMessage();
    bool IsKeyMsg(MSG& Msg);
    bool IsMDIMsg(MSG& Msg);
    bool UtilityMessage(TMessage& Message);
    void ReleaseForms();

    std::string FTitle;
    std::unique_ptr<TIcon> FIcon;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    TMessageBoxHook FMessageBoxHook;
    std::vector<TCustomForm*> FReleasing;
    std::unique_ptr<TUtilityWindow> FUtilityWindow;
};

extern TApplication* Application;
