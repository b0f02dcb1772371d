#include "WidgetFixture.h"

#include <vector>

#include "gui/Image.h"
#include "gui/Label.h"

using namespace GUI;

typedef WidgetFixture LabelButtonTest;

// The test font's letters are 8 pixels wide, its space 3, every glyph 16 high;
// a caption wider than the box starts left of the button, rounded toward it.
TEST_F(LabelButtonTest, LabelIsCentredInThe128By32BoxAtTheButtonsCorner)
{
    const struct { int x, y, width, height; const char* caption; int left, bottom, labelWidth; } rows[] = {
        {10, 30, 128, 32, "Back", 10 + 48, 30 + 8, 32}, {40, 340, 32, 64, "Back", 40 + 48, 340 + 8, 32},
        {10, 30, 128, 32, "Everything worked", 9, 30 + 8, 131}, {10, 30, 128, 32, "", 10 + 64, 30 + 8, 0}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.caption);
        CButton* button = new CButton(row.x, row.y, row.width, row.height, "", "");
        button->AddChild(new CLabel(row.caption));
        button->Layout();
        m_screen->AddChild(button);
        const IBaseWidget* label = button->m_children.front();
        EXPECT_EQ(std::vector<int>({label->m_left, label->m_bottom, label->GetWidth(), label->GetHeight()}),
                  std::vector<int>({row.left, row.bottom, row.labelWidth, 16}));
    }
}

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
