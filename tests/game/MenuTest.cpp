#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "ai/BaseAI.h"
#include "engine/UserHooks.h"
#include "game/HelpMenu.h"
#include "game/MenuBuilder.h"
#include "game/SinglePlayerMenu.h"
#include "game/Valdmoor.h"
#include "gui/ActionButton.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/TabContainer.h"
#include "gui/TabScreen.h"
#include "gui/Textbox.h"
#include "tests/game/ScreenFixture.h"

namespace
{

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::StartsWith;

std::vector<int> Edges(const GUI::IBaseWidget* widget)
{
    return {widget->m_left, widget->m_bottom, widget->m_right, widget->m_top};
}

// A button's caption is its only child.
std::string Caption(const GUI::IBaseWidget* button)
{
    return static_cast<const GUI::CLabel*>(button->m_children.at(0))->m_text;
}

GUI::CTextbox* TextAt(GUI::IBaseWidget* parent, std::size_t index)
{
    return dynamic_cast<GUI::CTextbox*>(parent->m_children.at(index));
}

// The whole game as the menu builder leaves it: five screens under the root,
// the main menu shown.
class MenuTest : public ScreenFixture
{
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        if (HasFatalFailure())
            return;
        BuildMenus();
        ASSERT_EQ(GUI::g_rootWidget.m_children.size(), 5u);
        m_menu = GUI::g_rootWidget.m_children[0];
        m_game = dynamic_cast<CValdmoor*>(GUI::g_rootWidget.m_children[1]);
        m_help = dynamic_cast<CHelpMenu*>(GUI::g_rootWidget.m_children[2]);
        m_difficulty = dynamic_cast<CSinglePlayerMenu*>(GUI::g_rootWidget.m_children[3]);
        m_credits = GUI::g_rootWidget.m_children[4];
        ASSERT_TRUE(m_game && m_help && m_difficulty);
    }

    std::vector<bool> Shown() const
    {
        std::vector<bool> shown;
        for (const GUI::IBaseWidget* screen : GUI::g_rootWidget.m_children)
            shown.push_back(screen->m_visible);
        return shown;
    }

    // Buttons are 128 by 32; a click in the middle of one at (10, y).
    void ClickColumn(int y) { Click(74, y + 16.0f); }

    GUI::IBaseWidget*  m_menu = nullptr;
    CValdmoor*         m_game = nullptr;
    CHelpMenu*         m_help = nullptr;
    CSinglePlayerMenu* m_difficulty = nullptr;
    GUI::IBaseWidget*  m_credits = nullptr;
};

//------------------------------------------------------------------ Start-up

typedef ScreenFixture UserInitTest;

// The menu builder is queued last and so runs first; the report follows.
TEST_F(UserInitTest, UserInitAsksForA600By480WindowAndBuildsTheMenusFirst)
{
    g_windowWidth = 0;
    g_windowHeight = 0;
    g_fullscreen = 1;
    EXPECT_EQ(UserInit(), 0);
    EXPECT_EQ(g_windowWidth, 600);
    EXPECT_EQ(g_windowHeight, 480);
    EXPECT_EQ(g_fullscreen, 0);
    EXPECT_EQ(m_handler.QueuedCount(), 2u);

    m_handler.Tick();
    EXPECT_EQ(GUI::g_rootWidget.m_children.size(), 5u);
    EXPECT_EQ(m_handler.QueuedCount(), 1u);
}

//------------------------------------------------------------------ Main menu

TEST_F(MenuTest, TheProgramOpensOnTheMainMenu)
{
    EXPECT_THAT(Shown(), ElementsAre(true, false, false, false, false));
    EXPECT_TRUE(KeyMaps().empty());
}

TEST_F(MenuTest, MainMenuButtonsStandInOneColumnThreePixelsApart)
{
    const std::vector<GUI::IBaseWidget*>& children = m_menu->m_children;
    ASSERT_EQ(children.size(), 9u);
    const char* const captions[] = {"1 Player", "2 Players", "Instructions", "Credits", "Quit"};
    for (int button = 0; button < 5; ++button)
    {
        const int bottom = 170 - 35 * button;
        EXPECT_THAT(Edges(children[3 + button]), ElementsAre(10, bottom, 138, bottom + 32));
        EXPECT_EQ(Caption(children[3 + button]), captions[button]);
    }
    EXPECT_THAT(Edges(children[0]), ElementsAre(128, -32, 600, 480));
    EXPECT_THAT(Edges(children[1]), ElementsAre(0, 353, 480, 481));
}

// The notice's corner is fixed 110 pixels from the right edge.
TEST_F(MenuTest, TheMenuTextsFitTheWindow)
{
    const GUI::IBaseWidget* subtitle = m_menu->m_children[2];
    const GUI::IBaseWidget* notice = m_menu->m_children.back();
    EXPECT_EQ(notice->m_left, 490);
    EXPECT_EQ(notice->m_bottom, 5);
    EXPECT_LE(notice->m_left + notice->GetWidth(), 600);
    EXPECT_LE(subtitle->m_left + subtitle->GetWidth(), 600);
}

TEST_F(MenuTest, QuitEndsTheMainLoopAtOnce)
{
    m_handler.Start();
    ClickColumn(30);
    EXPECT_FALSE(m_handler.IsRunning());
    EXPECT_TRUE(m_menu->m_visible);
}

//------------------------------------------------------------------ Difficulty menu

TEST_F(MenuTest, DifficultyButtonsStandWhereTheMainMenusDo)
{
    const std::vector<GUI::IBaseWidget*>& children = m_difficulty->m_children;
    ASSERT_EQ(children.size(), 7u);
    const struct
    {
        const char* caption;
        int         bottom;
    } buttons[] = {{"Back", 30}, {"Easy", 170}, {"Medium", 135}, {"Hard", 100}};
    for (int button = 0; button < 4; ++button)
    {
        EXPECT_EQ(Caption(children[3 + button]), buttons[button].caption);
        const int bottom = buttons[button].bottom;
        EXPECT_THAT(Edges(children[3 + button]), ElementsAre(10, bottom, 138, bottom + 32));
    }
}

TEST_F(MenuTest, OnePlayerThenBackStartsNothing)
{
    ClickColumn(170);
    EXPECT_THAT(Shown(), ElementsAre(false, false, false, true, false));
    ClickColumn(30);
    EXPECT_THAT(Shown(), ElementsAre(true, false, false, false, false));
    EXPECT_TRUE(KeyMaps().empty());
    EXPECT_EQ(m_game->m_ai, nullptr);
}

TEST_F(MenuTest, ALevelStartsAGameAgainstTheComputerAtOnce)
{
    ClickColumn(170);
    ClickColumn(135);
    EXPECT_THAT(Shown(), ElementsAre(false, true, false, false, false));
    EXPECT_NE(m_game->m_ai, nullptr);
    EXPECT_EQ(m_game->m_ai->m_game, m_game);
    EXPECT_EQ(m_game->m_state.m_controller[White], Computer);
    EXPECT_EQ(m_game->m_state.m_current, Red);
    EXPECT_EQ(KeyMaps(), std::vector<Input::Keyboard::CKeyMap*>{&m_game->m_keyMaps[Red]});
}

TEST_F(MenuTest, TwoPlayersAfterAGameAgainstTheComputerIsBetweenTwoPeople)
{
    ClickColumn(170);
    ClickColumn(170);
    Click(74, 26);                          // the game's "Quit": no card played, so no question
    ASSERT_TRUE(m_menu->m_visible);

    ClickColumn(135);
    EXPECT_THAT(Shown(), ElementsAre(false, true, false, false, false));
    EXPECT_EQ(m_game->m_ai, nullptr);
    EXPECT_EQ(m_game->m_state.m_controller[White], Human);
    m_game->PlayCard(Red, 0);
    EXPECT_EQ(m_handler.QueuedCount(), 0u);
}

//------------------------------------------------------------------ Credits

TEST_F(MenuTest, CreditsStandLineForLineBesideTheirCaptions)
{
    ClickColumn(65);
    EXPECT_THAT(Shown(), ElementsAre(false, false, false, false, true));
    const std::vector<GUI::IBaseWidget*>& children = m_credits->m_children;
    ASSERT_EQ(children.size(), 5u);
    EXPECT_THAT(Edges(children[0]), ElementsAre(128, -32, 600, 480));
    EXPECT_THAT(Edges(children[1]), ElementsAre(462, 3, 590, 35));
    GUI::CTextbox* captions = TextAt(m_credits, 2);
    GUI::CTextbox* names = TextAt(m_credits, 3);
    GUI::CTextbox* notice = TextAt(m_credits, 4);
    EXPECT_THAT(Edges(captions), ElementsAre(10, 40, 210, 470));
    EXPECT_THAT(Edges(names), ElementsAre(200, 40, 500, 470));
    EXPECT_THAT(Edges(notice), ElementsAre(10, 40, 410, 200));

    ASSERT_EQ(captions->m_lines.size(), 4u);
    EXPECT_EQ(names->m_lines.size(), 4u);
    for (const std::string& caption : captions->m_lines)
        EXPECT_LT(10 + captions->m_font.TextWidth(caption.c_str()), 200) << caption;
    int noticeHeight = 0;
    for (const std::string& line : notice->m_lines)
        noticeHeight += notice->m_font.TextHeight(line.c_str());
    EXPECT_LE(noticeHeight, 160);
}

//------------------------------------------------------------------ Help

TEST_F(MenuTest, HelpPagesHangUnderThreeHeaders)
{
    ClickColumn(100);
    EXPECT_THAT(Shown(), ElementsAre(false, false, true, false, false));
    ASSERT_EQ(m_help->m_children.size(), 2u);
    GUI::CTabContainer* tabs = dynamic_cast<GUI::CTabContainer*>(m_help->m_children[0]);
    ASSERT_NE(tabs, nullptr);
    EXPECT_THAT(Edges(tabs), ElementsAre(10, 38, 590, 468));
    EXPECT_THAT(Edges(m_help->m_children[1]), ElementsAre(462, 3, 590, 35));
    EXPECT_EQ(Caption(m_help->m_children[1]), "Back");

    ASSERT_EQ(tabs->m_tabs.size(), 3u);
    const char* const titles[] = {"Basics", "Knights", "Scoring"};
    for (int page = 0; page < 3; ++page)
    {
        EXPECT_EQ(tabs->m_tabs[page]->m_title, titles[page]);
        EXPECT_THAT(Edges(tabs->m_tabs[page]), ElementsAre(10, 38, 590, 436));
        EXPECT_THAT(Edges(tabs->m_children[1 + page]), ElementsAre(15 + 133 * page, 436, 143 + 133 * page, 468));
    }
    EXPECT_EQ(tabs->m_children[0], tabs->m_tabs[0]);
}

// A line holds the most whole words that stay narrower than the box.
TEST_F(MenuTest, TextB1IsWrappedTo520PixelsBelowY420)
{
    GUI::CTabScreen* basics = dynamic_cast<GUI::CTabContainer*>(m_help->m_children[0])->m_tabs[0];
    GUI::CTextbox* b1 = TextAt(basics, 0);
    EXPECT_THAT(Edges(b1), ElementsAre(20, 200, 540, 420));
    ASSERT_GE(b1->m_lines.size(), 2u);
    EXPECT_THAT(b1->m_lines[0], StartsWith("Valdmoor is a turnbased game,"));
    for (std::size_t line = 0; line + 1 < b1->m_lines.size(); ++line)
    {
        const std::string& text = b1->m_lines[line];
        const std::string next = b1->m_lines[line + 1].substr(0, b1->m_lines[line + 1].find(' '));
        EXPECT_LT(b1->m_font.TextWidth(text.c_str()), 520) << text;
        EXPECT_GE(b1->m_font.TextWidth((text + " " + next).c_str()), 520) << text;
    }
    EXPECT_THAT(b1->m_lines.back(), EndsWith("her turn."));
}

TEST_F(MenuTest, HelpTextsOpenWithTheirTitleOnALineOfItsOwn)
{
    GUI::CTabContainer* tabs = dynamic_cast<GUI::CTabContainer*>(m_help->m_children[0]);
    GUI::CTabScreen* basics = tabs->m_tabs[0];
    GUI::CTabScreen* knights = tabs->m_tabs[1];
    GUI::CTabScreen* scoring = tabs->m_tabs[2];
    EXPECT_EQ(TextAt(basics, 1)->m_lines[0], "Cards");
    EXPECT_EQ(TextAt(basics, 1)->m_top, 350);
    EXPECT_EQ(TextAt(basics, 3)->m_lines[0], "The king");
    EXPECT_EQ(TextAt(basics, 5)->m_lines[0], "Objective");
    EXPECT_EQ(TextAt(knights, 2)->m_lines[0], "Example");
    EXPECT_EQ(TextAt(scoring, 1)->m_lines[0], "Example 1");
    EXPECT_EQ(TextAt(scoring, 3)->m_lines[0], "Example 2");
    EXPECT_EQ(TextAt(scoring, 0)->m_top, 420);
    EXPECT_EQ(TextAt(scoring, 1)->m_top, 320);
    EXPECT_THAT(Edges(scoring->m_children[2]), ElementsAre(447, 192, 575, 320));
}

} // namespace
