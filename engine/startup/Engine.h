#pragma once

namespace Scenegraph
{
class IBase;
}

extern Scenegraph::IBase* g_sceneRoot;      // owned; made by EngineInit, deleted by EngineShutdown

int  EngineInit(int argument);              // 0, or the number of the step that failed
void EngineShutdown();                      // tears everything down in order, logging each step

// The whole life of the program: start-up, the main loop, shutdown. Returns
// the process's exit code.
int RunEngine();
