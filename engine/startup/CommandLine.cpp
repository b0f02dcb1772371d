#include "engine/startup/CommandLine.h"

std::string g_commandLineFile;

namespace
{

const char* const kUsage = "Usage: valdmoor [OPTION]... [FILE]\n";

const char* const kHelp =
    "Play Valdmoor, a board and card game for two with a shared king, in a\n"
    "window of its own. FILE is a game record to review.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "The keys, the files and the exit codes: man valdmoor\n";

CommandLine Refusal(const std::string& problem)
{
    return CommandLine{CommandLineAction::Refuse, "", problem};
}

bool IsOption(const std::string& argument)
{
    // A lone "-" names a file, as it does for every GNU program.
    return argument.size() > 1 && argument[0] == '-';
}

} // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& arguments)
{
    std::vector<std::string> files;
    bool                     optionsEnded = false;
    for (const std::string& argument : arguments)
    {
        if (optionsEnded || !IsOption(argument))
            files.push_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "-h" || argument == "--help")
            return CommandLine{CommandLineAction::ShowHelp, "", ""};
        else if (argument == "--version")
            return CommandLine{CommandLineAction::ShowVersion, "", ""};
        else
            return Refusal("unknown option '" + argument + "'");
    }
    if (files.size() > 1)
        return Refusal("extra operand '" + files[1] + "'");
    return CommandLine{CommandLineAction::Play, files.empty() ? "" : files[0], ""};
}

int AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    switch (line.action)
    {
    case CommandLineAction::Play:
        return 0;
    case CommandLineAction::ShowHelp:
        out << kUsage << kHelp;
        break;
    case CommandLineAction::ShowVersion:
        out << "Valdmoor " VALDMOOR_VERSION "\n"
               "Copyright (c) 2026 The Valdmoor developers, under the MIT licence.\n";
        break;
    case CommandLineAction::Refuse:
        err << "valdmoor: " << line.problem << "\n" << kUsage << "Try 'valdmoor --help' for more information.\n";
        return 2;
    }
    // A full disc or a closed pipe is worth saying: the person sees no help.
    if (!out.flush())
    {
        err << "valdmoor: cannot write to standard output\n";
        return 1;
    }
    return 0;
}
