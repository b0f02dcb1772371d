#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "engine/TaskHandler.h"
#include "gui/ActionButton.h"
#include "gui/RootWidget.h"
#include "gui/Screen.h"
#include "resources/ResourceManager.h"
#include "support/GLContext.h"

// An uncompressed TGA, bottom row first, each pixel's bytes in the file's
// order (blue, green, red, then alpha).
inline void WritePicture(const std::string& path, std::uint8_t width, std::uint8_t height,
                         std::uint8_t bitsPerPixel, const std::string& pixels)
{
    const std::uint8_t alphaBits = bitsPerPixel == 32 ? 8 : 0;
    const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, width, 0, height, 0, bitsPerPixel, alphaBits};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    out << pixels;
}

// Writes into the working directory the "Assets" that the widgets load: a
// font whose glyphs are solid white blocks 16 pixels high and 8 wide (the
// space 3), and white 2 by 2 pictures under the button and tab names.
inline void WriteTestAssets()
{
    const auto write = [](std::ofstream& out, const auto& value) {
        out.write(reinterpret_cast<const char*>(&value), sizeof value);
    };
    mkdir("Assets", 0755);
    std::ofstream font("Assets/font.glf", std::ios::binary);
    for (const std::int32_t field : {0, 256, 16, 32, 126, 0})
        write(font, field);
    for (int code = 32; code <= 126; ++code)
        for (const float value : {0.0f, 0.0f, 0.0f, 0.0f, (code == ' ' ? 3.0f : 8.0f) / 256, 1.0f})
            write(font, value);
    font << std::string(2 * 256 * 16, static_cast<char>(255));
    for (const char* name : {"buttonOut", "buttonOver", "tabvisible", "tabhidden", "tabhiddenover"})
        WritePicture(std::string("Assets/") + name + ".tga", 2, 2, 24, std::string(4 * 3, static_cast<char>(255)));
}

// Replaces the test font by one whose 'A' is as wide as an int holds and 'B'
// as narrow (its rectangle runs backwards), and whose 'C' is 8 wide and as
// tall as an int holds; the rest of the range is empty.
inline void WriteExtremeFont()
{
    std::ofstream font("Assets/font.glf", std::ios::binary);
    const auto write = [&font](const auto& value) { font.write(reinterpret_cast<const char*>(&value), sizeof value); };
    for (const std::int32_t field : {0, 256, 16, std::int32_t{'A'}, std::int32_t{'C'}, 0})
        write(field);
    for (const float value : {0.0f, 0.0f, 0.0f, 0.0f, 1e10f, 1.0f, 0.0f, 0.0f, 1e10f, 0.0f, 0.0f, 1.0f,
                              0.0f, 0.0f, 0.0f, 0.0f, 8.0f / 256, 1e10f})
        write(value);
    font << std::string(2 * 256 * 16, static_cast<char>(255));
}

inline int g_clicks = 0;                    // clicks the fixture's buttons ran, this test
inline void CountClick() { ++g_clicks; }
typedef GUI::CActionButton<void (*)()> CountingButton;

// A shown screen under the root, a task handler and a resource manager, with a
// 64 by 64 window drawn one pixel per unit and the test assets in a folder of
// the process's own.
class WidgetFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext(64, 64));
        const std::string dir = ::testing::TempDir() + "gui-assets-" + std::to_string(getpid());
        mkdir(dir.c_str(), 0755);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        WriteTestAssets();
        DrawPixelForUnit(64, 64);
        g_clicks = 0;
        m_screen = new GUI::CScreen();
        GUI::g_rootWidget.AddChild(m_screen);
        m_screen->Show();
    }

    // The hover must not point into the deleted screen when the next test
    // shows its own.
    void TearDown() override
    {
        GUI::g_rootWidget.DeleteChildren();
        GUI::g_rootWidget.m_hover = &GUI::g_rootWidget;
        GUI::g_rootWidget.m_hoverInside = false;
    }

    // A button of 128 by 32 on the screen that counts its clicks in g_clicks.
    CountingButton* AddButton(int x, int y, const char* out = "", const char* over = "")
    {
        CountingButton* button = new CountingButton(x, y, 128, 32, out, over, CountClick);
        m_screen->AddChild(button);
        return button;
    }

    void Poll(float x, float y, bool left = false, bool right = false)
    {
        GUI::UpdateMouseState(m_mouse, x, y, left, false, right);
        GUI::g_rootWidget.DispatchMouse(m_mouse);
    }

    // A click, and the tasks it queued; a few ticks at most, so that an action
    // requeued by mistake fails the test instead of hanging it.
    void Click(float x, float y)
    {
        Poll(x, y);
        Poll(x, y, true);
        Poll(x, y, false);
        for (int tick = 0; tick < 10 && m_handler.QueuedCount() > 0; ++tick)
            m_handler.Tick();
    }

    // The red of one pixel of the tree drawn from white.
    int RedAt(int x, int y)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3ub(255, 255, 255);
        GUI::DrawTree(&GUI::g_rootWidget);
        unsigned char pixel[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        return pixel[0];
    }

    CTaskHandler     m_handler;
    CResourceManager m_resources;
    GUI::CScreen*    m_screen = nullptr;    // owned by the root
    GUI::MouseState  m_mouse = {};          // the pointer as the widgets last saw it
};
