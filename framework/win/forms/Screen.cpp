#include "framework/win/forms/Screen.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Font.h"

#include <algorithm>
#include <utility>

VSK_IMPLEMENT_CLASS(TScreen)

void TScreen::Publish(TPublisher<TScreen>&) {}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

TRect TScreen::WorkAreaRect() const {
    RECT Area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &Area, 0);
    return Area;
}

TRect TScreen::MonitorWorkAreaRect(HWND Window) const {
    MONITORINFO Info{};
    Info.cbSize = sizeof(Info);
    if (!::GetMonitorInfoA(::MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &Info)) return WorkAreaRect();
    return Info.rcWork;
}

TRect TScreen::DesktopRect() const {
    return Bounds(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                  ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

int TScreen::Width() const {
    return ::GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return ::GetSystemMetrics(SM_CYSCREEN);
}

TFont* TScreen::MenuFont() {
    if (!FMenuFont) {
        NONCLIENTMETRICSA Metrics{};
        Metrics.cbSize = sizeof(Metrics);
        FMenuFont = std::make_unique<TFont>();
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
            FMenuFont->AssignLogFont(Metrics.lfMenuFont);
    }
    return FMenuFont.get();
}

TCustomForm* TScreen::Forms(int Index) const {
    if (Index < 0 || Index >= FormCount()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FForms[static_cast<std::size_t>(Index)];
}

void TScreen::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    // Show it now, not at the next mouse move.
    POINT P;
    ::GetCursorPos(&P);
    if (Value != crDefault)
        ::SetCursor(Cursors(Value));
    else
        ::SetCursorPos(P.x, P.y);
}

HCURSOR TScreen::Cursors(TCursor Cursor) const {
    static const std::pair<TCursor, LPCSTR> SystemCursors[] = {
        {crArrow, IDC_ARROW},          {crCross, IDC_CROSS},
        {crIBeam, IDC_IBEAM},          {crSizeNESW, IDC_SIZENESW},
        {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},        {crUpArrow, IDC_UPARROW},
        {crHourGlass, IDC_WAIT},       {crNo, IDC_NO},
        {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},       {crSizeAll, IDC_SIZEALL},
    };
    if (Cursor == crNone) return nullptr;
    for (const auto& [Value, Id] : SystemCursors)
        if (Value == Cursor) return ::LoadCursorA(nullptr, Id);
    return ::LoadCursorA(nullptr, IDC_ARROW);
}

void TScreen::AddForm(TCustomForm* Form) {
    FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    std::erase(FForms, Form);
    if (FActiveForm == Form) {
        FActiveForm = nullptr;
        FActiveControl = nullptr;
    }
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    FActiveForm = Form;
    FActiveControl = Form ? Form->ActiveControl() : nullptr;
}

void TScreen::SetActiveControl(TWinControl* Control) {
    FActiveControl = Control;
}

void TScreen::DefocusControl(TWinControl* Control) {
    if (Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}
