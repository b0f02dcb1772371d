#include "WidgetFixture.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Window.h"
#include "gui/Backdrop.h"
#include "gui/ShadedImage.h"

using namespace GUI;

// A backdrop paints the whole canvas, cleared parts included, only where the
// frame may then leave out its clear: a shown screen's first drawing, on an
// unscaled canvas, with the clear colour it was made with; and not at all
// where the frame found it laid already.
class BackdropTest : public WidgetFixture
{
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        m_width = g_windowWidth;
        m_height = g_windowHeight;
        glGetFloatv(GL_COLOR_CLEAR_VALUE, m_clear);
        g_windowWidth = g_windowHeight = 64;   // the context's size: an unscaled canvas
        glClearColor(0.2f, 0.4f, 0.6f, 0.0f);
        WritePicture("Assets/opaque.tga", 4, 2, 24, std::string("\xC8\x00\xFF\x01\x02\x03\x7F\x80\x81\xFE\xFF\x64"
                                                                "\x0A\x14\x1E\x28\x32\x3C\x46\x50\x5A\x64\x6E\x78",
                                                                24));
    }

    void TearDown() override
    {
        glClearColor(m_clear[0], m_clear[1], m_clear[2], m_clear[3]);
        g_windowWidth = m_width;
        g_windowHeight = m_height;
        WidgetFixture::TearDown();
    }

    // The whole window after `draw`, over red where the clear is left out.
    static std::vector<std::uint8_t> Drawn(bool clear, IBaseWidget& widget)
    {
        GLfloat colour[4] = {};
        glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
        glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(colour[0], colour[1], colour[2], colour[3]);
        if (clear)
            glClear(GL_COLOR_BUFFER_BIT);
        widget.Draw();
        std::vector<std::uint8_t> pixels(4 * 64 * 64);
        glReadPixels(0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    int m_width = 0;                        // g_windowWidth before the test
    int m_height = 0;                       // g_windowHeight before the test
    GLfloat m_clear[4] = {};                // the clear colour before the test
};

// The picture overhangs the canvas's left and top edges.
TEST_F(BackdropTest, PaintsWhatTheClearAndItsPictureLeaveOnAnUnscaledCanvas)
{
    CBackdrop* backdrop = new CBackdrop(-1, 63, 4, 2, "Assets/opaque.tga", 120);
    m_screen->m_backdrop = backdrop;
    m_screen->AddChild(backdrop);
    CShadedImage picture(-1, 63, 4, 2, "Assets/opaque.tga", 120);

    ASSERT_TRUE(backdrop->PaintsCanvas());
    EXPECT_EQ(ShownBackdrop(), backdrop);
    const std::vector<std::uint8_t> painted = Drawn(false, *backdrop);
    EXPECT_EQ(painted, Drawn(true, picture));

    // Laid in the back buffer already, it leaves the framebuffer as it is.
    g_laidBackdrop = backdrop;
    const std::vector<std::uint8_t> laid = Drawn(false, *backdrop);
    g_laidBackdrop = nullptr;
    EXPECT_NE(laid, painted);
    EXPECT_EQ(std::vector<int>(laid.begin(), laid.begin() + 4), std::vector<int>({255, 0, 0, 255}));
}

TEST_F(BackdropTest, LeavesTheClearToTheFrameWhereItCannotPaintTheCanvasWhole)
{
    WritePicture("Assets/alpha.tga", 1, 1, 32, std::string("\x01\x02\x03\x04", 4));
    CBackdrop* backdrop = new CBackdrop(0, 0, 4, 2, "Assets/opaque.tga", 120);
    m_screen->m_backdrop = backdrop;
    m_screen->AddChild(backdrop);
    CShadedImage picture(0, 0, 4, 2, "Assets/opaque.tga", 120);
    ASSERT_EQ(ShownBackdrop(), backdrop);

    g_windowWidth = g_windowHeight = 32;
    EXPECT_FALSE(backdrop->PaintsCanvas()) << "on a scaled canvas";
    EXPECT_EQ(Drawn(false, *backdrop), Drawn(false, picture)) << "on a scaled canvas, the picture alone";
    g_windowWidth = g_windowHeight = 64;

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_FALSE(backdrop->PaintsCanvas()) << "after the clear colour changed";
    glClearColor(0.2f, 0.4f, 0.6f, 0.0f);

    m_screen->Hide();
    EXPECT_EQ(ShownBackdrop(), nullptr) << "with no screen shown";
    m_screen->Show();
    backdrop->m_visible = false;
    EXPECT_EQ(ShownBackdrop(), nullptr) << "with the backdrop hidden";
    backdrop->m_visible = true;

    CBackdrop withAlpha(0, 0, 1, 1, "Assets/alpha.tga", 120);
    EXPECT_FALSE(withAlpha.PaintsCanvas()) << "for a picture with alpha";
}
