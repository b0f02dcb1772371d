#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "gui/TabContainer.h"
#include "gui/TabScreen.h"
#include "gui/Textbox.h"
#include "tests/game/ScreenFixture.h"

namespace
{

using ::testing::EndsWith;
using ::testing::StartsWith;

GUI::CTextbox* TextAt(GUI::IBaseWidget* parent, std::size_t index)
{
    return dynamic_cast<GUI::CTextbox*>(parent->m_children.at(index));
}

typedef GameFixture      MenuTest;
typedef std::vector<int> Ints;

// The background reaches the window's right and top edges, the logo its
// top; nothing runs off the window's right edge.
TEST_F(MenuTest, TheMainMenuPicturesAndTextsFitTheWindow)
{
    const std::vector<GUI::IBaseWidget*>& children = m_menu->m_children;
    ASSERT_EQ(children.size(), 10u);
    const GUI::IBaseWidget* background = children[0];
    const GUI::IBaseWidget* logo = children[1];
    EXPECT_EQ(Ints({background->m_right, background->m_top}), Ints({600, 480}));
    EXPECT_LE(background->m_bottom, 0);
    EXPECT_EQ(logo->m_left, 0);
    EXPECT_GE(logo->m_top, 480);
    EXPECT_LE(logo->m_right, 600);
    const GUI::IBaseWidget* notice = children.back();
    EXPECT_GE(notice->m_bottom, 0);
    EXPECT_LE(notice->m_left + notice->GetWidth(), 600);
    EXPECT_LE(children[2]->m_left + children[2]->GetWidth(), 600);
}

// The names start at the captions' height, line for line, right of the
// longest caption; the notice starts below the last name and ends above
// "Back".
TEST_F(MenuTest, CreditsStandLineForLineBesideTheirCaptions)
{
    GUI::IBaseWidget* credits = GUI::g_rootWidget.m_children[4];
    ASSERT_EQ(credits->m_children.size(), 5u);
    const GUI::IBaseWidget* back = credits->m_children[1];
    GUI::CTextbox* captions = TextAt(credits, 2);
    GUI::CTextbox* names = TextAt(credits, 3);
    GUI::CTextbox* notice = TextAt(credits, 4);

    EXPECT_EQ(names->m_top, captions->m_top);
    ASSERT_EQ(captions->m_lines.size(), 4u);
    EXPECT_EQ(names->m_lines.size(), 4u);
    for (const std::string& caption : captions->m_lines)
        EXPECT_LT(captions->m_left + captions->m_font.TextWidth(caption.c_str()), names->m_left) << caption;
    int namesHeight = 0;
    for (const std::string& line : names->m_lines)
        namesHeight += names->m_font.TextHeight(line.c_str());
    EXPECT_LE(notice->m_top, names->m_top - namesHeight);
    int noticeHeight = 0;
    for (const std::string& line : notice->m_lines)
        noticeHeight += notice->m_font.TextHeight(line.c_str());
    EXPECT_GT(notice->m_top - noticeHeight, back->m_top);
    EXPECT_LE(names->m_right, 600);
    EXPECT_LE(notice->m_right, 600);
}

// Each text after the first opens with its title on a line of its own.
TEST_F(MenuTest, HelpTextsStandInTheirBoxesEachTitleOnALineOfItsOwn)
{
    const GUI::IBaseWidget* help = GUI::g_rootWidget.m_children[2];
    GUI::CTabContainer* tabs = dynamic_cast<GUI::CTabContainer*>(help->m_children.at(0));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->m_tabs.size(), 3u);
    const GUI::CTextbox* b1 = TextAt(tabs->m_tabs[0], 0);
    ASSERT_GE(b1->m_lines.size(), 2u);
    EXPECT_THAT(b1->m_lines.front(), StartsWith("Valdmoor is a turnbased game,"));
    EXPECT_THAT(b1->m_lines.back(), EndsWith("her turn."));

    const struct { int page; std::size_t text; const char* title; } titles[] = {
        {0, 1, "Cards"}, {0, 3, "The king"}, {0, 5, "Objective"}, {1, 2, "Example"}, {2, 1, "Example 1"},
        {2, 3, "Example 2"}};
    for (const auto& title : titles)
        EXPECT_EQ(TextAt(tabs->m_tabs[title.page], title.text)->m_lines.at(0), title.title);
}

} // namespace
