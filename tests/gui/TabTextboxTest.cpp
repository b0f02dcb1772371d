#include "WidgetFixture.h"

#include <string>
#include <vector>

#include "engine/Callables.h"
#include "gui/TabContainer.h"
#include "gui/TabHeader.h"
#include "gui/TabScreen.h"
#include "gui/Textbox.h"

using namespace GUI;

namespace
{

typedef CTabHeader<Closure1<CTabContainer, unsigned short>> Header;

// A container at (10, 38), 580 by 400, with three pages: its top edge is at
// 438, the header strip from 406 up.
class TabTest : public WidgetFixture
{
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        m_tabs = new CTabContainer(10, 38, 580, 400);
        for (const char* title : {"Rules", "Cards", "Keys"})
            m_tabs->AddTab(new CTabScreen(title));
        m_screen->AddChild(m_tabs);
    }

    Header* HeaderOf(int page) const { return static_cast<Header*>(m_tabs->m_children[1 + page]); }

    bool IsActive(int page) const
    {
        const Header* header = HeaderOf(page);
        return !header->m_inactive && header->m_currentTexture == &header->m_activeTexture;
    }

    CTabContainer* m_tabs = nullptr;
};

} // namespace

TEST_F(TabTest, HeadersSitSideBySideAlongTheTopAndPagesBelowThem)
{
    ASSERT_EQ(m_tabs->m_children.size(), 4u);
    EXPECT_EQ(m_tabs->m_children[0], m_tabs->m_tabs[0]);
    const int lefts[] = {15, 148, 281};
    for (int page = 0; page < 3; ++page)
    {
        EXPECT_EQ(HeaderOf(page)->m_left, lefts[page]);
        EXPECT_EQ(HeaderOf(page)->m_bottom, 438 - 32);
        EXPECT_EQ(HeaderOf(page)->m_right - HeaderOf(page)->m_left, 128);
        const CTabScreen* screen = m_tabs->m_tabs[page];
        EXPECT_EQ(screen->m_left, 10);
        EXPECT_EQ(screen->m_right, 590);
        EXPECT_EQ(screen->m_bottom, 38);
        EXPECT_EQ(screen->m_top, 406);
        EXPECT_EQ(screen->m_parent, m_tabs);
    }
    EXPECT_TRUE(IsActive(0));
    EXPECT_FALSE(IsActive(1));
    EXPECT_FALSE(IsActive(2));
}

TEST_F(TabTest, SelectTabPastTheLastPageDoesNothing)
{
    m_tabs->SelectTab(2);
    m_tabs->SelectTab(3);
    m_tabs->SelectTab(65535);

    EXPECT_EQ(m_tabs->m_children[0], m_tabs->m_tabs[2]);
    EXPECT_EQ(m_tabs->m_children.size(), 4u);
}

TEST_F(TabTest, ClickedHeaderTurnsActiveAtOnceAndItsPageFollowsAfterTheTask)
{
    Poll(200, 420);
    EXPECT_EQ(HeaderOf(1)->m_currentTexture, &HeaderOf(1)->m_overTexture);

    Poll(200, 420, true);
    Poll(200, 420, false);
    EXPECT_TRUE(IsActive(1));
    EXPECT_FALSE(IsActive(0));
    EXPECT_EQ(HeaderOf(0)->m_currentTexture, &HeaderOf(0)->m_texture);
    EXPECT_FALSE(IsActive(2));
    EXPECT_EQ(m_tabs->m_children[0], m_tabs->m_tabs[0]);

    RunQueuedTasks();
    EXPECT_EQ(m_tabs->m_children[0], m_tabs->m_tabs[1]);
}

TEST_F(TabTest, ShownPagesHeaderKeepsItsActiveLookUnderThePointerAndWhenClicked)
{
    Poll(50, 420);
    EXPECT_TRUE(IsActive(0));
    Poll(50, 420, true);
    Poll(50, 420, false);
    RunQueuedTasks();
    Poll(5, 5);

    EXPECT_TRUE(IsActive(0));
    EXPECT_EQ(m_tabs->m_children[0], m_tabs->m_tabs[0]);
}

// The font's letters are 8 pixels wide, its space 3, every glyph 16 high.
TEST(TextboxTest, WrapsByTheWidthsOfItsFont)
{
    ASSERT_TRUE(OpenTestContext());
    ASSERT_TRUE(EnterTestAssets());

    const CTextbox box(0, 0, 83, 64, "Help\nEverything worked fine");

    EXPECT_EQ(box.m_lines, (std::vector<std::string>{"Help", "Everything", "worked fine"}));
}

class TextboxDrawTest : public WidgetFixture
{
};

TEST_F(TextboxDrawTest, LinesGoDownFromTheTopAndAnEmptyLineTakesTheHeightOfOne)
{
    m_screen->AddChild(new CTextbox(0, 0, 64, 64, "A\n\nB"));

    DrawScreen();

    EXPECT_EQ(RedAt(3, 56), 255);
    EXPECT_EQ(RedAt(3, 40), 0);
    EXPECT_EQ(RedAt(3, 24), 255);
    EXPECT_EQ(RedAt(3, 8), 0);
}
