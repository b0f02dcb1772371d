#include "WidgetFixture.h"

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
