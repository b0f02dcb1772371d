// A screen on the engine's real window for window-demo-test.sh to drive: it
// prints a line for each thing it receives and ends on "Yes" or after a bound.
// Run in a folder holding "Assets/".

#include <unistd.h>

#include <GL/gl.h>

#include <cstdio>

#include "engine/TaskHandler.h"
#include "engine/Window.h"
#include "gui/ActionButton.h"
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

GUI::CScreen* g_screen = nullptr;           // owned by the root
bool          g_ready = false;              // a frame was shown and "ready" said

void Count() { std::puts("clicked Count"); }
void KeyD() { std::puts("key D"); }

void OnAnswer(bool yes)
{
    std::puts(yes ? "answer yes" : "answer no");
    if (yes)
        CTaskHandler::Instance()->Stop();
}

void Ask()
{
    new GUI::CYesNoModalDialog<void (*)(bool)>(g_screen, OnAnswer, "Quit the demo?", 150, 190, 300, 100);
    std::puts("dialog open");
}

void Frame()
{
    SwapWindowBuffers();
    PollWindowEvents();
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3ub(255, 255, 255);
    GUI::DrawTree(&GUI::g_rootWidget);
    GUI::PollMouse();
    if (!g_ready)
        std::puts("ready");
    g_ready = true;
    usleep(kFramePause);
}

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);   // the script reads each line as it is said
    g_windowWidth = 600;
    g_windowHeight = 480;
    if (!InitWindowSystem() || !OpenWindow(g_windowWidth, g_windowHeight, false))
    {
        std::puts("no window");
        return 2;
    }
    SetWindowTitle("Widget demo");
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, g_windowWidth, 0, g_windowHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);

    CTaskHandler* handler = new CTaskHandler();
    new CResourceManager();
    new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Repeat, void (*)()>(Frame);
    Input::Keyboard::InitKeyboard();

    g_screen = new GUI::CScreen();
    g_screen->AddChild(new GUI::CActionButton<void (*)()>(10, 10, 128, 32, "Assets/buttonOut.tga",
                                                          "Assets/buttonOver.tga", Count));
    GUI::g_rootWidget.AddChild(g_screen);
    g_screen->Show();

    Input::Keyboard::CKeyMap keys;
    keys.BindKey(68, &KeyD, Input::Keyboard::Pressed);
    keys.BindKey(257, &Ask, Input::Keyboard::Pressed);
    Input::Keyboard::PushKeyMap(&keys);

    handler->Start();
    while (handler->IsRunning() && IsWindowOpen() && WindowTimer() < kBoundSeconds)
        handler->Tick();
    const bool answered = !handler->IsRunning();
    if (!answered)
        std::puts("timeout");

    Input::Keyboard::PopKeyMap();
    GUI::g_rootWidget.DeleteChildren();
    delete handler;
    delete CResourceManager::Instance();
    TerminateWindowSystem();
    return answered ? 0 : 1;
}
