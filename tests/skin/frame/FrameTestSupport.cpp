#include "FrameTestSupport.h"

#include "framework/win/graphics/DeviceContexts.h"

#include <map>

namespace {

constexpr int WindowLeft = 40;
constexpr int WindowTop = 40;
constexpr int PumpStep = 5;
constexpr int InputSettle = 30;

void SendMouse(DWORD Flags) {
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dwFlags = Flags;
    ::SendInput(1, &Input, sizeof(INPUT));
}

void SendKey(WORD Key, DWORD Flags) {
    INPUT Input{};
    Input.type = INPUT_KEYBOARD;
    Input.ki.wVk = Key;
    Input.ki.dwFlags = Flags;
    ::SendInput(1, &Input, sizeof(INPUT));
}

std::map<UINT_PTR, std::function<void()>>& Pending() {
    static std::map<UINT_PTR, std::function<void()>> Actions;
    return Actions;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR Id, DWORD) {
    ::KillTimer(nullptr, Id);
    auto Found = Pending().find(Id);
    if (Found == Pending().end()) return;
    const std::function<void()> Action = std::move(Found->second);
    Pending().erase(Found);
    Action();
}

} // namespace

bool PumpFor(int Milliseconds, const std::function<bool()>& Done) {
    for (int Waited = 0; Waited <= Milliseconds; Waited += PumpStep) {
        Application->ProcessMessages();
        if (Done && Done()) return true;
        ::Sleep(PumpStep);
    }
    Application->ProcessMessages();
    return Done && Done();
}

TSkinnedWindow::TSkinnedWindow(TvskUIStyle Style, int ClientWidth, int ClientHeight)
    : Host(std::make_unique<TForm>(Application)) {
    Host->SetCaption("IBM AS/400 CL Command Vantrel");
    Host->SetBorderStyle(bsDialog);
    Host->SetBounds(WindowLeft, WindowTop, ClientWidth, ClientHeight);
    Skin = new TvskForm(Host.get());
    Skin->SetUIStyle(Style);
    Host->SetClientWidth(ClientWidth);
    Host->SetClientHeight(ClientHeight);
    Host->Show();
    ::SetForegroundWindow(Host->Handle());
    PumpFor(50);
}

TSkinnedWindow::~TSkinnedWindow() {
    Host.reset();
    Application->ProcessMessages();
}

POINT TSkinnedWindow::TitlePoint(int X, int Y) const {
    const TPoint Point = Skin->TitleBar()->ClientToScreen(TPoint(X, Y));
    return {Point.x, Point.y};
}

std::unique_ptr<TBitmap> WindowShot(HWND Window) {
    ::RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(50);
    RECT Rect;
    ::GetWindowRect(Window, &Rect);
    auto Shot = std::make_unique<TBitmap>(Rect.right - Rect.left, Rect.bottom - Rect.top);
    const TWindowDC Screen(nullptr);
    ::BitBlt(Shot->Canvas().Handle(), 0, 0, Shot->Width(), Shot->Height(), Screen.Handle(), Rect.left, Rect.top,
             SRCCOPY);
    return Shot;
}

TColor ShotPixel(TBitmap& Shot, int X, int Y) {
    return ::GetPixel(Shot.Canvas().Handle(), X, Y);
}

void MoveMouse(POINT Screen) {
    ::SetCursorPos(Screen.x, Screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
    PumpFor(InputSettle);
}

void PressLeft() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeft() {
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void ClickAt(POINT Screen) {
    MoveMouse(Screen);
    PressLeft();
    ReleaseLeft();
    PumpFor(InputSettle);
}

void DoubleClickAt(POINT Screen) {
    MoveMouse(Screen);
    PressLeft();
    ReleaseLeft();
    PressLeft();
    ReleaseLeft();
    PumpFor(InputSettle);
}

void KeyDown(WORD Key) {
    SendKey(Key, 0);
}

void KeyUp(WORD Key) {
    SendKey(Key, KEYEVENTF_KEYUP);
}

void RunSoon(int Milliseconds, std::function<void()> Action) {
    const UINT_PTR Id = ::SetTimer(nullptr, 0, static_cast<UINT>(Milliseconds), RunPending);
    Pending()[Id] = std::move(Action);
}

void CloseMenusSoon(int Milliseconds) {
    RunSoon(Milliseconds, [] { ::EndMenu(); });
}

THandleCountSnapshot HandleCountSnapshot() {
    THandleCountSnapshot Counts{};
    for (std::size_t Kind = 0; Kind < THandleCounts::KindCount; ++Kind)
        Counts[Kind] = THandleCounts::Live(static_cast<THandleKind>(Kind));
    return Counts;
}

TBoxRecorder::TBoxRecorder() {
    FPrevious = Application->SetMessageBoxHook([this](const std::string& Text, const std::string&, UINT) {
        Texts.push_back(Text);
        return IDOK;
    });
}

TBoxRecorder::~TBoxRecorder() {
    Application->SetMessageBoxHook(FPrevious);
}
