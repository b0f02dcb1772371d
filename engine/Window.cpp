#include "engine/Window.h"

#include <GLFW/glfw3.h>

#include <string>

int           g_windowWidth  = 0;
int           g_windowHeight = 0;
unsigned char g_fullscreen   = 0;
unsigned char g_vsync        = 0;

namespace
{

GLFWwindow*  g_window        = nullptr;     // the one window, or null
KeyCallback  g_keyCallback   = nullptr;
int          g_swapInterval  = -1;
bool         g_eventsArrived = false;       // other than keys, since the last PollWindowEvents
std::string  g_lastError;                   // the windowing library's last description
int          g_windowedBounds[4] = {};      // left, top, width, height before full screen

const double kUnknownRefreshRate = 60.0;

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

// Special keys start at 256; the engine numbers them as its first windowing
// library did, which the key bindings are written against.
const KeyPair kSpecialKeys[] = {
    {GLFW_KEY_ESCAPE, 257},       {GLFW_KEY_F1, 258},           {GLFW_KEY_F2, 259},
    {GLFW_KEY_F3, 260},           {GLFW_KEY_F4, 261},           {GLFW_KEY_F5, 262},
    {GLFW_KEY_F6, 263},           {GLFW_KEY_F7, 264},           {GLFW_KEY_F8, 265},
    {GLFW_KEY_F9, 266},           {GLFW_KEY_F10, 267},          {GLFW_KEY_F11, 268},
    {GLFW_KEY_F12, 269},          {GLFW_KEY_F13, 270},          {GLFW_KEY_F14, 271},
    {GLFW_KEY_F15, 272},          {GLFW_KEY_F16, 273},          {GLFW_KEY_F17, 274},
    {GLFW_KEY_F18, 275},          {GLFW_KEY_F19, 276},          {GLFW_KEY_F20, 277},
    {GLFW_KEY_F21, 278},          {GLFW_KEY_F22, 279},          {GLFW_KEY_F23, 280},
    {GLFW_KEY_F24, 281},          {GLFW_KEY_F25, 282},          {GLFW_KEY_UP, 283},
    {GLFW_KEY_DOWN, 284},         {GLFW_KEY_LEFT, 285},         {GLFW_KEY_RIGHT, 286},
    {GLFW_KEY_LEFT_SHIFT, 287},   {GLFW_KEY_RIGHT_SHIFT, 288},  {GLFW_KEY_LEFT_CONTROL, 289},
    {GLFW_KEY_RIGHT_CONTROL, 290}, {GLFW_KEY_LEFT_ALT, 291},    {GLFW_KEY_RIGHT_ALT, 292},
    {GLFW_KEY_TAB, 293},          {GLFW_KEY_ENTER, 294},        {GLFW_KEY_BACKSPACE, 295},
    {GLFW_KEY_INSERT, 296},       {GLFW_KEY_DELETE, 297},       {GLFW_KEY_PAGE_UP, 298},
    {GLFW_KEY_PAGE_DOWN, 299},    {GLFW_KEY_HOME, 300},         {GLFW_KEY_END, 301},
    {GLFW_KEY_KP_0, 302},         {GLFW_KEY_KP_1, 303},         {GLFW_KEY_KP_2, 304},
    {GLFW_KEY_KP_3, 305},         {GLFW_KEY_KP_4, 306},         {GLFW_KEY_KP_5, 307},
    {GLFW_KEY_KP_6, 308},         {GLFW_KEY_KP_7, 309},         {GLFW_KEY_KP_8, 310},
    {GLFW_KEY_KP_9, 311},         {GLFW_KEY_KP_DIVIDE, 312},    {GLFW_KEY_KP_MULTIPLY, 313},
    {GLFW_KEY_KP_SUBTRACT, 314},  {GLFW_KEY_KP_ADD, 315},       {GLFW_KEY_KP_DECIMAL, 316},
    {GLFW_KEY_KP_EQUAL, 317},     {GLFW_KEY_KP_ENTER, 318},     {GLFW_KEY_NUM_LOCK, 319},
    {GLFW_KEY_CAPS_LOCK, 320},    {GLFW_KEY_SCROLL_LOCK, 321},  {GLFW_KEY_PAUSE, 322},
    {GLFW_KEY_LEFT_SUPER, 323},   {GLFW_KEY_RIGHT_SUPER, 324},  {GLFW_KEY_MENU, 325},
};

} // namespace

bool InitWindowSystem()
{
    glfwSetErrorCallback(OnError);
    return glfwInit() == GLFW_TRUE;
}

void TerminateWindowSystem()
{
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

// No hints beyond visibility: the default context is a compatibility one,
// which the immediate-mode drawing needs. Sticky buttons keep a click whose
// press and release both fall between two reads of the buttons.
bool OpenWindow(int width, int height, bool fullscreen, bool visible)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
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
    g_window = glfwCreateWindow(width, height, "", monitor, nullptr);
    if (!g_window)
        return false;
    glfwMakeContextCurrent(g_window);
    glfwSetInputMode(g_window, GLFW_STICKY_MOUSE_BUTTONS, GLFW_TRUE);
    glfwSetFramebufferSizeCallback(g_window, NoteEvent<int, int>);
    glfwSetWindowPosCallback(g_window, NoteEvent<int, int>);
    glfwSetWindowRefreshCallback(g_window, NoteEvent<>);
    glfwSetWindowFocusCallback(g_window, NoteEvent<int>);
    glfwSetWindowIconifyCallback(g_window, NoteEvent<int>);
    glfwSetCursorEnterCallback(g_window, NoteEvent<int>);
    glfwSetCursorPosCallback(g_window, NoteEvent<double, double>);
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

bool IsWindowOpen()
{
    return g_window && !glfwWindowShouldClose(g_window);
}

bool PollWindowEvents()
{
    glfwPollEvents();
    const bool arrived = g_eventsArrived;
    g_eventsArrived = false;
    return arrived;
}

void SwapWindowBuffers()
{
    glfwSwapBuffers(g_window);
}

CanvasPlacement CanvasInWindow()
{
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(g_window, &width, &height);
    return PlaceCanvas(g_windowWidth, g_windowHeight, width, height);
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
    double cursorX = 0.0;
    double cursorY = 0.0;
    glfwGetCursorPos(g_window, &cursorX, &cursorY);
    int windowWidth = 0;
    int windowHeight = 0;
    int framebufferWidth = 0;
    int framebufferHeight = 0;
    glfwGetWindowSize(g_window, &windowWidth, &windowHeight);
    glfwGetFramebufferSize(g_window, &framebufferWidth, &framebufferHeight);
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
