// The preview panel on its own, in a host of the main window's size: the rows it cuts, what it paints, what it
// copies, and that its window owns it.

#include "tests/support/Clipboard.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScratchWindow.h"

#include "app/Apputil.h"
#include "app/CLPanel.h"
#include "framework/win/graphics/HandleCounts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kHostWidth = 743;
constexpr int kHostHeight = 117;
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr int kRowHeight = 24;
constexpr int kMargin = 10;

std::string Letters(size_t nCount) {
    std::string s;
    for (size_t i = 0; i < nCount; ++i)
        s += static_cast<char>('A' + i % 26);
    return s;
}

// Tells when the window has deleted its panel.
class ProbePanel : public CLPanel {
public:
    explicit ProbePanel(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
    ~ProbePanel() override { *m_pbDeleted = true; }

private:
    bool* m_pbDeleted;
};

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_hInst = GetModuleHandleA(nullptr);
        m_pPanel = Host(kHostHeight);
    }

    // A panel filling a host of the given height, with a hidden edit control for its copies.
    CLPanel* Host(int nHeight) {
        m_hosts.push_back(std::make_unique<TScratchWindow>(kHostWidth, nHeight));
        m_hosts.back()->Show();
        const HWND hHost = m_hosts.back()->Handle();
        m_hEdit =
            CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE, 0, 0, 10, 10, hHost, nullptr, g_hInst, nullptr);
        auto* pPanel = new CLPanel;
        const RECT rc = {0, 0, kHostWidth, nHeight};
        EXPECT_TRUE(pPanel->Create(hHost, &rc));
        pPanel->SetEditWnd(m_hEdit);
        return pPanel;
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < kPanelRows && *m_pPanel->GetLine(i); ++i)
            rows.emplace_back(m_pPanel->GetLine(i));
        return rows;
    }

    std::unique_ptr<TBitmap> Shown() const {
        UpdateWindow(m_pPanel->GetWnd());
        return ScreenImage(m_pPanel->GetWnd());
    }

    // Whether text is drawn in row nRow (the band between its rules), from x on.
    static bool TextInRow(const TBitmap& pixels, int nRow, int x = kMargin) {
        return AreaHas(pixels, TRect(x, nRow * kRowHeight + 1, pixels.Width(), (nRow + 1) * kRowHeight), kGreen);
    }

    std::vector<std::unique_ptr<TScratchWindow>> m_hosts;
    HWND m_hEdit = nullptr;
    CLPanel* m_pPanel = nullptr;
};

TEST_F(PanelTest, RowsAreCutAtExactlySeventyFourThenEightyCharacters) {
    m_pPanel->SetText(Letters(74).c_str());
    EXPECT_EQ(Rows(), (std::vector<std::string>{Letters(74)}));

    const std::string s75 = Letters(75);
    m_pPanel->SetText(s75.c_str());
    EXPECT_EQ(Rows(), (std::vector<std::string>{s75.substr(0, 74), s75.substr(74)}));

    const std::string s400 = Letters(400);
    m_pPanel->SetText(s400.c_str());
    EXPECT_EQ(Rows(), (std::vector<std::string>{s400.substr(0, 74), s400.substr(74, 80), s400.substr(154, 80),
                                                s400.substr(234, 80), s400.substr(314, 80), s400.substr(394)}));
}

TEST_F(PanelTest, LineBreaksShowAsBlanks) {
    m_pPanel->SetText("DSPLIB\r\nLIB(QGPL)\nX\rY");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"DSPLIB  LIB(QGPL) X Y"}));
}

TEST_F(PanelTest, TextLongerThanACommandIsCutTo1023Characters) {
    const std::string sLong = Letters(1500);
    m_pPanel->SetText(sLong.c_str());
    const std::vector<std::string> rows = Rows();
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows.back(), sLong.substr(74 + 11 * 80, 69));

    m_pPanel->SetText(nullptr);
    EXPECT_TRUE(Rows().empty());
}

TEST_F(PanelTest, EmptyTextShowsThePromptAboveEveryRule) {
    const auto pixels = Shown();
    for (int y : {24, 48, 72, 96}) {
        EXPECT_EQ(PixelAt(*pixels, kMargin, y), kGreen) << "rule at " << y;
        EXPECT_EQ(PixelAt(*pixels, kHostWidth - kMargin - 1, y), kGreen) << "rule at " << y;
        EXPECT_NE(PixelAt(*pixels, kMargin - 1, y), kGreen) << "margin at " << y;
        EXPECT_NE(PixelAt(*pixels, kHostWidth / 2, y - 1), kGreen) << "one pixel high at " << y;
    }
    EXPECT_FALSE(AreaHas(*pixels, TRect(0, 97, kHostWidth, kHostHeight), kGreen)) << "a fifth rule does not fit";
    // The prompt " ===> " is six characters of a fixed-pitch font, about 54 pixels.
    const int nPromptRight = RightmostOf(*pixels, TRect(0, 1, kHostWidth, kRowHeight), kGreen);
    EXPECT_GT(nPromptRight, kMargin + 20);
    EXPECT_LT(nPromptRight, kMargin + 70);
    EXPECT_FALSE(TextInRow(*pixels, 1));
}

TEST_F(PanelTest, PaintsTheRowsTheHostHasRoomFor) {
    const int nPromptRight = RightmostOf(*Shown(), TRect(0, 1, kHostWidth, kRowHeight), kGreen);

    m_pPanel->SetText(Letters(74).c_str());
    auto pixels = Shown();
    EXPECT_GT(RightmostOf(*pixels, TRect(0, 1, kHostWidth, kRowHeight - 1), kGreen), kHostWidth - 2 * kMargin - 20);
    EXPECT_FALSE(TextInRow(*pixels, 1));

    m_pPanel->SetText(Letters(75).c_str());
    pixels = Shown();
    EXPECT_TRUE(TextInRow(*pixels, 1));
    EXPECT_LT(RightmostOf(*pixels, TRect(0, kRowHeight + 1, kHostWidth, 2 * kRowHeight - 1), kGreen), nPromptRight)
        << "one character, narrower than the prompt";

    m_pPanel->SetText(Letters(400).c_str());
    pixels = Shown();
    for (int nRow = 0; nRow < 4; ++nRow)
        EXPECT_TRUE(TextInRow(*pixels, nRow)) << "row " << nRow;
}

TEST_F(PanelTest, HostLowerThanOneRowShowsNothing) {
    CLPanel* pLow = Host(kRowHeight - 1);
    pLow->SetText("DSPLIB");
    UpdateWindow(pLow->GetWnd());
    const auto pixels = ScreenImage(pLow->GetWnd());
    EXPECT_FALSE(AreaHas(*pixels, TRect(0, 0, pixels->Width(), pixels->Height()), kGreen));
    EXPECT_EQ(PixelAt(*pixels, 0, 0), RGB(0, 0, 0));
}

TEST_F(PanelTest, CopyHasThePreviewLayoutWithBlanksForThePrompt) {
    const std::string s100 = Letters(100);
    m_pPanel->SetText(s100.c_str());
    m_pPanel->CopyText();
    EXPECT_EQ(ClipboardText(), "      " + s100.substr(0, 74) + "\r\n" + s100.substr(74));

    const std::string s400 = Letters(400);
    m_pPanel->SetText(s400.c_str());
    m_pPanel->CopyText();
    std::string sExpected = "      " + s400.substr(0, 74);
    for (size_t nAt = 74; nAt < 400; nAt += 80)
        sExpected += "\r\n" + s400.substr(nAt, 80);
    EXPECT_EQ(ClipboardText(), sExpected) << "rows beyond the visible four are copied too";

    m_pPanel->SetText("A\r\nB");
    m_pPanel->CopyText();
    EXPECT_EQ(ClipboardText(), "      A  B");
}

TEST_F(PanelTest, LongestCopyIsWhole) {
    const std::string sLong = Letters(1023);
    m_pPanel->SetText(sLong.c_str());
    m_pPanel->CopyText();
    const std::string sCopy = ClipboardText();
    EXPECT_EQ(sCopy.size(), 6u + 1023u + 12u * 2u);
    EXPECT_EQ(sCopy.substr(sCopy.size() - 69), sLong.substr(1023 - 69));
}

TEST_F(PanelTest, EmptyPreviewLeavesTheClipboardAlone) {
    SetClipboardText("KEEP ME");
    m_pPanel->SetText("");
    m_pPanel->CopyText();
    EXPECT_EQ(ClipboardText(), "KEEP ME");
}

TEST_F(PanelTest, WindowOwnsThePanelAndItsPenAndFont) {
    const long nPens = THandleCounts::Live(THandleKind::Pen);
    const long nFonts = THandleCounts::Live(THandleKind::Font);
    bool bDeleted = false;
    auto* pPanel = new ProbePanel(&bDeleted);
    const RECT rc = {0, 0, kHostWidth, kHostHeight};
    ASSERT_TRUE(pPanel->Create(m_hosts.front()->Handle(), &rc));
    EXPECT_EQ(THandleCounts::Live(THandleKind::Pen), nPens + 1);
    EXPECT_EQ(THandleCounts::Live(THandleKind::Font), nFonts + 1);

    DestroyWindow(pPanel->GetWnd());
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(THandleCounts::Live(THandleKind::Pen), nPens);
    EXPECT_EQ(THandleCounts::Live(THandleKind::Font), nFonts);
}

TEST_F(PanelTest, PanelWithoutWindowKeepsItsTextAndTouchesNoWindow) {
    CLPanel panel;
    const RECT rc = {0, 0, kHostWidth, kHostHeight};
    EXPECT_FALSE(panel.Create(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0)), &rc)) << "no such parent";
    panel.SetEditWnd(m_hEdit);
    SetClipboardText("KEEP ME");
    EXPECT_TRUE(panel.SetText("DSPLIB"));
    EXPECT_TRUE(panel.Refresh());
    EXPECT_TRUE(panel.CopyText());
    EXPECT_EQ(ClipboardText(), "KEEP ME");
    char szEdit[16] = "";
    GetWindowTextA(m_hEdit, szEdit, sizeof(szEdit));
    EXPECT_STREQ(szEdit, "");
}

} // namespace
