#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/TextWrap.h"

using GUI::WrapText;

namespace
{

// One pixel per character, so that widths can be counted on the page.
int CharacterWidth(const std::string& text)
{
    return static_cast<int>(text.size());
}

std::vector<std::string> Wrap(const std::string& text, int width)
{
    return WrapText(text, width, CharacterWidth);
}

} // namespace

TEST(TextWrapTest, TitleLineThenTheParagraphWrappedToTheBox)
{
    EXPECT_EQ(Wrap("Title\nThe quick brown fox", 10), (std::vector<std::string>{"Title", "The quick", "brown fox"}));
}

TEST(TextWrapTest, ParagraphExactlyAsWideAsTheBoxStaysWhole)
{
    EXPECT_EQ(Wrap("abcde fghij", 11), (std::vector<std::string>{"abcde fghij"}));
    EXPECT_EQ(Wrap("short", 11), (std::vector<std::string>{"short"}));
}

TEST(TextWrapTest, RunOfWordsExactlyAsWideInsideALongerParagraphIsCutBackOneWord)
{
    EXPECT_EQ(Wrap("aaaa bbbbb cc", 10), (std::vector<std::string>{"aaaa", "bbbbb cc"}));
}

TEST(TextWrapTest, ConsecutiveNewlinesGiveAnEmptyLine)
{
    EXPECT_EQ(Wrap("One\n\nTwo\n", 10), (std::vector<std::string>{"One", "", "Two", ""}));
}

TEST(TextWrapTest, FirstWordWiderThanTheBoxMakesALineOfItsOwn)
{
    EXPECT_EQ(Wrap("Extraordinary cat sat", 8), (std::vector<std::string>{"Extraordinary", "cat sat"}));
    EXPECT_EQ(Wrap("Extraordinary", 8), (std::vector<std::string>{"Extraordinary"}));
}

TEST(TextWrapTest, SpaceAtEachBreakIsDroppedAndInnerSpacesStay)
{
    EXPECT_EQ(Wrap("ab cd ef gh ij", 6), (std::vector<std::string>{"ab cd", "ef gh", "ij"}));
}
