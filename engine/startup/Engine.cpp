#include "engine/startup/Engine.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "engine/Callables.h"
#include "engine/Clock.h"
#include "engine/startup/Frame.h"
#include "engine/Log.h"
#include "engine/StopSignals.h"
#include "engine/TaskHandler.h"
#include "engine/Time.h"
#include "engine/startup/UserHooks.h"
#include "engine/Window.h"
#include "font/Font.h"
#include "gui/RootWidget.h"
#include "input/Keyboard.h"
#include "resources/AdvancedGL.h"
#include "resources/FileSystem.h"
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

bool OpenGameWindow()
{
    if (!OpenWindow(g_windowWidth, g_windowHeight, g_fullscreen == 1))
        return false;
    Stamp("] Window Created");
    StartFrames();
    SetWindowTitle("Valdmoor");
    Stamp("] Window Title Set");

    InitAdvancedGL();
    Stamp("] OpenGL Advanced Init complete");
    return true;
}

} // namespace

int EngineInit(int argument)
{
    g_startTime = WindowTimer();
    g_engineLog.Open("log_engine.html");
    LogStartLine();
    Log("[ - ] Korvex Engine startup ...");
    g_generalLog.Open("log_general.log");

    if (!InitWindowSystem())
        return Fail("GLFW initialization failed.", 1, WindowSystemError());
    Stamp("] GLFW initialization succesfull.");

    CTaskHandler::Create();
    Stamp("] Task Handler created.");

    if (FileSystemInit(argument) != 0)
        return 1;
    Stamp("] File system initialised.");

    InitClocks();
    CResourceManager::Create();
    Stamp("] Resource Manager created.");

    g_sceneRoot = new Scenegraph::IBase();
    QueueRoutineTasks();

    if (const int result = UserInit())
        return Fail("User initialization failed.", result);
    Stamp("] User initialization succesfull.");

    if (!OpenGameWindow())
        return Fail("Could not open window.", 1, WindowSystemError());

    if (const int result = Input::Keyboard::InitKeyboard())
        return Fail("Keyboard initialization failed.", result);
    Stamp("] Keyboard initialized");

    Scenegraph::g_camera.LookAt(0, 0, 15, 0, 0, 0, 0, 1, 0);
    Scenegraph::g_camera.SetOrthographic(40, 30, 10, 50);
    Stamp("] Read data");

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
    CatchStopSignals();
    if (const int result = EngineInit(0))
    {
        g_engineLog.SetLevel(Message);
        g_engineLog << "Error " << static_cast<std::int32_t>(result) << " during initialization, shutting down";
        g_engineLog.Commit();
        return result;
    }

    CTaskHandler* handler = CTaskHandler::Instance();
    handler->Start();
    int result = 0;
    try
    {
        while (handler->IsRunning())
        {
            handler->Tick();
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
