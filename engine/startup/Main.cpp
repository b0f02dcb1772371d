#include <malloc.h>

#include <iostream>
#include <string>
#include <vector>

#include "engine/startup/CommandLine.h"
#include "engine/startup/Engine.h"

namespace
{

// The renderer takes and frees memory for each frame's commands and
// vertices. Kept by the allocator instead of handed back to the system at
// each free, that memory is not faulted in again, page by page, in every
// frame, and the other processor is not interrupted to forget its mappings:
// a few megabytes held at the peak, for each frame shown sooner.
const int kKeptFreeBytes   = 64 << 20;      // freed at the heap's top before it shrinks
const int kLargestHeapAsk  = 32 << 20;      // asked of the heap rather than mapped on its own

void KeepFreedMemory()
{
    mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
    mallopt(M_MMAP_THRESHOLD, kLargestHeapAsk);
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedMemory();
    const std::vector<std::string> arguments(argc > 1 ? argv + 1 : argv, argc > 1 ? argv + argc : argv);
    const CommandLine              line = ReadCommandLine(arguments);
    if (line.action != CommandLineAction::Play)
        return AnswerCommandLine(line, std::cout, std::cerr);
    g_commandLineFile = line.file;
    return RunEngine();
}
