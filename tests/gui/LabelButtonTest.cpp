#include "WidgetFixture.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Window.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/ShadedImage.h"

using namespace GUI;

typedef WidgetFixture LabelButtonTest;

namespace
{

// The 4 by 2 pixels at the bottom-left corner, drawn over a blue-grey.
std::vector<std::uint8_t> DrawnCorner(GUI::IBaseWidget& widget)
{
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    widget.Draw();
    std::vector<std::uint8_t> pixels(4 * 2 * 4);
    glReadPixels(0, 0, 4, 2, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    return pixels;
}

std::string Bytes(std::initializer_list<unsigned char> values)
{
    return std::string(values.begin(), values.end());
}

// Blue, green, red and alpha of a 4 by 2 picture with every kind of alpha.
const std::string kAlphaPicture = Bytes({200, 0, 255, 255, 1, 2, 3, 0, 127, 128, 129, 128, 254, 255, 100, 40,
                                         10, 20, 30, 255, 40, 50, 60, 200, 70, 80, 90, 1, 100, 110, 120, 99});

} // namespace

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

// Darkened once into a texture of its own, a picture gives the pixels the
// renderer gives multiplying each texel by the grey as it draws, with and
// without alpha, whatever colour is current.
TEST_F(LabelButtonTest, AShadedImageDrawsItsPictureTimesTheGreyAsTheRendererWould)
{
    WritePicture("Assets/opaque.tga", 4, 2, 24,
                 Bytes({200, 0, 255, 1, 2, 3, 127, 128, 129, 254, 255, 100,
                        10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}));
    WritePicture("Assets/alpha.tga", 4, 2, 32, kAlphaPicture);
    // A canvas of the context's size is shown unscaled: sampled nearest.
    const int width = g_windowWidth;
    const int height = g_windowHeight;
    for (const int canvas : {64, 32})
        for (const char* name : {"Assets/opaque.tga", "Assets/alpha.tga"})
        {
            g_windowWidth = g_windowHeight = canvas;
            CImage plain(0, 0, 4, 2, name);
            glColor3ub(120, 120, 120);
            const std::vector<std::uint8_t> multiplied = DrawnCorner(plain);
            CShadedImage shaded(0, 0, 4, 2, name, 120);
            glColor3ub(255, 0, 0);
            EXPECT_EQ(DrawnCorner(shaded), multiplied) << name << " on a canvas of " << canvas;
        }
    g_windowWidth = width;
    g_windowHeight = height;
    // The first texel, red 255, green 0 and blue 200, times 120 / 255, rounded.
    CShadedImage shaded(0, 0, 4, 2, "Assets/opaque.tga", 120);
    const std::vector<std::uint8_t> corner = DrawnCorner(shaded);
    EXPECT_EQ(std::vector<int>({corner[0], corner[1], corner[2]}), std::vector<int>({120, 0, 94}));
}

// Copies in one batch give the pixels of the picture drawn once a copy under
// a moved matrix and its own colour, overlaps blended in the same order.
TEST_F(LabelButtonTest, CopiesOfAnImageInOneBatchDrawAsEachDrawnOnItsOwn)
{
    WritePicture("Assets/alpha.tga", 4, 2, 32, kAlphaPicture);
    CImage stamp(1, 1, 4, 2, "Assets/alpha.tga");
    const unsigned char red[3] = {255, 0, 0};
    const unsigned char grey[3] = {90, 160, 230};
    const std::vector<ImageCopy> copies = {{0, 0, red}, {6, 3, grey}, {2, 1, grey}};
    const auto drawn = [] {
        std::vector<std::uint8_t> pixels(4 * 12 * 6);
        glReadPixels(0, 0, 12, 6, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        glClear(GL_COLOR_BUFFER_BIT);
        return pixels;
    };
    glClear(GL_COLOR_BUFFER_BIT);
    for (const ImageCopy& copy : copies)
    {
        glPushMatrix();
        glTranslatef(static_cast<float>(copy.x), static_cast<float>(copy.y), 0.0f);
        glColor3ubv(copy.colour);
        stamp.Draw();
        glPopMatrix();
    }
    const std::vector<std::uint8_t> oneByOne = drawn();
    stamp.DrawCopies(copies);
    const std::vector<std::uint8_t> batch = drawn();
    EXPECT_EQ(batch, oneByOne);
    // The first texel, opaque red 255, green 0 and blue 200, in red.
    EXPECT_EQ(std::vector<int>({batch[4 * 13], batch[4 * 13 + 1], batch[4 * 13 + 2]}), std::vector<int>({255, 0, 0}));
}
