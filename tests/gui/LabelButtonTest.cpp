#include "WidgetFixture.h"

#include <vector>

#include "gui/Image.h"
#include "gui/Label.h"

using namespace GUI;

typedef WidgetFixture LabelButtonTest;

// An image has no colour of its own; a label drawn in between sets white.
TEST_F(LabelButtonTest, DimmedButtonLeavesItsGreyToTheNextImageUnlessALabelComesBetween)
{
    for (const int y : {0, 32})
    {
        CButton* dimmed = new CButton(0, y, 32, 32, "Assets/buttonOut.tga", "");
        dimmed->m_brightness = 0.5f;
        m_screen->AddChild(dimmed);
        if (y == 32)
            m_screen->AddChild(new CLabel(0, 0, ""));
        m_screen->AddChild(new CImage(32, y, 32, 32, "Assets/buttonOut.tga"));
    }

    EXPECT_NEAR(RedAt(16, 16), 128, 1);
    EXPECT_NEAR(RedAt(48, 16), 128, 1);
    EXPECT_NEAR(RedAt(16, 48), 128, 1);
    EXPECT_EQ(RedAt(48, 48), 255);
}

// A caption as narrow as an int holds would push its left edge past the
// int range; its edges are worked out wide and end inside the range.
TEST_F(LabelButtonTest, CaptionOfExtremeGlyphSizesIsPlacedWithoutWrappingRound)
{
    WriteExtremeFont();
    CButton* button = AddButton(-100, 0);
    button->AddChild(new CLabel("B"));
    button->Layout();
    const IBaseWidget* caption = button->m_children[0];
    EXPECT_EQ(std::vector<int>({caption->m_left, caption->m_right}), std::vector<int>({1073741788, -1073741860}));
}
