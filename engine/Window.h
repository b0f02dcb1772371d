#pragma once

// The one place that talks to the windowing library: the window, its
// context, the timer, and the raw mouse and keyboard. Key codes handed to the
// key callback are the engine's own (printable keys by their upper-case
// character, Escape 257, keypad 0 to 9 as 302 to 311, ...).

extern int           g_windowWidth;         // pixels; set by UserInit, then by every resize
extern int           g_windowHeight;        // pixels
extern unsigned char g_fullscreen;          // the window opens full-screen only when exactly 1
extern unsigned char g_vsync;               // wish for vertical sync; nothing sets it

typedef void (*WindowSizeCallback)(int width, int height);
typedef void (*KeyCallback)(int key, int action);   // action 1 pressed, 0 released

bool   InitWindowSystem();
void   TerminateWindowSystem();
double WindowTimer();                       // seconds since InitWindowSystem; 0 before it

bool   OpenWindow(int width, int height, bool fullscreen, bool visible = true);
void   SetWindowSizeCallback(WindowSizeCallback callback);  // also called at once with the size
void   SetWindowTitle(const char* title);
bool   IsWindowOpen();
void   SwapAndPollWindow();                 // shows the last frame and delivers pending events

void GetCursorPosition(int& x, int& y);     // pixels from the top-left corner
void SetCursorPosition(int x, int y);
bool IsMouseButtonDown(int button);         // 0 left, 1 right, 2 middle

void SetKeyCallback(KeyCallback callback);
int  TranslateKey(int windowKey);           // the engine's code, or -1 for keys it has none for
int  TranslateKeyAction(int windowAction);  // a repeat counts as a press

typedef void (*GLProcedure)();
GLProcedure GetGLProcedure(const char* name);
void        SetSwapInterval(int interval);
int         SwapInterval();                 // the interval last set, -1 if never set
