// The look the user chooses in the control-box menu: the five built-in styles and a theme file, for the whole
// window at once, remembered for the next start; a theme file that cannot be read keeps the look in use.
#include "tests/app/MainWindowFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScratchFolder.h"

#include "app/CLSettings.h"
#include "app/FindBox.h"
#include "app/LookChoice.h"
#include "framework/core/Properties.h"
#include "framework/win/menus/MenuItem.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskpopupmenu.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vsktitlebarmenu.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemefile.h"
#include "skin/themes/Vskthemetables.h"

#include <set>

namespace {

// The look's sub-menu holds the five styles, a line and "Theme File...".
constexpr int kThemeFileItem = 6;

class LookChoiceTest : public MainWindowTest {
protected:
    // The look is offered by the window's skinned frame.
    void OpenSkinned() {
        Open();
        ASSERT_NE(dynamic_cast<TvskForm*>(m_pForm->FindComponent("sfMain")), nullptr);
    }
    TMenuItem& LookMenu() const {
        auto* sfMain = FindComponentAs<TvskForm>(*m_pForm, "sfMain");
        return *sfMain->TitleBar()->SystemMenu()->Items()->Items(0);
    }
    // The styles of every skinned component of the window and of the components they own.
    static void CollectStyles(const TComponent& Root, std::set<std::int64_t>& styles, std::set<TPersistent*>& themes) {
        for (int i = 0; i < Root.ComponentCount(); ++i) {
            const TComponent& Each = *Root.Components(i);
            if (HasProperty(Each, "UIStyle") && HasProperty(Each, "FileTheme")) {
                styles.insert(GetOrdProp(Each, "UIStyle"));
                themes.insert(GetObjectProp(Each, "FileTheme"));
            }
            CollectStyles(Each, styles, themes);
        }
    }
    static std::set<std::int64_t> Styles(const TComponent& Root) {
        std::set<std::int64_t> styles;
        std::set<TPersistent*> themes;
        CollectStyles(Root, styles, themes);
        return styles;
    }
    static std::set<TPersistent*> Themes(const TComponent& Root) {
        std::set<std::int64_t> styles;
        std::set<TPersistent*> themes;
        CollectStyles(Root, styles, themes);
        return themes;
    }
    std::unique_ptr<TBitmap> Picture() const {
        m_pForm->Show();
        PumpMessages();
        return WindowImage(m_pForm->Handle());
    }
};

TEST_F(LookChoiceTest, EachLookReachesTheWholeWindowAtOnceAndIsRemembered) {
    WriteCommands({"DSPLIB QGPL"});
    ASSERT_NO_FATAL_FAILURE(OpenSkinned());
    ASSERT_NE(m_pForm->Look(), nullptr);
    TMenuItem& look = LookMenu();
    EXPECT_EQ(look.Caption(), "&Look");
    ASSERT_EQ(look.Count(), kThemeFileItem + 1);
    EXPECT_EQ(look.Items(kThemeFileItem)->Caption(), "&Theme File...");
    EXPECT_TRUE(look.Items(BlueGlass - 1)->Checked()) << "the stored look to start with";
    m_pForm->ShowFind(); // a window made before the choice follows it too

    std::unique_ptr<TBitmap> previous = Picture();
    std::unique_ptr<TBitmap> blueGlass;
    for (int nStyle = MacOS; nStyle <= BlueGlass; ++nStyle) {
        look.Items(nStyle - 1)->Click();
        PumpMessages();
        EXPECT_EQ(Styles(*m_pForm), (std::set<std::int64_t>{nStyle})) << TvskUIStyleInfo.Names[nStyle];
        EXPECT_TRUE(look.Items(nStyle - 1)->Checked());
        EXPECT_EQ(ReadSetting("Look", "Style", ""), TvskUIStyleInfo.Names[nStyle]);
        std::unique_ptr<TBitmap> picture = Picture();
        EXPECT_FALSE(SameImages(*picture, *previous)) << "the window shows " << TvskUIStyleInfo.Names[nStyle];
        KeepPicture(*picture, std::string("look-") + TvskUIStyleInfo.Names[nStyle] + ".bmp");
        previous = std::move(picture);
    }
    blueGlass = std::move(previous);
    look.Items(Protein - 1)->Click();
    look.Items(BlueGlass - 1)->Click();
    EXPECT_TRUE(SameImages(*Picture(), *blueGlass)) << "and back";

    look.Items(WinXP - 1)->Click();
    delete m_pForm;
    m_pForm = nullptr;
    Open();
    EXPECT_EQ(Styles(*m_pForm), (std::set<std::int64_t>{WinXP})) << "the next start shows the look chosen";
    EXPECT_TRUE(LookMenu().Items(WinXP - 1)->Checked());
}

// A window of its own, so that the look is tried whatever the main window's description holds: a skinned frame,
// a skinned button on it, and a find box the window owns with skinned components of its own.
struct TLookHost {
    TLookHost() : pForm(std::make_unique<TForm>(Application)) {
        auto* sfHost = new TvskForm(pForm.get());
        auto* pButton = new TvskButton(pForm.get());
        pButton->SetParent(sfHost);
        new TfmFind(pForm.get());
        pMenu = new TvskPopupMenu(pForm.get());
        pLook = new TLookChoice(pForm.get());
        pLook->AddMenu(*pMenu->Items(), 0);
    }
    TMenuItem& ThemeFileItem() const { return *pMenu->Items()->Items(0)->Items(kThemeFileItem); }

    std::unique_ptr<TForm> pForm;
    TvskPopupMenu* pMenu;
    TLookChoice* pLook;
};

TEST_F(LookChoiceTest, ThemeFileIsUsedByEverySkinnedComponentAndABrokenOneKeepsTheLook) {
    TScratchFolder folder;
    const std::string sTheme = folder.File("green.vsk");
    TvskThemeFileWriter writer(sTheme);
    writer.AddInteger("FormBackgroundColor", 0x00FF00);
    writer.Save();
    const std::string sBroken = folder.File("broken.vsk");
    WriteBytes(sBroken, Pattern(300));

    TLookHost host;
    TLookChoice& look = *host.pLook;
    look.ChooseThemeFile = [&](std::string& sPath) {
        sPath = sTheme;
        return true;
    };
    host.ThemeFileItem().Click();
    EXPECT_EQ(Styles(*host.pForm), (std::set<std::int64_t>{FromThemeFile}));
    ASSERT_NE(look.ThemeFile(), nullptr);
    EXPECT_EQ(Themes(*host.pForm), (std::set<TPersistent*>{look.ThemeFile()}));
    EXPECT_TRUE(host.ThemeFileItem().Checked());
    EXPECT_EQ(ReadSetting("Look", "ThemeFile", ""), sTheme);

    EXPECT_FALSE(look.SetThemeFile(sBroken));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "The theme file " + sBroken +
                                           " could not be read: Invalid skin file for VanSkin!\nThe window keeps its look.");
    EXPECT_FALSE(look.SetThemeFile(folder.File("missing.vsk")));
    EXPECT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(Styles(*host.pForm), (std::set<std::int64_t>{FromThemeFile}));
    EXPECT_EQ(Themes(*host.pForm), (std::set<TPersistent*>{look.ThemeFile()}));
    EXPECT_EQ(look.ThemeFile()->ThemeFile(), sTheme);

    TLookHost next;
    next.pLook->Restore();
    EXPECT_EQ(Styles(*next.pForm), (std::set<std::int64_t>{FromThemeFile})) << "the theme file comes back at the next start";
    EXPECT_EQ(next.pLook->ThemeFile()->ThemeFile(), sTheme);
    EXPECT_TRUE(next.ThemeFileItem().Checked());

    look.SetStyle(DeepBlue);
    EXPECT_EQ(Styles(*host.pForm), (std::set<std::int64_t>{DeepBlue}));
    EXPECT_EQ(Themes(*host.pForm), (std::set<TPersistent*>{nullptr})) << "the theme file is let go";
    EXPECT_EQ(look.ThemeFile(), nullptr);
}

TEST_F(LookChoiceTest, QuotedCaseOptionSitsInTheControlBoxMenu) {
    ASSERT_NO_FATAL_FAILURE(OpenSkinned());
    TMenuItem* pItem = m_pForm->QuotedCaseItem();
    ASSERT_NE(pItem, nullptr);
    auto* sfMain = FindComponentAs<TvskForm>(*m_pForm, "sfMain");
    EXPECT_EQ(sfMain->TitleBar()->SystemMenu()->Items()->Items(1), pItem);
    EXPECT_FALSE(pItem->Checked());
    pItem->Click();
    EXPECT_TRUE(m_pForm->QuotedCase());
    EXPECT_TRUE(pItem->Checked());
    EXPECT_EQ(ReadSetting("Editor", "QuotedCase", ""), "1");
}

} // namespace
