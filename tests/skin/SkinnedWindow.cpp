#include "tests/skin/SkinnedWindow.h"

#include "tests/support/Messages.h"

#include "framework/win/forms/Application.h"

namespace {
constexpr int WindowLeft = 40;
constexpr int WindowTop = 40;
// Long enough for the first paint of the frame under Wine.
constexpr int ShowSettle = 50;
} // namespace

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
    PumpFor(ShowSettle);
}

// A test may have destroyed the host already (Host.reset()); what the destruction posted is handled here.
TSkinnedWindow::~TSkinnedWindow() {
    Host.reset();
    Application->ProcessMessages();
}

POINT TSkinnedWindow::TitlePoint(int X, int Y) const {
    const TPoint Point = Skin->TitleBar()->ClientToScreen(TPoint(X, Y));
    return {Point.x, Point.y};
}
