#include "tests/app/ShownMainWindow.h"

#include "tests/support/Components.h"
#include "tests/support/Messages.h"

#include "framework/win/forms/Application.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vsktitlebar.h"

namespace {
// Long enough for the first complete paint of the window under Wine.
constexpr int kShowSettle = 50;
} // namespace

void ShownMainWindowTest::Open(const std::vector<std::string>& Commands) {
    WriteCommands(Commands);
    m_pForm = Application->CreateForm<TfmMain>();
    m_pForm->SetConfirmQuit(true);
    m_pForm->Show();
    ::SetForegroundWindow(m_pForm->Handle());
    PumpFor(kShowSettle);
}

void ShownMainWindowTest::Close() {
    delete m_pForm;
    m_pForm = nullptr;
    PumpMessages();
}

TvskTitleBar& ShownMainWindowTest::TitleBar() const {
    return *FindComponentAs<TvskForm>(*m_pForm, "sfMain")->TitleBar();
}

POINT ShownMainWindowTest::TitleButtonCentre(int nType) const {
    TvskTitleBar& bar = TitleBar();
    for (const TvskTitleBar::TButtonPlace& place : bar.Layout().Places) {
        if (bar.Buttons()->Items(place.Index)->ButtonType() != nType) continue;
        const TPoint pt = bar.ClientToScreen(
            TPoint((place.Rect.left + place.Rect.right) / 2, (place.Rect.top + place.Rect.bottom) / 2));
        return {pt.x, pt.y};
    }
    ADD_FAILURE() << "the title bar has no button of type " << nType;
    return {};
}
