#include "engine/Window.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/DisplayWatch.h"
#include "engine/KeyCodes.h"

int           g_windowWidth  = 0;
int           g_windowHeight = 0;
unsigned char g_fullscreen   = 0;
unsigned char g_vsync        = 0;
int           g_windowOpenWidth  = 0;
int           g_windowOpenHeight = 0;

namespace
{

GLFWwindow*  g_window        = nullptr;     // the one window, or null
KeyCallback  g_keyCallback   = nullptr;
int          g_swapInterval  = -1;
bool         g_eventsArrived = false;       // other than keys, since the last PollWindowEvents
bool         g_keyArrived    = false;       // since WaitWindowEvents began its wait
std::string  g_lastError;                   // the windowing library's last description
int          g_windowedBounds[4] = {};      // left, top, width, height before full screen
// Sizes as the window system last reported them. Asking it instead would
// cost a round trip to the display server for each, several times a frame.
int          g_windowSize[2]      = {};     // width, height in window coordinates
int          g_framebufferSize[2] = {};     // width, height in pixels
// The pointer as its motion reports last placed it, in window coordinates.
// Crossing the window's edge or moving the window shifts it without one, so
// then it is asked for once; outside the window, with no button held, no
// reports come and it stays where it left.
double       g_pointer[2]         = {};
bool         g_pointerUnknown     = true;   // it must be asked for before it is read

const double kUnknownRefreshRate = 60.0;
const char   kWindowClass[] = "valdmoor";  // the desktop entry's StartupWMClass

void OnError(int, const char* description)
{
    g_lastError = description ? description : "";
}

// Any of the window's events but keys may change what it must show.
template <typename... Details>
void NoteEvent(GLFWwindow*, Details...)
{
    g_eventsArrived = true;
}

void OnPointerMotion(GLFWwindow*, double x, double y)
{
    g_eventsArrived = true;
    g_pointer[0] = x;
    g_pointer[1] = y;
}

template <typename... Details>
void OnPointerShifted(GLFWwindow*, Details...)
{
    g_eventsArrived = true;
    g_pointerUnknown = true;
}

int MinimumWidth()
{
    return g_windowWidth / 2;
}

int MinimumHeight()
{
    return g_windowHeight / 2;
}

// A window manager keeps the window to its size limits; without one, as
// under a bare X server, the window takes whatever size another program
// gives it, and grows back here.
void OnWindowSize(GLFWwindow* window, int width, int height)
{
    g_eventsArrived = true;
    g_windowSize[0] = width;
    g_windowSize[1] = height;
    if (glfwGetWindowMonitor(window) || (width >= MinimumWidth() && height >= MinimumHeight()))
        return;
    glfwSetWindowSize(window, std::max(width, MinimumWidth()), std::max(height, MinimumHeight()));
}

void OnFramebufferSize(GLFWwindow*, int width, int height)
{
    g_eventsArrived = true;
    g_framebufferSize[0] = width;
    g_framebufferSize[1] = height;
}

GLFWmonitor* MonitorOfWindow()
{
    if (GLFWmonitor* monitor = glfwGetWindowMonitor(g_window))
        return monitor;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    glfwGetWindowPos(g_window, &left, &top);
    glfwGetWindowSize(g_window, &width, &height);
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    for (int index = 0; index < count; ++index)
    {
        int monitorLeft = 0;
        int monitorTop = 0;
        glfwGetMonitorPos(monitors[index], &monitorLeft, &monitorTop);
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[index]);
        const int centreX = left + width / 2;
        const int centreY = top + height / 2;
        if (mode && centreX >= monitorLeft && centreX < monitorLeft + mode->width && centreY >= monitorTop &&
            centreY < monitorTop + mode->height)
            return monitors[index];
    }
    return glfwGetPrimaryMonitor();
}

void ToggleFullScreen()
{
    if (glfwGetWindowMonitor(g_window))
    {
        glfwSetWindowMonitor(g_window, nullptr, g_windowedBounds[0], g_windowedBounds[1], g_windowedBounds[2],
                             g_windowedBounds[3], 0);
        return;
    }
    GLFWmonitor* monitor = MonitorOfWindow();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode)
        return;
    glfwGetWindowPos(g_window, &g_windowedBounds[0], &g_windowedBounds[1]);
    glfwGetWindowSize(g_window, &g_windowedBounds[2], &g_windowedBounds[3]);
    glfwSetWindowMonitor(g_window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
}

// A key changes nothing on screen by itself, only the task its binding
// queues does; the frame that reads the key can therefore leave the picture
// alone, and the frame after the task shows its result at once.
void OnWindowKey(GLFWwindow*, int key, int, int action, int)
{
    g_keyArrived = true;
    if (key == GLFW_KEY_F11)
    {
        if (action == GLFW_PRESS)
            ToggleFullScreen();
        return;
    }
    const int code = TranslateKey(key);
    if (g_keyCallback && code >= 0)
        g_keyCallback(code, TranslateKeyAction(action));
}

struct KeyPair
{
    int windowKey;
    int engineKey;
};

// Printable keys keep the windowing library's code, which is their
// character; the special keys are translated here.
const KeyPair kSpecialKeys[] = {
    {GLFW_KEY_ESCAPE, Keys::Escape},                 {GLFW_KEY_F1, Keys::F1},
    {GLFW_KEY_F2, Keys::F2},                         {GLFW_KEY_F3, Keys::F3},
    {GLFW_KEY_F4, Keys::F4},                         {GLFW_KEY_F5, Keys::F5},
    {GLFW_KEY_F6, Keys::F6},                         {GLFW_KEY_F7, Keys::F7},
    {GLFW_KEY_F8, Keys::F8},                         {GLFW_KEY_F9, Keys::F9},
    {GLFW_KEY_F10, Keys::F10},                       {GLFW_KEY_F11, Keys::F11},
    {GLFW_KEY_F12, Keys::F12},                       {GLFW_KEY_F13, Keys::F13},
    {GLFW_KEY_F14, Keys::F14},                       {GLFW_KEY_F15, Keys::F15},
    {GLFW_KEY_F16, Keys::F16},                       {GLFW_KEY_F17, Keys::F17},
    {GLFW_KEY_F18, Keys::F18},                       {GLFW_KEY_F19, Keys::F19},
    {GLFW_KEY_F20, Keys::F20},                       {GLFW_KEY_F21, Keys::F21},
    {GLFW_KEY_F22, Keys::F22},                       {GLFW_KEY_F23, Keys::F23},
    {GLFW_KEY_F24, Keys::F24},                       {GLFW_KEY_F25, Keys::F25},
    {GLFW_KEY_UP, Keys::Up},                         {GLFW_KEY_DOWN, Keys::Down},
    {GLFW_KEY_LEFT, Keys::Left},                     {GLFW_KEY_RIGHT, Keys::Right},
    {GLFW_KEY_LEFT_SHIFT, Keys::LeftShift},          {GLFW_KEY_RIGHT_SHIFT, Keys::RightShift},
    {GLFW_KEY_LEFT_CONTROL, Keys::LeftControl},      {GLFW_KEY_RIGHT_CONTROL, Keys::RightControl},
    {GLFW_KEY_LEFT_ALT, Keys::LeftAlt},              {GLFW_KEY_RIGHT_ALT, Keys::RightAlt},
    {GLFW_KEY_TAB, Keys::Tab},                       {GLFW_KEY_ENTER, Keys::Enter},
    {GLFW_KEY_BACKSPACE, Keys::Backspace},           {GLFW_KEY_INSERT, Keys::Insert},
    {GLFW_KEY_DELETE, Keys::Delete},                 {GLFW_KEY_PAGE_UP, Keys::PageUp},
    {GLFW_KEY_PAGE_DOWN, Keys::PageDown},            {GLFW_KEY_HOME, Keys::Home},
    {GLFW_KEY_END, Keys::End},                       {GLFW_KEY_KP_0, Keys::Pad0},
    {GLFW_KEY_KP_1, Keys::Pad1},                     {GLFW_KEY_KP_2, Keys::Pad2},
    {GLFW_KEY_KP_3, Keys::Pad3},                     {GLFW_KEY_KP_4, Keys::Pad4},
    {GLFW_KEY_KP_5, Keys::Pad5},                     {GLFW_KEY_KP_6, Keys::Pad6},
    {GLFW_KEY_KP_7, Keys::Pad7},                     {GLFW_KEY_KP_8, Keys::Pad8},
    {GLFW_KEY_KP_9, Keys::Pad9},                     {GLFW_KEY_KP_DIVIDE, Keys::PadDivide},
    {GLFW_KEY_KP_MULTIPLY, Keys::PadMultiply},       {GLFW_KEY_KP_SUBTRACT, Keys::PadSubtract},
    {GLFW_KEY_KP_ADD, Keys::PadAdd},                 {GLFW_KEY_KP_DECIMAL, Keys::PadDecimal},
    {GLFW_KEY_KP_EQUAL, Keys::PadEqual},             {GLFW_KEY_KP_ENTER, Keys::PadEnter},
    {GLFW_KEY_NUM_LOCK, Keys::NumLock},              {GLFW_KEY_CAPS_LOCK, Keys::CapsLock},
    {GLFW_KEY_SCROLL_LOCK, Keys::ScrollLock},        {GLFW_KEY_PAUSE, Keys::Pause},
    {GLFW_KEY_LEFT_SUPER, Keys::LeftSuper},          {GLFW_KEY_RIGHT_SUPER, Keys::RightSuper},
    {GLFW_KEY_MENU, Keys::Menu},
};

} // namespace

bool InitWindowSystem()
{
    glfwSetErrorCallback(OnError);
    return glfwInit() == GLFW_TRUE;
}

// Over a lost display, taking the window down would only talk to a dead
// connection; the system takes what is left with the process.
void TerminateWindowSystem()
{
    if (!DisplayLost())
        glfwTerminate();
    g_window = nullptr;
}

double WindowTimer()
{
    return glfwGetTime();
}

const char* WindowSystemError()
{
    return g_lastError.c_str();
}

// The default context is a compatibility one, which the immediate-mode
// drawing needs. The scene is flat and drawn back to front, so the window
// has no depth or stencil buffer for every frame to clear. Sticky buttons
// keep a click whose press and release both fall between two reads of the
// buttons.
bool OpenWindow(int width, int height, bool fullscreen, bool visible)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
    glfwWindowHint(GLFW_DEPTH_BITS, 0);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    glfwWindowHintString(GLFW_X11_CLASS_NAME, kWindowClass);
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, kWindowClass);
    GLFWmonitor* monitor = fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    if (!fullscreen && glfwGetPrimaryMonitor())
        glfwGetMonitorContentScale(glfwGetPrimaryMonitor(), &scaleX, &scaleY);
    if (scaleX > 1.0f && scaleY > 1.0f)
    {
        width = static_cast<int>(width * scaleX + 0.5f);
        height = static_cast<int>(height * scaleY + 0.5f);
    }
    if (g_windowOpenWidth > 0 && g_windowOpenHeight > 0)
    {
        width = g_windowOpenWidth;
        height = g_windowOpenHeight;
    }
    // Leaving full screen restores these bounds, so a window opened full
    // screen goes back to its remembered size.
    g_windowedBounds[2] = width;
    g_windowedBounds[3] = height;
    if (monitor)
    {
        const GLFWvidmode* mode = glfwGetVideoMode(monitor);
        width = mode ? mode->width : width;
        height = mode ? mode->height : height;
    }
    g_window = glfwCreateWindow(width, height, "", monitor, nullptr);
    if (!g_window)
        return false;
    glfwMakeContextCurrent(g_window);
    WatchDisplay();
    glfwSetWindowSizeLimits(g_window, MinimumWidth(), MinimumHeight(), GLFW_DONT_CARE, GLFW_DONT_CARE);
    glfwSetInputMode(g_window, GLFW_STICKY_MOUSE_BUTTONS, GLFW_TRUE);
    glfwGetWindowSize(g_window, &g_windowSize[0], &g_windowSize[1]);
    glfwGetFramebufferSize(g_window, &g_framebufferSize[0], &g_framebufferSize[1]);
    glfwSetFramebufferSizeCallback(g_window, OnFramebufferSize);
    g_pointerUnknown = true;
    glfwSetWindowPosCallback(g_window, OnPointerShifted<int, int>);
    glfwSetWindowSizeCallback(g_window, OnWindowSize);
    glfwSetWindowRefreshCallback(g_window, NoteEvent<>);
    glfwSetWindowFocusCallback(g_window, NoteEvent<int>);
    glfwSetWindowIconifyCallback(g_window, NoteEvent<int>);
    glfwSetCursorEnterCallback(g_window, OnPointerShifted<int>);
    glfwSetCursorPosCallback(g_window, OnPointerMotion);
    glfwSetMouseButtonCallback(g_window, NoteEvent<int, int, int>);
    glfwSetScrollCallback(g_window, NoteEvent<double, double>);
    glfwSetWindowContentScaleCallback(g_window, NoteEvent<float, float>);
    glfwSetKeyCallback(g_window, OnWindowKey);
    return true;
}

void SetWindowTitle(const char* title)
{
    glfwSetWindowTitle(g_window, title);
}

void SetWindowIcon(const WindowIconPicture* pictures, int count)
{
    std::vector<GLFWimage> images;
    for (int index = 0; index < count; ++index)
        images.push_back({pictures[index].width, pictures[index].height,
                          const_cast<unsigned char*>(pictures[index].pixels)});
    glfwSetWindowIcon(g_window, count, images.data());
}

bool GetWindowShape(int& width, int& height, bool& fullscreen)
{
    if (!g_window)
        return false;
    fullscreen = glfwGetWindowMonitor(g_window) != nullptr;
    if (fullscreen)
    {
        width = g_windowedBounds[2];
        height = g_windowedBounds[3];
    }
    else
        glfwGetWindowSize(g_window, &width, &height);
    return true;
}

bool IsWindowOpen()
{
    return g_window && !glfwWindowShouldClose(g_window) && !WindowDestroyed();
}

bool PollWindowEvents()
{
    ReadWindowDestruction();
    glfwPollEvents();
    const bool arrived = g_eventsArrived;
    g_eventsArrived = false;
    return arrived;
}

// The library's own wait would read and drop the event of the window's
// destruction; the display is waited on apart, and the events read after.
WindowWake WaitWindowEvents(double seconds)
{
    g_keyArrived = false;
    const bool eventsBefore = g_eventsArrived;
    g_eventsArrived = false;
    ReadWindowDestruction();
    if (WaitForDisplay(seconds))
    {
        ReadWindowDestruction();
        glfwPollEvents();
    }
    else
        glfwWaitEventsTimeout(seconds);
    const WindowWake wake = g_keyArrived ? WakeKey : g_eventsArrived ? WakeEvent : WakeTimeUp;
    g_eventsArrived = g_eventsArrived || eventsBefore;
    return wake;
}

void SwapWindowBuffers()
{
    glfwSwapBuffers(g_window);
}

CanvasPlacement CanvasInWindow()
{
    return PlaceCanvas(g_windowWidth, g_windowHeight, g_framebufferSize[0], g_framebufferSize[1]);
}

bool CanvasFillsWindow(const CanvasPlacement& canvas)
{
    return canvas.width == g_framebufferSize[0] && canvas.height == g_framebufferSize[1];
}

double DisplayRefreshRate()
{
    GLFWmonitor* monitor = g_window ? MonitorOfWindow() : glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    return mode && mode->refreshRate > 0 ? mode->refreshRate : kUnknownRefreshRate;
}

// The pointer is read in window coordinates, which on some systems differ
// from framebuffer pixels, and brought onto the canvas as drawn.
void GetCursorPosition(int& x, int& y)
{
    if (g_pointerUnknown)
    {
        glfwGetCursorPos(g_window, &g_pointer[0], &g_pointer[1]);
        g_pointerUnknown = false;
    }
    double cursorX = g_pointer[0];
    double cursorY = g_pointer[1];
    const int windowWidth = g_windowSize[0];
    const int windowHeight = g_windowSize[1];
    const int framebufferWidth = g_framebufferSize[0];
    const int framebufferHeight = g_framebufferSize[1];
    if (windowWidth > 0 && windowHeight > 0)
    {
        cursorX = cursorX * framebufferWidth / windowWidth;
        cursorY = cursorY * framebufferHeight / windowHeight;
    }
    const CanvasPlacement placement = PlaceCanvas(g_windowWidth, g_windowHeight, framebufferWidth, framebufferHeight);
    AreaToCanvas(placement, g_windowWidth, g_windowHeight, framebufferHeight, cursorX, cursorY);
    x = static_cast<int>(cursorX);
    y = static_cast<int>(cursorY);
}

bool IsMouseButtonDown(int button)
{
    return glfwGetMouseButton(g_window, button) != GLFW_RELEASE;
}

void SetKeyCallback(KeyCallback callback)
{
    g_keyCallback = callback;
}

int TranslateKey(int windowKey)
{
    if (windowKey >= GLFW_KEY_SPACE && windowKey <= GLFW_KEY_GRAVE_ACCENT)
        return windowKey;
    for (const KeyPair& pair : kSpecialKeys)
        if (pair.windowKey == windowKey)
            return pair.engineKey;
    return -1;
}

int TranslateKeyAction(int windowAction)
{
    return windowAction == GLFW_RELEASE ? 0 : 1;
}

GLProcedure GetGLProcedure(const char* name)
{
    return glfwGetProcAddress(name);
}

void SetSwapInterval(int interval)
{
    glfwSwapInterval(interval);
    g_swapInterval = interval;
}

int SwapInterval()
{
    return g_swapInterval;
}
