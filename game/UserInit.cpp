#include "engine/startup/SystemReport.h"
#include "engine/Task.h"
#include "engine/startup/UserHooks.h"
#include "engine/Window.h"
#include "game/MenuBuilder.h"
#include "game/PlayerFiles.h"
#include "game/Settings.h"

namespace
{

typedef Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, void (*)()> StartTask;

const char* const kSettingsName = "/settings.conf";

} // namespace

// Both tasks go to the front of the queue, so the one queued last, the menu
// builder, runs first, and the report on the tick after it. The window opens
// as it was left at the end of the last run.
int UserInit()
{
    g_fullscreen = 0;
    g_windowWidth = 600;
    g_windowHeight = 480;
    const std::string folder = PlayerFolderPath(ConfigFolder);
    if (!folder.empty())
        g_settings.Load(folder + kSettingsName);
    g_fullscreen = g_settings.m_fullScreen ? 1 : 0;
    g_windowOpenWidth = g_settings.m_windowWidth;
    g_windowOpenHeight = g_settings.m_windowHeight;
    Tasks::Queue<StartTask>(WriteSystemReport);
    Tasks::Queue<StartTask>(BuildMenus);
    return 0;
}

// Runs while the window still exists, so its last shape can be kept.
void UserDeInit()
{
    int width = 0;
    int height = 0;
    bool fullscreen = false;
    if (!GetWindowShape(width, height, fullscreen))
        return;
    g_settings.m_windowWidth = width;
    g_settings.m_windowHeight = height;
    g_settings.m_fullScreen = fullscreen;
    std::string error;
    if (!g_settings.Save(error))
        LogFileTrouble(g_settings.m_path, "could not save the settings (" + error + ")");
}
