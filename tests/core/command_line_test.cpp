// The command line against the state it starts the program in, or the one
// line on standard error and exit status 2 for what it cannot take.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "program_runner.h"

namespace {

CommandLine readArguments(const std::vector<std::string>& arguments)
{
    std::vector<std::string> copies{"marivane"};
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& copy : copies)
        argv.push_back(copy.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStdout();
    CommandLine line = readCommandLine(static_cast<int>(copies.size()), argv.data());
    const std::string printed = testing::internal::GetCapturedStdout();
    if (line.action != CommandLineAction::printed) {
        EXPECT_EQ(printed, "") << "only --help and --version print";
    }
    return line;
}

std::string joined(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments)
        text += (text.empty() ? "" : " ") + argument;
    return text;
}

struct Accepted {
    std::vector<std::string> arguments;
    int model;
    bool depthGiven;
    float depth;
    bool torch;
    bool chart;
    bool fullScreen;
};

TEST(CommandLine, StartsInTheStateTheOptionsAskFor)
{
    const Accepted table[] = {
        {{}, 0, false, 0.0f, false, false, false},
        {{"--water=clear"}, 1, false, 0.0f, false, false, false},
        {{"--water", "coastal"}, 3, false, 0.0f, false, false, false},
        {{"--water=open", "--water=simple"}, 0, false, 0.0f, false, false, false},
        {{"--depth=50"}, 0, true, 50.0f, false, false, false},
        {{"--depth", "10"}, 0, true, 10.0f, false, false, false},
        // The range is the model's, whichever option comes first.
        {{"--depth=1", "--water=clear"}, 1, true, 1.0f, false, false, false},
        {{"--water=coastal", "--depth=30.5"}, 3, true, 30.5f, false, false, false},
        {{"--torch"}, 0, false, 0.0f, true, false, false},
        {{"--water=open", "--depth", "90", "--torch", "--chart", "--fullscreen"}, 2, true, 90.0f, true, true, true},
    };
    for (const Accepted& row : table) {
        const CommandLine line = readArguments(row.arguments);
        const std::string args = joined(row.arguments);
        ASSERT_EQ(line.action, CommandLineAction::run) << args << ": " << line.problem;
        EXPECT_EQ(line.start.colourModel, row.model) << args;
        EXPECT_EQ(line.start.depthGiven, row.depthGiven) << args;
        if (row.depthGiven) {
            EXPECT_EQ(line.start.depth, row.depth) << args;
        }
        EXPECT_EQ(line.start.torchOn, row.torch) << args;
        EXPECT_EQ(line.start.chartShown, row.chart) << args;
        EXPECT_EQ(line.start.fullScreen, row.fullScreen) << args;
    }
}

struct Refused {
    std::vector<std::string> arguments;
    const char* named;  // what the message must quote back
};

TEST(CommandLine, RefusesWhatItCannotTakeInOneLineThatPointsToHelp)
{
    const Refused table[] = {
        {{"--bogus"}, "'--bogus'"},
        {{"--water=clear", "-x"}, "'-x'"},
        {{"clear"}, "'clear'"},
        {{"--water=murky"}, "'murky'"},
        {{"--water=Clear"}, "'Clear'"},
        {{"--water="}, "''"},
        {{"--water"}, "--water"},
        {{"--depth"}, "--depth"},
        {{"--depth=abc"}, "'abc'"},
        {{"--depth=50m"}, "'50m'"},
        {{"--depth=nan"}, "'nan'"},
        {{"--depth=inf"}, "'inf'"},
        {{"--depth=91"}, "'91'"},
        // Under the simple rule the depths start at 10.
        {{"--depth=5"}, "'5'"},
        {{"--depth=0", "--water=clear"}, "'0'"},
        {{"--torch=yes"}, "'yes'"},
        {{"--fullscreen=1"}, "'1'"},
    };
    for (const Refused& row : table) {
        const CommandLine line = readArguments(row.arguments);
        const std::string args = joined(row.arguments);
        ASSERT_EQ(line.action, CommandLineAction::misuse) << args;
        EXPECT_NE(line.problem.find(row.named), std::string::npos) << args << ": " << line.problem;
        EXPECT_NE(line.problem.find("--help"), std::string::npos) << args << ": " << line.problem;
        EXPECT_EQ(line.problem.find('\n'), std::string::npos) << args << ": " << line.problem;
    }
}

TEST(CommandLine, HelpWinsOverAnythingElseOnTheLine)
{
    EXPECT_EQ(readArguments({"--bogus", "--help"}).action, CommandLineAction::printed);
    EXPECT_EQ(readArguments({"--depth=500", "--version"}).action, CommandLineAction::printed);
}

// The program itself: status 2, the one line on standard error, nothing on
// standard output and no window (it never gets as far as the display).
TEST(CommandLine, TheProgramExitsWithStatusTwoAndOneLine)
{
    const std::string dir = makeTempDir();
    const int status = runCommand("cd '" + dir + "' && DISPLAY= '" + programPath() +
                                  "' --water=murky >out.txt 2>err.txt");
    EXPECT_EQ(status, 2);
    EXPECT_EQ(readFile(dir + "/out.txt"), "");
    const std::vector<std::string> lines = linesOf(readFile(dir + "/err.txt"));
    ASSERT_EQ(lines.size(), 1u) << readFile(dir + "/err.txt");
    EXPECT_NE(lines[0].find("'murky'"), std::string::npos) << lines[0];
    removeTree(dir);
}

}  // namespace
