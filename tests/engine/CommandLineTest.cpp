#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/startup/CommandLine.h"

namespace
{

struct Answer
{
    int         code;                       // the exit code
    std::string out;                        // what went to standard output
    std::string err;                        // what went to standard error
};

Answer AnswerTo(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int          code = AnswerCommandLine(ReadCommandLine(arguments), out, err);
    return Answer{code, out.str(), err.str()};
}

const std::string kRefusalEnd = "Usage: valdmoor [OPTION]... [FILE]\nTry 'valdmoor --help' for more information.\n";

} // namespace

TEST(CommandLineTest, NoArgumentPlaysWithoutARecord)
{
    const CommandLine line = ReadCommandLine({});
    EXPECT_EQ(line.action, CommandLineAction::Play);
    EXPECT_EQ(line.file, "");
}

TEST(CommandLineTest, OneFileIsTheRecordToReview)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"games/first.txt"}, {"--", "games/first.txt"}})
    {
        const CommandLine line = ReadCommandLine(arguments);
        EXPECT_EQ(line.action, CommandLineAction::Play);
        EXPECT_EQ(line.file, "games/first.txt");
    }
    EXPECT_EQ(ReadCommandLine({"-"}).file, "-");
}

TEST(CommandLineTest, DoubleDashMakesEveryLaterArgumentAFile)
{
    EXPECT_EQ(ReadCommandLine({"--", "--help"}).file, "--help");
    EXPECT_EQ(AnswerTo({"--", "-x", "--version"}).err, "valdmoor: extra operand '--version'\n" + kRefusalEnd);
}

TEST(CommandLineTest, HelpGoesToStandardOutputWithZero)
{
    const std::string help = "Usage: valdmoor [OPTION]... [FILE]\n"
                             "Play Valdmoor, a board and card game for two with a shared king, in a\n"
                             "window of its own. FILE is a game record to review.\n"
                             "\n"
                             "  -h, --help     show this help and exit\n"
                             "      --version  show the version and exit\n"
                             "\n"
                             "The keys, the files and the exit codes: man valdmoor\n";
    for (const char* option : {"--help", "-h"})
    {
        const Answer answer = AnswerTo({option});
        EXPECT_EQ(answer.code, 0);
        EXPECT_EQ(answer.out, help);
        EXPECT_EQ(answer.err, "");
    }
}

TEST(CommandLineTest, VersionIsTheProjectsOnStandardOutputWithZero)
{
    const Answer answer = AnswerTo({"--version"});
    EXPECT_EQ(answer.code, 0);
    EXPECT_EQ(answer.out, "Valdmoor 1.0\nCopyright (c) 2026 The Valdmoor developers, under the MIT licence.\n");
    EXPECT_EQ(answer.err, "");
}

TEST(CommandLineTest, UsageErrorsGoToStandardErrorWithTwo)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
        {{"--bogus"}, "valdmoor: unknown option '--bogus'\n"},
        {{"-v"}, "valdmoor: unknown option '-v'\n"},
        {{"--help=all"}, "valdmoor: unknown option '--help=all'\n"},
        {{"first.txt", "second.txt"}, "valdmoor: extra operand 'second.txt'\n"},
    };
    for (const auto& [arguments, first] : refusals)
    {
        const Answer answer = AnswerTo(arguments);
        EXPECT_EQ(answer.code, 2);
        EXPECT_EQ(answer.out, "");
        EXPECT_EQ(answer.err, first + kRefusalEnd);
    }
}

// Options are read wherever they stand, in order, before the files are
// counted: the first option that answers decides.
TEST(CommandLineTest, FirstAnsweringOptionDecides)
{
    EXPECT_EQ(ReadCommandLine({"first.txt", "--version"}).action, CommandLineAction::ShowVersion);
    EXPECT_EQ(ReadCommandLine({"first.txt", "second.txt", "--help"}).action, CommandLineAction::ShowHelp);
    EXPECT_EQ(ReadCommandLine({"--help", "--bogus"}).action, CommandLineAction::ShowHelp);
    EXPECT_EQ(ReadCommandLine({"--bogus", "--help"}).action, CommandLineAction::Refuse);
}

TEST(CommandLineTest, UnwritableOutputIsAFailure)
{
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(AnswerCommandLine(ReadCommandLine({"--help"}), out, err), 1);
    EXPECT_EQ(err.str(), "valdmoor: cannot write to standard output\n");
}
