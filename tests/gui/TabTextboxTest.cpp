#include "WidgetFixture.h"

#include <vector>

#include "engine/Callables.h"
#include "gui/TabContainer.h"
#include "gui/TabHeader.h"
#include "gui/TabScreen.h"
#include "gui/TextWrap.h"
#include "gui/Textbox.h"

using namespace GUI;

typedef std::vector<std::string> Lines;
typedef WidgetFixture            TabTest;

// A container at (10, 38), 580 by 400, headers from 406 up. The shown page's
// header keeps its active look under the pointer and when clicked; another
// header turns active at once, its page follows the task. A page past the
// last is never shown.
TEST_F(TabTest, ClickedHeaderTurnsActiveAtOnceAndItsPageFollowsAfterTheTask)
{
    CTabContainer* tabs = new CTabContainer(10, 38, 580, 400);
    for (const char* title : {"Rules", "Cards", "Keys"})
        tabs->AddTab(new CTabScreen(title));
    m_screen->AddChild(tabs);
    // Each header's look: A active, o inactive under the pointer, - inactive.
    const auto looks = [tabs]() {
        std::string looks;
        for (std::size_t i = 1; i < tabs->m_children.size(); ++i)
        {
            const auto* header = static_cast<CTabHeader<Closure1<CTabContainer, unsigned short>>*>(tabs->m_children[i]);
            const auto* on = header->m_currentTexture;
            looks += !header->m_inactive ? (on == &header->m_activeTexture ? 'A' : '?')
                                         : on == &header->m_overTexture ? 'o' : on == &header->m_texture ? '-' : '?';
        }
        return looks;
    };

    Poll(50, 420);
    EXPECT_EQ(looks(), "A--");
    Click(50, 420);
    Poll(5, 5);
    EXPECT_EQ(looks(), "A--");
    EXPECT_EQ(tabs->m_children[0], tabs->m_tabs[0]);

    Poll(200, 420);
    EXPECT_EQ(looks(), "Ao-");
    Poll(200, 420, true);
    Poll(200, 420, false);
    EXPECT_EQ(looks(), "-A-");
    EXPECT_EQ(tabs->m_children[0], tabs->m_tabs[0]);
    m_handler.Tick();
    EXPECT_EQ(tabs->m_children[0], tabs->m_tabs[1]);

    tabs->SelectTab(3);
    tabs->SelectTab(65535);
    EXPECT_EQ(tabs->m_children[0], tabs->m_tabs[1]);
    EXPECT_EQ(tabs->m_children.size(), 4u);
}

// Widths of one pixel per character, so that they can be counted on the page.
TEST(TextWrapTest, ParagraphsWrapAtTheLastSpaceThatFitsTheBox)
{
    const struct { const char* text; int width; Lines lines; } rows[] = {
        {"Title\nThe quick brown fox", 10, {"Title", "The quick", "brown fox"}},
        {"abcde fghij", 11, {"abcde fghij"}},               // exactly as wide as the box
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
    EXPECT_EQ(std::vector<int>({RedAt(3, 56), RedAt(3, 40), RedAt(3, 24), RedAt(3, 8)}),
              std::vector<int>({255, 0, 255, 0}));
}

// Lines as tall as an int holds: the second starts below the int range's
// floor and is not seen, rather than wrapping round to just above the box.
TEST_F(TextboxTest, LinesOfExtremeHeightStackDownWithoutWrappingRound)
{
    WriteExtremeFont();
    CTextbox* box = new CTextbox(0, 0, 64, 30, "C\nC");
    m_screen->AddChild(box);
    EXPECT_EQ(box->m_lines, (Lines{"C", "C"}));
    EXPECT_EQ(RedAt(3, 40), 0);
}
