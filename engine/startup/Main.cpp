#include <iostream>
#include <string>
#include <vector>

#include "engine/startup/CommandLine.h"
#include "engine/startup/Engine.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argc > 1 ? argv + 1 : argv, argc > 1 ? argv + argc : argv);
    const CommandLine              line = ReadCommandLine(arguments);
    if (line.action != CommandLineAction::Play)
        return AnswerCommandLine(line, std::cout, std::cerr);
    g_commandLineFile = line.file;
    return RunEngine();
}
