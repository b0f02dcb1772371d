#include "WidgetFixture.h"

#include <vector>

#include "engine/Callables.h"
#include "gui/TabContainer.h"
#include "gui/TabHeader.h"
#include "gui/TabScreen.h"
#include "gui/TextWrap.h"
#include "gui/Textbox.h"

using namespace GUI;

namespace
{

typedef std::vector<int>         Numbers;
typedef std::vector<std::string> Lines;

// A container at (10, 38), 580 by 400, with three pages: its top edge is at
// 438, the header strip from 406 up.
class TabTest : public WidgetFixture
{
protected:
    typedef CTabHeader<Closure1<CTabContainer, unsigned short>> Header;

    void SetUp() override
    {
        WidgetFixture::SetUp();
        m_tabs = new CTabContainer(10, 38, 580, 400);
        for (const char* title : {"Rules", "Cards", "Keys"})
            m_tabs->AddTab(new CTabScreen(title));
        m_screen->AddChild(m_tabs);
    }

    Header* HeaderOf(int page) const { return static_cast<Header*>(m_tabs->m_children[1 + page]); }

    // Each header's look: A active, o inactive under the pointer, - inactive.
    std::string Looks() const
    {
        std::string looks;
        for (int page = 0; page < 3; ++page)
        {
            const Header* header = HeaderOf(page);
            const auto* shown = header->m_currentTexture;
            if (!header->m_inactive)
                looks += shown == &header->m_activeTexture ? 'A' : '?';
            else
                looks += shown == &header->m_overTexture ? 'o' : shown == &header->m_texture ? '-' : '?';
        }
        return looks;
    }

    const IBaseWidget* Shown() const { return m_tabs->m_children[0]; }

    CTabContainer* m_tabs = nullptr;
};

} // namespace

TEST_F(TabTest, HeadersSitSideBySideAlongTheTopAndPagesBelowThem)
{
    ASSERT_EQ(m_tabs->m_children.size(), 4u);
    EXPECT_EQ(Shown(), m_tabs->m_tabs[0]);
    for (int page = 0; page < 3; ++page)
    {
        const Header* header = HeaderOf(page);
        EXPECT_EQ(Numbers({header->m_left, header->m_bottom, header->m_right}),
                  Numbers({15 + 133 * page, 406, 143 + 133 * page}));
        const CTabScreen* screen = m_tabs->m_tabs[page];
        EXPECT_EQ(Numbers({screen->m_left, screen->m_right, screen->m_bottom, screen->m_top}),
                  Numbers({10, 590, 38, 406}));
        EXPECT_EQ(screen->m_parent, m_tabs);
    }
    EXPECT_EQ(Looks(), "A--");

    m_tabs->SelectTab(2);
    m_tabs->SelectTab(3);
    m_tabs->SelectTab(65535);
    EXPECT_EQ(Shown(), m_tabs->m_tabs[2]);
    EXPECT_EQ(m_tabs->m_children.size(), 4u);
}

// The shown page's header keeps its active look under the pointer and when
// clicked; another header turns active at once, its page follows the task.
TEST_F(TabTest, ClickedHeaderTurnsActiveAtOnceAndItsPageFollowsAfterTheTask)
{
    Poll(50, 420);
    EXPECT_EQ(Looks(), "A--");
    Click(50, 420);
    Poll(5, 5);
    EXPECT_EQ(Looks(), "A--");
    EXPECT_EQ(Shown(), m_tabs->m_tabs[0]);

    Poll(200, 420);
    EXPECT_EQ(Looks(), "Ao-");
    Poll(200, 420, true);
    Poll(200, 420, false);
    EXPECT_EQ(Looks(), "-A-");
    EXPECT_EQ(Shown(), m_tabs->m_tabs[0]);
    m_handler.Tick();
    EXPECT_EQ(Shown(), m_tabs->m_tabs[1]);
}

// Widths of one pixel per character, so that they can be counted on the page.
TEST(TextWrapTest, ParagraphsWrapAtTheLastSpaceThatFitsTheBox)
{
    const struct
    {
        const char* text;
        int         width;
        Lines       lines;
    } rows[] = {
        {"Title\nThe quick brown fox", 10, {"Title", "The quick", "brown fox"}},
        {"abcde fghij", 11, {"abcde fghij"}},               // exactly as wide as the box
        {"short", 11, {"short"}},
        {"aaaa bbbbb cc", 10, {"aaaa", "bbbbb cc"}},        // a run exactly as wide is cut back one word
        {"One\n\nTwo\n", 10, {"One", "", "Two", ""}},
        {"Extraordinary cat sat", 8, {"Extraordinary", "cat sat"}},
        {"Extraordinary", 8, {"Extraordinary"}},
        {"ab cd ef gh ij", 6, {"ab cd", "ef gh", "ij"}},    // only the space at each break goes
    };
    for (const auto& row : rows)
        EXPECT_EQ(WrapText(row.text, row.width, [](const std::string& text) { return static_cast<int>(text.size()); }),
                  row.lines)
            << row.text;
}

typedef WidgetFixture TextboxTest;

// By the test font's widths (letters 8, the space 3); lines go down from the
// top, an empty one as high as one with text.
TEST_F(TextboxTest, WrapsByTheWidthsOfItsFontAndDrawsDownFromTheTop)
{
    EXPECT_EQ(CTextbox(0, 0, 83, 64, "Help\nEverything worked fine").m_lines,
              (Lines{"Help", "Everything", "worked fine"}));

    m_screen->AddChild(new CTextbox(0, 0, 64, 64, "A\n\nB"));

    EXPECT_EQ(Numbers({RedAt(3, 56), RedAt(3, 40), RedAt(3, 24), RedAt(3, 8)}), Numbers({255, 0, 255, 0}));
}
