#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/startup/CommandLine.h"

namespace
{

typedef std::vector<std::string> Arguments;

const std::string kUsage = "Usage: valdmoor [OPTION]... [FILE]\n";
const std::string kRefusalEnd = kUsage + "Try 'valdmoor --help' for more information.\n";

} // namespace

// Options are read wherever they stand, in order, before the files are
// counted: the first option that answers decides; after "--" every argument
// is a file.
TEST(CommandLineTest, TheFirstAnsweringOptionDecidesAndAfterDoubleDashEveryArgumentIsAFile)
{
    const struct { Arguments arguments; CommandLineAction action; std::string file; } lines[] = {
        {{}, CommandLineAction::Play, ""},
        {{"games/first.txt"}, CommandLineAction::Play, "games/first.txt"},
        {{"--", "games/first.txt"}, CommandLineAction::Play, "games/first.txt"},
        {{"-"}, CommandLineAction::Play, "-"},
        {{"--", "--help"}, CommandLineAction::Play, "--help"},
        {{"first.txt", "--version"}, CommandLineAction::ShowVersion, ""},
        {{"first.txt", "second.txt", "--help"}, CommandLineAction::ShowHelp, ""},
        {{"--help", "--bogus"}, CommandLineAction::ShowHelp, ""},
        {{"--bogus", "--help"}, CommandLineAction::Refuse, ""},
    };
    for (const auto& line : lines)
    {
        const CommandLine read = ReadCommandLine(line.arguments);
        EXPECT_EQ(read.action, line.action) << ::testing::PrintToString(line.arguments);
        if (line.action == CommandLineAction::Play)
        {
            EXPECT_EQ(read.file, line.file);
        }
    }
}

// The end-to-end tests ask the real program and its launcher, but do not read
// the help word for word.
TEST(CommandLineTest, AnswersGoToTheirStreamWithTheirExitCode)
{
    const std::string help = kUsage +
                             "Play Valdmoor, a board and card game for two with a shared king, in a\n"
                             "window of its own. FILE is a game record to review.\n"
                             "\n"
                             "  -h, --help     show this help and exit\n"
                             "      --version  show the version and exit\n"
                             "\n"
                             "The keys, the files and the exit codes: man valdmoor\n";
    const std::string version = "Valdmoor 1.0\nCopyright (c) 2026 The Valdmoor developers, under the MIT licence.\n";
    const struct { Arguments arguments; int code; std::string out, err; } answers[] = {
        {{"--help"}, 0, help, ""},
        {{"-h"}, 0, help, ""},
        {{"--version"}, 0, version, ""},
        {{"--bogus"}, 2, "", "valdmoor: unknown option '--bogus'\n" + kRefusalEnd},
        {{"-v"}, 2, "", "valdmoor: unknown option '-v'\n" + kRefusalEnd},
        {{"--help=all"}, 2, "", "valdmoor: unknown option '--help=all'\n" + kRefusalEnd},
        {{"first.txt", "second.txt"}, 2, "", "valdmoor: extra operand 'second.txt'\n" + kRefusalEnd},
        {{"--", "-x", "--version"}, 2, "", "valdmoor: extra operand '--version'\n" + kRefusalEnd},
    };
    for (const auto& answer : answers)
    {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(AnswerCommandLine(ReadCommandLine(answer.arguments), out, err), answer.code)
            << ::testing::PrintToString(answer.arguments);
        EXPECT_EQ(out.str(), answer.out);
        EXPECT_EQ(err.str(), answer.err);
    }

    std::ostringstream unwritable;
    std::ostringstream err;
    unwritable.setstate(std::ios::badbit);
    EXPECT_EQ(AnswerCommandLine(ReadCommandLine({"--help"}), unwritable, err), 1);
    EXPECT_EQ(err.str(), "valdmoor: cannot write to standard output\n");
}
