#include "engine/startup/SystemReport.h"
#include "engine/Task.h"
#include "engine/startup/UserHooks.h"
#include "engine/Window.h"
#include "game/MenuBuilder.h"

namespace
{

typedef Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, void (*)()> StartTask;

} // namespace

// Both tasks go to the front of the queue, so the one queued last, the menu
// builder, runs first, and the report on the tick after it.
int UserInit()
{
    g_fullscreen = 0;
    g_windowWidth = 600;
    g_windowHeight = 480;
    Tasks::Queue<StartTask>(WriteSystemReport);
    Tasks::Queue<StartTask>(BuildMenus);
    return 0;
}

void UserDeInit()
{
}
