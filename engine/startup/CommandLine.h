#pragma once

#include <ostream>
#include <string>
#include <vector>

// What the command line asks for. Only Play starts the game; the others are
// answered on the terminal before any log or window is opened.
enum class CommandLineAction
{
    Play,                                   // open the window and play, or review FILE
    ShowHelp,                               // --help: the usage on standard output
    ShowVersion,                            // --version: the version on standard output
    Refuse                                  // an unknown option or a second FILE
};

// The command line, read.
struct CommandLine
{
    CommandLineAction action;               // what the program does next
    std::string       file;                 // the game record to review; empty when none was given
    std::string       problem;              // why the line was refused; empty unless Refuse
};

extern std::string g_commandLineFile;       // the game record to review; empty when none was given

// Reads the arguments that follow the program's name, as GNU programs do:
// options may stand before or after FILE, the first of --help, --version or
// an unknown option decides, and "--" makes every later argument FILE.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

// Shows what a line that does not start the game asks for, help and version
// on `out`, a refusal with the usage line on `err`, and returns the exit
// code: 0, 2 for a refusal, 1 when `out` could not be written.
int AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err);
