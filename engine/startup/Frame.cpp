#include "engine/startup/Frame.h"

#include <GL/gl.h>

#include <algorithm>

#include "engine/FramePacer.h"
#include "engine/TaskHandler.h"
#include "engine/Time.h"
#include "engine/Window.h"
#include "gui/Backdrop.h"
#include "gui/MouseState.h"
#include "gui/RootWidget.h"
#include "gui/Screen.h"

namespace
{

// The bars beside a canvas that does not fill the window.
const GLclampf kBarGrey = 0.08f;

// Seconds an idle frame waits at most for an event or a task.
const double kLongestIdleWait = 0.1;

CFramePacer g_framePacer(1.0 / 60.0);
bool        g_frameShown = false;           // a frame has been drawn since the window opened
bool        g_changeOwed = false;           // work that changed the picture waits for a frame a key cut short

// What was copied into the back buffer right after the last swap: the
// shown screen's backdrop, or none, and where the canvas lay then.
struct LaidBackdrop
{
    const GUI::CBackdrop* backdrop;
    CanvasPlacement       canvas;
};
LaidBackdrop g_afterSwap = {};

bool MouseChanged(const GUI::MouseState& mouse)
{
    return mouse.dx != 0.0f || mouse.dy != 0.0f || mouse.leftDown != mouse.leftWasDown ||
           mouse.rightDown != mouse.rightWasDown || mouse.middleDown != mouse.middleWasDown;
}

// The wait ends early for a key, and for a waiting task that falls due, so
// that either is shown without sleeping out the frame; the pointer's motion
// and the window's other events are delivered as they come and shown in the
// frame that is due. A frame after one that drew nothing, with nothing come
// since, would draw nothing either: it waits on for any event or task, up to
// a bound that keeps the loop turning for whatever else it checks. Whether a
// key ended the wait.
bool WaitForFrame(bool pending)
{
    const double taskDue = CTaskHandler::Instance()->NextStart() + g_startTime;
    WindowWake wake = WakeTimeUp;
    double delay = g_framePacer.Delay(WindowTimer(), pending, taskDue);
    while (delay > 0.0 && wake != WakeKey)
    {
        wake = std::max(wake, WaitWindowEvents(delay));
        delay = g_framePacer.Delay(WindowTimer(), pending, taskDue);
    }
    const double idleEnd = std::min(taskDue, WindowTimer() + kLongestIdleWait);
    if (wake == WakeTimeUp && !pending && g_framePacer.Idle() && idleEnd > WindowTimer())
        wake = WaitWindowEvents(idleEnd - WindowTimer());
    g_framePacer.FrameStarted(WindowTimer());
    return wake == WakeKey;
}

bool SamePlace(const CanvasPlacement& one, const CanvasPlacement& other)
{
    return one.x == other.x && one.y == other.y && one.width == other.width && one.height == other.height;
}

// The canvas keeps its size in pixels of the layout; the viewport scales it
// onto the framebuffer, and the rest of the framebuffer becomes bars. A
// canvas that fills the framebuffer is cleared once, by its own clear, and
// not at all when the screen shown paints every pixel of it first. A
// backdrop laid after the last swap still holds where the canvas has not
// moved and no bars are cleared over it.
void DrawCanvas(const CanvasPlacement& canvas)
{
    if (!CanvasFillsWindow(canvas))
    {
        GLfloat canvasClear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, canvasClear);
        glDisable(GL_SCISSOR_TEST);
        glClearColor(kBarGrey, kBarGrey, kBarGrey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(canvasClear[0], canvasClear[1], canvasClear[2], canvasClear[3]);
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(canvas.x, canvas.y, canvas.width, canvas.height);
    glViewport(canvas.x, canvas.y, canvas.width, canvas.height);
    const GUI::CBackdrop* backdrop = GUI::ShownBackdrop();
    if (!backdrop)
        glClear(GL_COLOR_BUFFER_BIT);
    if (backdrop == g_afterSwap.backdrop && CanvasFillsWindow(canvas) && SamePlace(canvas, g_afterSwap.canvas))
        GUI::g_laidBackdrop = backdrop;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, g_windowWidth, 0, g_windowHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3ub(255, 255, 255);
    GUI::DrawTree(&GUI::g_rootWidget);
    GUI::g_laidBackdrop = nullptr;
    glDisable(GL_SCISSOR_TEST);
}

// The next frame's backdrop, copied into the back buffer at once while the
// processor is still awake from this frame: after an idle spell the same
// copy costs several times as much, in the frame a key brings. Bars would
// be cleared over it, so a canvas with bars has none laid.
void LayBackdrop(const CanvasPlacement& canvas)
{
    GUI::CBackdrop* backdrop = CanvasFillsWindow(canvas) ? GUI::ShownBackdrop() : nullptr;
    if (backdrop)
        backdrop->Draw();
    g_afterSwap = {backdrop, canvas};
}

} // namespace

// A frame in which nothing can have changed the picture draws nothing: the
// window keeps showing the last one. Events and the mouse are still read
// every frame, so the first change shows in the frame that sees it. A frame
// whose wait a key ended draws nothing either: the key's binding runs in the
// passes after it, and the next frame, at once, shows its result with
// whatever else changed.
void RenderFrame()
{
    const bool tasksChanged = CTaskHandler::Instance()->TakeActivity() || g_changeOwed;
    g_changeOwed = false;
    if (WaitForFrame(tasksChanged))
    {
        g_changeOwed = PollWindowEvents() || tasksChanged;
        g_framePacer.Skipped();
        return;
    }
    const bool windowChanged = PollWindowEvents();
    GUI::PollMouse();
    const CanvasPlacement canvas = CanvasInWindow();
    if ((g_frameShown && !tasksChanged && !windowChanged && !MouseChanged(GUI::g_mouseState)) || canvas.width == 0)
    {
        g_framePacer.Skipped();
        return;
    }
    DrawCanvas(canvas);
    const double swapStart = WindowTimer();
    SwapWindowBuffers();
    g_framePacer.Swapped(WindowTimer() - swapStart);
    g_frameShown = true;
    LayBackdrop(canvas);
}

void StartFrames()
{
    g_framePacer.SetPeriod(1.0 / DisplayRefreshRate());
    g_frameShown = false;
    g_afterSwap = {};
}
