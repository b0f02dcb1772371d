#pragma once

// The one place that talks to the windowing library: the window, its
// context, the timer, and the raw mouse and keyboard. Key codes handed to the
// key callback are the engine's own (engine/KeyCodes.h).

// Index of this file:
//   Settings       - the canvas's size and how the window opens
//   Types          - what the window hands out and takes in
//   Window system  - the library, the window and its events
//   Mouse and keys - the raw input
//   OpenGL         - the context's extensions and swap interval

//------------------------------------------------------------------ Settings

extern int           g_windowWidth;         // canvas pixels; set by UserInit, kept when the window resizes
extern int           g_windowHeight;        // canvas pixels
extern unsigned char g_fullscreen;          // the window opens full-screen only when exactly 1
extern unsigned char g_vsync;               // wish for vertical sync; nothing sets it
extern int           g_windowOpenWidth;     // screen units the window opens at, out of full screen; with
extern int           g_windowOpenHeight;    // 0, the canvas size times the display's content scale

#include "engine/Canvas.h"

//------------------------------------------------------------------ Types

typedef void (*KeyCallback)(int key, int action);   // action 1 pressed, 0 released

// One size of the window's icon.
struct WindowIconPicture
{
    int                  width;             // pixels
    int                  height;            // pixels
    const unsigned char* pixels;            // R, G, B, A each, top row first; not owned
};

// What a wait for the window's events saw come.
enum WindowWake
{
    WakeTimeUp = 0,                         // nothing, or nothing the window delivers
    WakeEvent  = 1,                         // events, none of them a key
    WakeKey    = 2                          // a key, maybe among other events
};

//------------------------------------------------------------------ Window system

bool        InitWindowSystem();             // false when the windowing library cannot start, see WindowSystemError
void        TerminateWindowSystem();        // ends the library; over a lost display, leaves all to the process's end
double      WindowTimer();                  // seconds since InitWindowSystem; 0 before it
const char* WindowSystemError();            // the windowing library's last complaint, or ""

// The window shows a canvas of g_windowWidth by g_windowHeight pixels, scaled
// to fit whatever size the window takes; it opens at the canvas size times
// the display's content scale. F11 toggles full screen. Out of full screen
// it never gets smaller than half the canvas. Its class is "valdmoor", as
// the desktop entry's StartupWMClass says.
bool            OpenWindow(int width, int height, bool fullscreen, bool visible = true);
void            SetWindowTitle(const char* title);   // copied by the window system
// Pictures of the window's icon at the sizes the desktop may pick from;
// the window system copies them.
void            SetWindowIcon(const WindowIconPicture* pictures, int count);
// The window's size out of full screen (its size before full screen, while
// it is full screen) and whether it is full screen; false without a window.
bool            GetWindowShape(int& width, int& height, bool& fullscreen);
bool            IsWindowOpen();             // false once closing was asked for or the window was destroyed
bool            PollWindowEvents();         // delivers pending events; whether any but keys came since the last call
WindowWake      WaitWindowEvents(double seconds);   // at most that long for the next events; delivers them
void            SwapWindowBuffers();        // shows the frame drawn last
CanvasPlacement CanvasInWindow();           // where the canvas goes in the framebuffer
bool            CanvasFillsWindow(const CanvasPlacement& canvas);  // whether it leaves no bars beside it
double          DisplayRefreshRate();       // frames a second of the window's display; 60 when unknown

//------------------------------------------------------------------ Mouse and keys

void GetCursorPosition(int& x, int& y);     // canvas pixels from its top-left corner; may lie outside it
bool IsMouseButtonDown(int button);         // 0 left, 1 right, 2 middle; a click between two reads
                                            // reads as down once

void SetKeyCallback(KeyCallback callback);  // the one receiver of key presses and releases; null for none
int  TranslateKey(int windowKey);           // the engine's code, or -1 for keys it has none for
int  TranslateKeyAction(int windowAction);  // a repeat counts as a press

//------------------------------------------------------------------ OpenGL

typedef void (*GLProcedure)();              // an OpenGL extension's entry point, cast to its type by the caller
GLProcedure GetGLProcedure(const char* name);   // null when the context has none; needs a current context
void        SetSwapInterval(int interval);  // screen refreshes a swap waits for: 1 for vertical sync, 0 for none
int         SwapInterval();                 // the interval last set, -1 if never set
