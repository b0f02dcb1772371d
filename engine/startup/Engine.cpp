#include "engine/startup/Engine.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "engine/Callables.h"
#include "engine/Clock.h"
#include "engine/Deadline.h"
#include "engine/DisplayWatch.h"
#include "engine/startup/Frame.h"
#include "engine/Log.h"
#include "engine/StandardStreams.h"
#include "engine/StopSignals.h"
#include "engine/TaskHandler.h"
#include "engine/Time.h"
#include "engine/startup/UserHooks.h"
#include "engine/startup/WindowIcon.h"
#include "engine/Window.h"
#include "font/Font.h"
#include "gui/RootWidget.h"
#include "input/Keyboard.h"
#include "resources/AdvancedGL.h"
#include "resources/FileSystem.h"
#include "resources/RendererWarmUp.h"
#include "resources/ResourceManager.h"
#include "scenegraph/Base.h"
#include "scenegraph/Camera.h"

Scenegraph::IBase* g_sceneRoot = nullptr;

namespace
{

typedef Tasks::CRecurringTask<Functor1<Scenegraph::IBase, double>> SceneUpdateTask;

template <typename Callable>
using RepeatTask = Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Repeat, Callable>;

// One sixtieth in single precision, widened: the scene steps at exactly that.
const double kScenePeriod = static_cast<double>(1.0f / 60.0f);

// A display that takes longer than this to answer the first connection is
// taken for one that never will.
const unsigned kDisplayAnswerSeconds = 10;

int g_startArgument = 0;                    // EngineInit's, for the file-system step

void Log(const char* text)
{
    g_engineLog.SetLevel(Message);
    g_engineLog << text;
    g_engineLog.Commit();
}

void Stamp(const char* text)
{
    g_engineLog.SetLevel(Message);
    g_engineLog << "[" << TimeStamp() << text;
    g_engineLog.Commit();
}

// A person who started the game from a terminal learns why it did not open,
// in the windowing library's own words where it gave any.
int Fail(const char* text, int result, const char* reason = "")
{
    g_engineLog.SetLevel(Error);
    g_engineLog << text;
    g_engineLog.Commit();
    if (*reason)
        std::fprintf(stderr, "valdmoor: %s (%s)\n", text, reason);
    else
        std::fprintf(stderr, "valdmoor: %s\n", text);
    return result;
}

int FontFailed(const char* text)
{
    g_engineLog.SetLevel(Error);
    g_engineLog << text << CFont::FileName;
    g_engineLog.Commit();
    std::fprintf(stderr, "valdmoor: %s%s\n", text, CFont::FileName);
    // Screens and widgets whose construction the exception cut short were
    // never handed to the root; they go with the tree now, so that their
    // pictures' handles are released before the resource manager is deleted.
    GUI::g_rootWidget.DeleteChildren();
    GUI::DeleteUnownedWidgets(GUI::g_rootWidget);
    return 1;
}

void LogStartLine()
{
    char date[32];
    char time[16];
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    std::strftime(date, sizeof date, " %d/%m/%Y", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);

    g_engineLog.SetLevel(Message);
    g_engineLog << "Release Run" << " - " << date << " " << time << "\n===========================";
    g_engineLog.Commit();
}

// The frame, the clocks and the scene's fixed step run on every pass; each
// goes to the front of the queue as it is made, so they run in the reverse
// of this order.
void QueueRoutineTasks()
{
    Tasks::MarkRoutine(Tasks::Queue<RepeatTask<void (*)()>>(RenderFrame));
    Tasks::MarkRoutine(Tasks::Queue<RepeatTask<Function0>>(Function0(UpdateTiming)));
    Tasks::MarkRoutine(Tasks::Queue<SceneUpdateTask>(
        Functor1<Scenegraph::IBase, double>(g_sceneRoot, &Scenegraph::IBase::UpdateTree), kScenePeriod));
}

// The windowing library's initialisation waits on the display's answer
// with no bound of its own, and no signal gets it out of that wait.
int StartWindowSystem()
{
    const char* variable = std::getenv("DISPLAY");
    const std::string late = "the display " + std::string(variable ? variable : "") + " did not answer within " +
                             std::to_string(kDisplayAnswerSeconds) + " s";
    SetDeadline(kDisplayAnswerSeconds,
                g_engineLog.Formatted(Error, "GLFW initialization failed.") +
                    g_engineLog.Formatted(Error, "The window system was refused: " + late + ".") +
                    g_engineLog.Formatted(Message, "Error 1 during initialization, shutting down") +
                    g_engineLog.Closing(),
                "valdmoor: GLFW initialization failed. (" + late + ")\n", 1);
    const bool started = InitWindowSystem();
    ClearDeadline();
    if (!started)
        return Fail("GLFW initialization failed.", 1, WindowSystemError());
    Stamp("] GLFW initialization succesfull.");
    return 0;
}

int CreateTaskHandler()
{
    CTaskHandler::Create();
    Stamp("] Task Handler created.");
    return 0;
}

int StartFileSystem()
{
    if (FileSystemInit(g_startArgument) != 0)
        return 1;
    Stamp("] File system initialised.");
    return 0;
}

int CreateResourceManager()
{
    InitClocks();
    CResourceManager::Create();
    Stamp("] Resource Manager created.");
    g_sceneRoot = new Scenegraph::IBase();
    QueueRoutineTasks();
    return 0;
}

int StartUser()
{
    if (const int result = UserInit())
        return Fail("User initialization failed.", result);
    Stamp("] User initialization succesfull.");
    return 0;
}

int OpenGameWindow()
{
    if (!OpenWindow(g_windowWidth, g_windowHeight, g_fullscreen == 1))
        return Fail("Could not open window.", 1, WindowSystemError());
    Stamp("] Window Created");
    StartFrames();
    SetWindowTitle("Valdmoor");
    ShowWindowIcon();
    Stamp("] Window Title Set");

    InitAdvancedGL();
    WarmUpRenderer();
    Stamp("] OpenGL Advanced Init complete");
    return 0;
}

int StartKeyboard()
{
    if (const int result = Input::Keyboard::InitKeyboard())
        return Fail("Keyboard initialization failed.", result);
    Stamp("] Keyboard initialized");
    return 0;
}

int SetUpCamera()
{
    Scenegraph::g_camera.LookAt(0, 0, 15, 0, 0, 0, 0, 1, 0);
    Scenegraph::g_camera.SetOrthographic(40, 30, 10, 50);
    Stamp("] Read data");
    return 0;
}

typedef int (*StartStep)();             // 0, or the error number start-up ends with

// In order; each logs its own line, and a failure its own error.
const StartStep kStartSteps[] = {StartWindowSystem, CreateTaskHandler, StartFileSystem, CreateResourceManager,
                                 StartUser,         OpenGameWindow,    StartKeyboard,   SetUpCamera};

// A lost display ends as a failed frame does: the cause in the engine log
// and on standard error, then the shutdown.
int DisplayFailed()
{
    const char* const cause = "The connection to the display was lost.";
    g_engineLog.SetLevel(Error);
    g_engineLog << cause;
    g_engineLog.Commit();
    std::fprintf(stderr, "valdmoor: %s\n", cause);
    return 1;
}

} // namespace

// A stop signal during start-up ends it between two steps, with a line
// saying so; the caller then shuts down what was started.
int EngineInit(int argument)
{
    g_startArgument = argument;
    g_startTime = WindowTimer();
    g_engineLog.Open("log_engine.html");
    LogStartLine();
    Log("[ - ] Korvex Engine startup ...");
    g_generalLog.Open("log_general.log");

    for (const StartStep step : kStartSteps)
    {
        if (StopSignalled())
        {
            Log("Start-up stopped by a stop signal.");
            return 0;
        }
        if (const int result = step())
            return result;
    }

    CTaskHandler::Instance()->SetTime(ElapsedTime());
    Stamp("] Korvex Engine startup complete.\n\n");
    return 0;
}

void EngineShutdown()
{
    Log("\n\n");
    Stamp("] Korvex Engine shutdown ...");
    UserDeInit();
    Log("User DeInit complete.");
    GUI::g_rootWidget.DeleteChildren();
    Log("GUI Hierarchy deleted.");
    delete g_sceneRoot;
    g_sceneRoot = nullptr;
    CleanupClocks();
    delete CTaskHandler::Instance();
    Log("Task Handler deleted.");
    delete CResourceManager::Instance();
    Log("Resource Manager deleted.");
    ShutdownAdvancedGL();

    const std::string stamp = TimeStamp();
    TerminateWindowSystem();
    Log("GLFW Terminated.");
    g_engineLog.SetLevel(Message);
    g_engineLog << "[" << stamp << "] Korvex Engine shutdown complete.";
    g_engineLog.Commit();
}

int RunEngine()
{
    GuardStandardStreams();
    CatchStopSignals();
    if (const int result = EngineInit(0))
    {
        g_engineLog.SetLevel(Message);
        g_engineLog << "Error " << static_cast<std::int32_t>(result) << " during initialization, shutting down";
        g_engineLog.Commit();
        return result;
    }

    // Start-up stopped by a signal leaves the loop out, and maybe the handler.
    int result = 0;
    CTaskHandler* handler = CTaskHandler::Instance();
    if (handler && !StopSignalled())
        handler->Start();
    try
    {
        while (handler && handler->IsRunning())
        {
            handler->Tick();
            if (DisplayLost())
            {
                result = DisplayFailed();
                break;
            }
            if (!IsWindowOpen() || StopSignalled())
                handler->Stop();
        }
    }
    // Without its font the game can show nothing, so it stops, but in order.
    catch (const GLFontError::InvalidFile&)
    {
        result = FontFailed("Couldn't load the font from ");
    }
    catch (const GLFontError::InvalidFont&)
    {
        result = FontFailed("Tried to draw with a font that did not load from ");
    }
    EngineShutdown();
    return result;
}
