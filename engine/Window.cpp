#include "engine/Window.h"

#include <GLFW/glfw3.h>

int           g_windowWidth  = 0;
int           g_windowHeight = 0;
unsigned char g_fullscreen   = 0;
unsigned char g_vsync        = 0;

namespace
{

GLFWwindow*        g_window       = nullptr;    // the one window, or null
WindowSizeCallback g_sizeCallback = nullptr;
KeyCallback        g_keyCallback  = nullptr;
int                g_swapInterval = -1;

void OnWindowSize(GLFWwindow*, int width, int height)
{
    if (g_sizeCallback)
        g_sizeCallback(width, height);
}

void OnWindowKey(GLFWwindow*, int key, int, int action, int)
{
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

// No hints beyond visibility: the default context is a compatibility one,
// which the immediate-mode drawing needs.
bool OpenWindow(int width, int height, bool fullscreen, bool visible)
{
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
    GLFWmonitor* monitor = fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    g_window = glfwCreateWindow(width, height, "", monitor, nullptr);
    if (!g_window)
        return false;
    glfwMakeContextCurrent(g_window);
    return true;
}

void SetWindowSizeCallback(WindowSizeCallback callback)
{
    g_sizeCallback = callback;
    glfwSetWindowSizeCallback(g_window, OnWindowSize);
    int width = 0;
    int height = 0;
    glfwGetWindowSize(g_window, &width, &height);
    if (callback)
        callback(width, height);
}

void SetWindowTitle(const char* title)
{
    glfwSetWindowTitle(g_window, title);
}

bool IsWindowOpen()
{
    return g_window && !glfwWindowShouldClose(g_window);
}

void SwapAndPollWindow()
{
    glfwSwapBuffers(g_window);
    glfwPollEvents();
}

void GetCursorPosition(int& x, int& y)
{
    double cursorX = 0.0;
    double cursorY = 0.0;
    glfwGetCursorPos(g_window, &cursorX, &cursorY);
    x = static_cast<int>(cursorX);
    y = static_cast<int>(cursorY);
}

void SetCursorPosition(int x, int y)
{
    glfwSetCursorPos(g_window, x, y);
}

bool IsMouseButtonDown(int button)
{
    return glfwGetMouseButton(g_window, button) != GLFW_RELEASE;
}

void SetKeyCallback(KeyCallback callback)
{
    g_keyCallback = callback;
    glfwSetKeyCallback(g_window, OnWindowKey);
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
