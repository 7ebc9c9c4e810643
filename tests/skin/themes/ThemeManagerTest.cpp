// The theme manager: which components it updates and in what order, its event, and how its list and file
// theme follow components that go.
#include "tests/skin/themes/ThemeConsumer.h"

#include "framework/core/Exceptions.h"
#include "framework/win/controls/Label.h"
#include "framework/win/forms/Form.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthememanager.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ThemeManagerTest : public ::testing::Test {
protected:
    TvskTestConsumer* Consumer(const char* Name) {
        auto* C = new TvskTestConsumer(Form.get());
        C->SetName(Name);
        return C;
    }
    std::vector<std::string> ListedNames() const { return Manager->CompList()->Lines(); }

    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TvskTestConsumer* One = Consumer("One");
    TvskTestConsumer* Two = Consumer("Two");
    TvskTestConsumer* Three = Consumer("Three");
    TvskThemeManager* Manager = new TvskThemeManager(Form.get());
    int Changes = 0;

    void SetUp() override {
        Manager->SetName("Manager");
        Manager->CompList()->SetLines({"one", "Three", "Nobody"});
        Manager->OnUIStyleChanged = [this](TObject* Sender) {
            EXPECT_EQ(Sender, Manager);
            EXPECT_EQ(One->UIStyle(), Manager->UIStyle()) << "fires after the components were updated";
            ++Changes;
        };
    }
};

TEST_F(ThemeManagerTest, StartsDeepBlueWithAnEmptyList) {
    TvskThemeManager Fresh(nullptr);
    EXPECT_EQ(Fresh.UIStyle(), DeepBlue);
    EXPECT_EQ(Fresh.FileTheme(), nullptr);
    EXPECT_EQ(Fresh.CompList()->Count(), 0);
}

TEST_F(ThemeManagerTest, SetsStyleThenFileThemeOnTheListedComponents) {
    auto* Theme = new TvskFileTheme(Form.get());
    Manager->SetFileTheme(Theme);
    One->Calls.clear();
    Three->Calls.clear();
    Manager->SetUIStyle(WinXP);
    EXPECT_EQ(One->UIStyle(), WinXP);
    EXPECT_EQ(One->FileTheme(), Theme);
    EXPECT_EQ(One->Calls, (std::vector<std::string>{"UIStyle", "FileTheme"}));
    EXPECT_EQ(Three->UIStyle(), WinXP);
    EXPECT_EQ(Two->UIStyle(), DeepBlue);
    EXPECT_EQ(Two->FileTheme(), nullptr);
    EXPECT_EQ(Changes, 1);
}

TEST_F(ThemeManagerTest, TheSameStyleUpdatesAgainWithoutTheEvent) {
    Manager->SetUIStyle(MacOS);
    One->Calls.clear();
    Manager->SetUIStyle(MacOS);
    EXPECT_EQ(One->Calls.size(), 2u);
    EXPECT_EQ(Changes, 1);
    Manager->UpdateTheme();
    EXPECT_EQ(One->Calls.size(), 4u);
}

TEST_F(ThemeManagerTest, ComponentsThatGoLeaveTheList) {
    delete Three;
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"one", "Nobody"}));
    delete Two; // not listed
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"one", "Nobody"}));
}

TEST_F(ThemeManagerTest, LosingTheFileThemeClearsItAndFallsBackWithoutAnUpdate) {
    auto* Theme = new TvskFileTheme(Form.get());
    Manager->SetFileTheme(Theme);
    Manager->SetUIStyle(FromThemeFile);
    One->Calls.clear();
    delete Theme;
    EXPECT_EQ(Manager->FileTheme(), nullptr);
    EXPECT_EQ(Manager->UIStyle(), DeepBlue);
    EXPECT_EQ(One->Calls, std::vector<std::string>{"UIStyle"}); // its own fall-back, not the manager's update
    EXPECT_EQ(Changes, 1);
}

TEST_F(ThemeManagerTest, AListedComponentWithoutTheStylePropertiesIsAnError) {
    auto* Label = new TLabel(Form.get());
    Label->SetName("Caption");
    Manager->CompList()->Add("Caption");
    EXPECT_THROW(Manager->SetUIStyle(Protein), EPropertyError);
}

TEST_F(ThemeManagerTest, OnlyManagersOnAFormUpdateAnything) {
    TvskThemeManager Loose(nullptr);
    Loose.CompList()->Add("One");
    Loose.SetUIStyle(BlueGlass);
    EXPECT_EQ(One->UIStyle(), DeepBlue);
    EXPECT_TRUE(ThemeManagerCandidates(Loose).empty());
}

TEST_F(ThemeManagerTest, CandidatesAreTheSkinnedComponentsWithBothProperties) {
    new TvskFileTheme(Form.get());    // no UIStyle
    new TForeignConsumer(Form.get()); // not a skinned class
    new TvskThemeManager(Form.get()); // managers do not manage managers
    const std::vector<TvskThemeCandidate> Candidates = ThemeManagerCandidates(*Manager);
    ASSERT_EQ(Candidates.size(), 3u);
    EXPECT_EQ(Candidates[0].Name, "One");
    EXPECT_EQ(Candidates[0].Component, One);
    EXPECT_TRUE(Candidates[0].Listed);
    EXPECT_EQ(Candidates[1].Name, "Two");
    EXPECT_FALSE(Candidates[1].Listed);
    EXPECT_EQ(Candidates[2].Name, "Three");
    EXPECT_TRUE(Candidates[2].Listed);
}

} // namespace
