#include <malloc.h>

#include <iostream>
#include <string>
#include <vector>

#include "engine/startup/CommandLine.h"
#include "engine/startup/Engine.h"

namespace
{

// The renderer takes a few megabytes for each frame's commands and frees
// them when the frame is shown. Handed back to the system at once, they
// were faulted in again, page by page, in the next frame, some 700 faults
// for each question opened and closed. A bounded pad at the heap's top
// holds one frame's worth instead; what lies beyond it is still handed
// back, so the program's memory does not creep with the heap's high mark.
const int kHeapTopPadBytes = 4 << 20;

} // namespace

int main(int argc, char** argv)
{
    mallopt(M_TOP_PAD, kHeapTopPadBytes);
    const std::vector<std::string> arguments(argc > 1 ? argv + 1 : argv, argc > 1 ? argv + argc : argv);
    const CommandLine              line = ReadCommandLine(arguments);
    if (line.action != CommandLineAction::Play)
        return AnswerCommandLine(line, std::cout, std::cerr);
    g_commandLineFile = line.file;
    return RunEngine();
}
