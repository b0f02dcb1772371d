#include <malloc.h>

#include <iostream>
#include <string>
#include <vector>

#include "engine/startup/CommandLine.h"
#include "engine/startup/Engine.h"

namespace
{

// The renderer takes a few megabytes for each frame's commands and frees
// them when the frame is shown. The allocator handed them back to the
// system at once, over the first nine or so questions of a run, until it
// began to keep them of its own accord; each of those frames faulted them
// in again, page by page. A bounded pad at the heap's top holds one frame's
// worth from the start; what lies beyond it is still handed back, so the
// program's memory does not creep with the heap's high mark.
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
