#include "WidgetFixture.h"

#include "engine/Callables.h"
#include "gui/ActionButton.h"
#include "gui/Image.h"
#include "gui/Label.h"

using namespace GUI;

namespace
{

struct Counter
{
    int runs = 0;
    void Run() { ++runs; }
};

class LabelButtonTest : public WidgetFixture
{
};

CButton* Button(int x, int y, const char* caption)
{
    CButton* button = new CButton(x, y, 128, 32, "Assets/buttonOut.tga", "Assets/buttonOver.tga");
    button->AddChild(new CLabel(caption));
    button->Layout();
    return button;
}

} // namespace

TEST_F(LabelButtonTest, LabelIsCentredInThe128By32BoxAtTheButtonsCorner)
{
    CButton* back = Button(10, 30, "Back");
    m_screen->AddChild(back);
    const IBaseWidget* label = back->m_children.front();

    EXPECT_EQ(label->GetWidth(), 32);
    EXPECT_EQ(label->GetHeight(), 16);
    EXPECT_EQ(label->m_left, 10 + (128 - 32) / 2);
    EXPECT_EQ(label->m_bottom, 30 + (32 - 16) / 2);

    CButton* card = new CButton(40, 340, 32, 64, "", "");
    card->AddChild(new CLabel("Back"));
    card->Layout();
    m_screen->AddChild(card);
    EXPECT_EQ(card->m_children.front()->m_left, 40 + 48);
    EXPECT_EQ(card->m_children.front()->m_bottom, 340 + 8);
}

TEST_F(LabelButtonTest, LabelWiderThanTheBoxStartsOnePixelLeftOfTheButton)
{
    CButton* button = Button(10, 30, "Everything worked");
    m_screen->AddChild(button);

    EXPECT_EQ(button->m_children.front()->GetWidth(), 131);
    EXPECT_EQ(button->m_children.front()->m_left, 9);
}

TEST_F(LabelButtonTest, EmptyLabelIsAsTallAsOneAndHasNoWidth)
{
    const CLabel empty(0, 0, "");
    const CLabel one(0, 0, "1");

    EXPECT_EQ(empty.GetWidth(), 0);
    EXPECT_EQ(empty.GetHeight(), one.GetHeight());
}

TEST_F(LabelButtonTest, PointerOverTheButtonShowsTheOverTextureAndTheClickTheOutTexture)
{
    Counter counter;
    typedef CActionButton<Functor0<Counter>> CountingButton;
    CountingButton* button = new CountingButton(10, 30, 128, 32, "Assets/buttonOut.tga", "Assets/buttonOver.tga",
                                                Functor0<Counter>(&counter, &Counter::Run));
    m_screen->AddChild(button);
    ASSERT_NE(button->m_overTexture.m_resource, nullptr);

    Poll(50, 40);
    EXPECT_EQ(button->m_currentTexture, &button->m_overTexture);
    Poll(5, 5);
    EXPECT_EQ(button->m_currentTexture, &button->m_texture);
    Click(50, 40);
    EXPECT_EQ(button->m_currentTexture, &button->m_texture);
    RunQueuedTasks();
    EXPECT_EQ(counter.runs, 1);
}

TEST_F(LabelButtonTest, DimmedButtonLeavesItsGreyToTheNextImage)
{
    CButton* dimmed = new CButton(0, 0, 32, 32, "Assets/buttonOut.tga", "");
    dimmed->m_brightness = 0.5f;
    m_screen->AddChild(dimmed);
    m_screen->AddChild(new CImage(32, 0, 32, 32, "Assets/buttonOut.tga"));

    DrawScreen();

    EXPECT_NEAR(RedAt(16, 16), 128, 1);
    EXPECT_NEAR(RedAt(48, 16), 128, 1);
}

TEST_F(LabelButtonTest, LabelDrawnBetweenResetsTheColourToWhite)
{
    CButton* dimmed = new CButton(0, 0, 32, 32, "Assets/buttonOut.tga", "");
    dimmed->m_brightness = 0.5f;
    m_screen->AddChild(dimmed);
    m_screen->AddChild(new CLabel(0, 40, ""));
    m_screen->AddChild(new CImage(32, 0, 32, 32, "Assets/buttonOut.tga"));

    DrawScreen();

    EXPECT_NEAR(RedAt(16, 16), 128, 1);
    EXPECT_EQ(RedAt(48, 16), 255);
}
