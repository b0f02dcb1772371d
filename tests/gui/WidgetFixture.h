#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "TestAssets.h"
#include "engine/TaskHandler.h"
#include "gui/RootWidget.h"
#include "gui/Screen.h"
#include "resources/ResourceManager.h"
#include "support/GLContext.h"

// Moves the test process into a folder of its own holding the test assets.
inline bool EnterTestAssets()
{
    const std::string dir = ::testing::TempDir() + "gui-assets-" + std::to_string(getpid());
    mkdir(dir.c_str(), 0755);
    if (chdir(dir.c_str()) != 0)
        return false;
    WriteTestAssets();
    return true;
}

// A shown screen under the root, with a window, the test assets, a task
// handler and a resource manager, for widgets that load fonts and textures.
class WidgetFixture : public ::testing::Test
{
protected:
    static const int kSize = 64;            // pixels; the test window is square

    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext(kSize, kSize));
        ASSERT_TRUE(EnterTestAssets());
        m_screen = new GUI::CScreen();
        GUI::g_rootWidget.AddChild(m_screen);
        m_screen->Show();
    }

    void TearDown() override
    {
        GUI::g_rootWidget.DeleteChildren();
        GUI::g_rootWidget.m_hover = &GUI::g_rootWidget;
        GUI::g_rootWidget.m_hoverInside = false;
    }

    void Poll(float x, float y, bool left = false)
    {
        GUI::UpdateMouseState(m_mouse, x, y, left, false, false);
        GUI::g_rootWidget.DispatchMouse(m_mouse);
    }

    void Click(float x, float y)
    {
        Poll(x, y);
        Poll(x, y, true);
        Poll(x, y, false);
    }

    void RunQueuedTasks()
    {
        while (m_handler.QueuedCount() > 0)
            m_handler.Tick();
    }

    // Draws the tree into the test window, one pixel per unit.
    void DrawScreen()
    {
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kSize, 0, kSize, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3ub(255, 255, 255);
        GUI::DrawTree(&GUI::g_rootWidget);
        glFinish();
    }

    int RedAt(int x, int y) const
    {
        unsigned char pixel[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        return pixel[0];
    }

    CTaskHandler      m_handler;
    CResourceManager  m_resources;
    GUI::CScreen*     m_screen = nullptr;
    GUI::MouseState   m_mouse = {};
};
