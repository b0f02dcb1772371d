#include "engine/startup/Engine.h"

// The arguments are not used: the game has no command line.
int main()
{
    return RunEngine();
}
