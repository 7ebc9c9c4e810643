#include "tests/app/ShownMainWindow.h"

#include "tests/support/Components.h"
#include "tests/support/Messages.h"

#include "framework/win/forms/Application.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vsktitlebar.h"

namespace {
// Long enough for the first complete paint of the window under Wine.
constexpr int kShowSettle = 50;
constexpr int32_t kFirstStamp = 1158352107;
} // namespace

void ShownMainWindowTest::SetUpTestSuite() {
    RegisterProgramClasses();
}

void ShownMainWindowTest::TearDown() {
    Close();
    HistoryFileTest::TearDown();
}

void ShownMainWindowTest::Open(const std::vector<std::string>& Commands) {
    FileImage image;
    image.Int(static_cast<int32_t>(Commands.size()));
    for (size_t i = 0; i < Commands.size(); ++i)
        image.Record(Commands[i], kFirstStamp + static_cast<int32_t>(i));
    WriteHistory(image.Get());
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

HWND ShownMainWindowTest::Wnd(const char* szName) const {
    auto* pControl = FindComponentAs<TWinControl>(*m_pForm, szName);
    return pControl ? pControl->Handle() : nullptr;
}

TvskTitleBar& ShownMainWindowTest::TitleBar() const {
    return *FindComponentAs<TvskForm>(*m_pForm, "sfMain")->TitleBar();
}

POINT ShownMainWindowTest::TitleButtonCentre(int nType) const {
    TvskTitleBar& bar = TitleBar();
    for (const TvskTitleBar::TButtonPlace& place : bar.Layout().Places) {
        if (bar.Buttons()->Items(place.Index)->ButtonType() != nType) continue;
        const TPoint pt = bar.ClientToScreen(TPoint((place.Rect.left + place.Rect.right) / 2,
                                                    (place.Rect.top + place.Rect.bottom) / 2));
        return {pt.x, pt.y};
    }
    ADD_FAILURE() << "the title bar has no button of type " << nType;
    return {};
}

void ShownMainWindowTest::Click(const char* szName) const {
    ::SendMessageA(Wnd(szName), BM_CLICK, 0, 0);
}
