#include "framework/win/forms/Application.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/windowing/ControlCanvas.h"
#include "framework/win/windowing/WindowClasses.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

VSK_IMPLEMENT_CLASS(TApplication)

void TApplication::Publish(TPublisher<TApplication>&) {}

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {
// The two globals live from before main until the program ends; the forms go before the screen.
struct TGlobals {
    TGlobals() {
        Screen = new TScreen(nullptr);
        Application = new TApplication(nullptr);
    }
    ~TGlobals() {
        delete std::exchange(Application, nullptr);
        delete std::exchange(Screen, nullptr);
    }
} Globals;
} // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), FIcon(std::make_unique<TIcon>()) {}

TApplication::~TApplication() = default;

void TApplication::Destroying() {
    inherited::Destroying();
    // The forms go while the application is whole: they still talk to it on their way out.
    DestroyComponents();
    FUtilityWindow.reset();
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX Controls{sizeof(Controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&Controls);
}

std::string TApplication::Title() const {
    if (!FTitle.empty()) return FTitle;
    char Path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, Path, MAX_PATH);
    std::string Name = Path;
    Name.erase(0, Name.find_last_of("\\/") + 1);
    return Name.substr(0, Name.find_last_of('.'));
}

bool TApplication::Active() const {
    DWORD Process = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &Process);
    return Process == ::GetCurrentProcessId();
}

void TApplication::FormCreated(TCustomForm& Form) {
    Form.CreateFromResource(ProgramInstance());
    if (!FMainForm) {
        FMainForm = &Form;
        FMainForm->FreeNotification(this);
    }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMainForm) FMainForm = nullptr;
    std::erase(FReleasing, AComponent);
}

// The message loop -----------------------------------------------------------------------------------------

void TApplication::Run() {
    FTerminated = false;
    if (FMainForm && !FMainForm->Visible()) FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
    FTerminated = false;
}

void TApplication::HandleMessage() {
    if (ProcessMessage()) return;
    // Idle: window DCs taken outside painting go back to the system before we sleep.
    TControlCanvas::FreeDeviceContexts();
    if (!FTerminated) ::WaitMessage();
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

bool TApplication::ProcessMessage() {
    MSG Msg;
    if (!::PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (Msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    try {
        bool Handled = false;
        OnMessage(Msg, Handled);
        if (!Handled && !IsMDIMsg(Msg) && !IsKeyMsg(Msg)) {
            ::TranslateMessage(&Msg);
            ::DispatchMessageA(&Msg);
        }
    } catch (...) {
        HandleException(this);
    }
    return true;
}

// Key messages go first to the nearest control of ours (the focused one, or the one capturing the mouse) as
// CN_ messages: dialog keys, accelerators and shortcuts are decided there.
bool TApplication::IsKeyMsg(MSG& Msg) {
    if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
    HWND Window = ::GetCapture();
    if (!Window) {
        Window = Msg.hwnd;
        if (FMainForm && FMainForm->HandleAllocated() && Window == FMainForm->ClientHandle())
            Window = FMainForm->Handle();
        while (Window && !TWinControl::FindControl(Window))
            Window = ::GetParent(Window);
    }
    TWinControl* Control = TWinControl::FindControl(Window);
    return Control && Control->Perform(CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

bool TApplication::IsMDIMsg(MSG& Msg) {
    return FMainForm && FMainForm->FormStyle() == fsMDIForm && FMainForm->ActiveMDIChild() &&
           ::TranslateMDISysAccel(FMainForm->ClientHandle(), &Msg);
}

void TApplication::ReleaseForm(TCustomForm* Form) {
    if (std::find(FReleasing.begin(), FReleasing.end(), Form) != FReleasing.end()) return;
    if (!FUtilityWindow)
        FUtilityWindow = std::make_unique<TUtilityWindow>([this](TMessage& M) { return UtilityMessage(M); });
    FReleasing.push_back(Form);
    Form->FreeNotification(this);
    ::PostMessageA(FUtilityWindow->Handle(), CM_RELEASE, 0, 0);
}

bool TApplication::UtilityMessage(TMessage& Message) {
    if (Message.Msg != CM_RELEASE) return false;
    ReleaseForms();
    return true;
}

void TApplication::ReleaseForms() {
    while (!FReleasing.empty()) {
        TCustomForm* Form = FReleasing.back();
        FReleasing.pop_back();
        Form->RemoveFreeNotification(this);
        delete Form;
    }
}

// Exceptions and message boxes -----------------------------------------------------------------------------

void TApplication::HandleException(TObject* Sender) {
    const std::exception_ptr Current = std::current_exception();
    if (!Current) return;
    try {
        try {
            std::rethrow_exception(Current);
        } catch (const Exception& E) {
            if (OnException)
                OnException(Sender, E);
            else
                ShowException(E);
        } catch (const std::exception& E) {
            const Exception Wrapped(E.what());
            if (OnException)
                OnException(Sender, Wrapped);
            else
                ShowException(Wrapped);
        } catch (...) {
            ShowException(Exception("Unknown exception"));
        }
    } catch (...) {
        // Showing failed (a handler threw): there is nobody left to tell.
    }
}

void TApplication::ShowException(const Exception& E) {
    std::string Text = E.Message();
    // A sentence ends with a full stop, unless it ends in punctuation already.
    if (!Text.empty() && Text.back() > '.') Text += '.';
    MessageBox(Text, Title(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
    if (FMessageBoxHook) return FMessageBoxHook(Text, Caption, Flags);
    HWND Owner = ::GetActiveWindow();
    if (!TWinControl::FindControl(Owner) && FMainForm && FMainForm->HandleAllocated()) Owner = FMainForm->Handle();
    return ::MessageBoxA(Owner, Text.c_str(), Caption.c_str(), Flags);
}

TApplication::TMessageBoxHook TApplication::SetMessageBoxHook(TMessageBoxHook Hook) {
    return std::exchange(FMessageBoxHook, std::move(Hook));
}
