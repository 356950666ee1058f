// The command line: the informational options, and the options that start
// the program in the state a lesson begins with. Every option is read here
// and nowhere else.
#pragma once

#include <string>

// Where the program starts, as the options ask; the defaults are the
// program's own start.
struct StartingState {
    int colourModel = 0;
    bool depthGiven = false;
    float depth = 0.0f;  // within the model's depths when given
    bool torchOn = false;
    bool chartShown = false;
    bool fullScreen = false;
};

enum class CommandLineAction {
    run,      // start the program in `start`
    printed,  // help or version went to standard output: exit 0
    misuse,   // `problem` goes to standard error: exit 2, no window
};

struct CommandLine {
    CommandLineAction action = CommandLineAction::run;
    StartingState start;
    std::string problem;  // one line, without its line feed
};

// Reads every argument. -h, --help and --version are answered on standard
// output wherever they stand (the first one found wins); otherwise the first
// unknown option, stray argument or bad value is the problem.
CommandLine readCommandLine(int argc, char** argv);

// Prints the usage text for -h or --help, or the version for --version, on
// standard output and returns true when one of them is among the arguments
// (the first one found wins); returns false otherwise, having printed nothing.
bool printInformationRequested(int argc, char** argv);
