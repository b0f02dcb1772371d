// A test screen on the engine's real window, for driving with a real
// pointer and keyboard: it prints one line for everything it receives, and
// ends on its own after a bound.
//
//   "Count" button at (10, 10), 128 by 32      -> "clicked Count"
//   D                                          -> "key D"
//   Escape                                     -> "dialog open": a yes/no question at (150, 190), 300 by 100
//   the question's "Yes" / "No"                -> "answer yes" (and the program ends) / "answer no"
//
// Run in a folder holding "Assets/"; with --test-assets it writes the test
// assets there first.

#include <unistd.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "TestAssets.h"
#include "engine/Callables.h"
#include "engine/TaskHandler.h"
#include "engine/Window.h"
#include "gui/ActionButton.h"
#include "gui/Label.h"
#include "gui/RootWidget.h"
#include "gui/Screen.h"
#include "gui/YesNoModalDialog.h"
#include "input/KeyMap.h"
#include "input/Keyboard.h"
#include "resources/ResourceManager.h"

namespace
{

const double kBoundSeconds = 60.0;          // the demo gives up after this long
const useconds_t kFramePause = 10000;       // microseconds; keeps a frame loop off the shared cores

void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

class CDemo
{
public:
    explicit CDemo(GUI::CScreen* screen) : m_screen(screen) {}

    void Count() { Say("clicked Count"); }
    void KeyD() { Say("key D"); }

    void Ask()
    {
        new GUI::CYesNoModalDialog<Functor1<CDemo, bool>>(m_screen, Functor1<CDemo, bool>(this, &CDemo::OnAnswer),
                                                          "Quit the demo?", (g_windowWidth - 300) / 2,
                                                          (g_windowHeight - 100) / 2, 300, 100);
        Say("dialog open");
    }

    void OnAnswer(bool yes)
    {
        Say(yes ? "answer yes" : "answer no");
        if (yes)
            CTaskHandler::Instance()->Stop();
    }

private:
    GUI::CScreen* m_screen;                 // owned by the root
};

bool g_ready = false;

void Frame()
{
    SwapAndPollWindow();
    glViewport(0, 0, g_windowWidth, g_windowHeight);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, g_windowWidth, 0, g_windowHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3ub(255, 255, 255);
    GUI::DrawTree(&GUI::g_rootWidget);
    GUI::PollMouse();
    if (!g_ready)
    {
        g_ready = true;
        Say("ready");
    }
    usleep(kFramePause);
}

void OnResize(int width, int height)
{
    g_windowWidth = width;
    g_windowHeight = height;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--test-assets") == 0)
        WriteTestAssets();
    g_windowWidth = 600;
    g_windowHeight = 480;
    if (!InitWindowSystem() || !OpenWindow(g_windowWidth, g_windowHeight, false))
    {
        Say("no window");
        return 2;
    }
    SetWindowSizeCallback(OnResize);
    SetWindowTitle("Widget demo");

    CTaskHandler* handler = new CTaskHandler();
    new CResourceManager();
    new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Repeat, void (*)()>(Frame);
    Input::Keyboard::InitKeyboard();

    GUI::CScreen* screen = new GUI::CScreen();
    CDemo demo(screen);
    auto* count = new GUI::CActionButton<Functor0<CDemo>>(10, 10, 128, 32, "Assets/buttonOut.tga",
                                                          "Assets/buttonOver.tga",
                                                          Functor0<CDemo>(&demo, &CDemo::Count));
    count->AddChild(new GUI::CLabel("Count"));
    screen->AddChild(count);
    GUI::g_rootWidget.AddChild(screen);
    screen->Show();
    GUI::g_rootWidget.Layout();

    Input::Keyboard::CKeyMap keys;
    keys.BindKey(68, Functor0<CDemo>(&demo, &CDemo::KeyD), Input::Keyboard::Pressed);
    keys.BindKey(257, Functor0<CDemo>(&demo, &CDemo::Ask), Input::Keyboard::Pressed);
    Input::Keyboard::PushKeyMap(&keys);

    handler->Start();
    while (handler->IsRunning() && IsWindowOpen() && WindowTimer() < kBoundSeconds)
        handler->Tick();
    const bool answered = !handler->IsRunning();
    if (!answered)
        Say("timeout");

    Input::Keyboard::PopKeyMap();
    GUI::g_rootWidget.DeleteChildren();
    delete handler;
    delete CResourceManager::Instance();
    TerminateWindowSystem();
    return answered ? 0 : 1;
}
