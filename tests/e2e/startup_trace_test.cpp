#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

struct TraceLine {
    std::string phase;
    double seconds;
};

std::vector<TraceLine> traceLines(const std::string& output)
{
    std::vector<TraceLine> lines;
    std::istringstream stream(output);
    std::string line;
    while (std::getline(stream, line)) {
        std::istringstream fields(line);
        std::string tag;
        TraceLine trace;
        if (fields >> tag >> trace.phase >> trace.seconds && tag == "startup-trace")
            lines.push_back(trace);
    }
    return lines;
}

using StartupTraceTest = ProgramTest;

TEST_F(StartupTraceTest, TracedStartReportsEveryPhaseInOrderAndEndsAfterTheFirstCompleteFrame)
{
    program = startProgram(dir, {"MARIVANE_STARTUP_TRACE=1"});
    ASSERT_EQ(waitForExit(program, 60.0), 0) << readFile(program.stderrPath);

    const std::vector<TraceLine> lines = traceLines(readFile(program.stderrPath));
    const std::vector<std::string> expected = {"main", "sdl_window", "gui", "first_frame", "textures",
                                               "environment_box", "mesh", "complete_frame"};
    ASSERT_EQ(lines.size(), expected.size()) << readFile(program.stderrPath);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].phase, expected[i]);
        if (i > 0) {
            EXPECT_GE(lines[i].seconds, lines[i - 1].seconds) << lines[i].phase;
        }
    }
    EXPECT_EQ(readFile(program.stdoutPath), "");
}

TEST_F(StartupTraceTest, UntracedStartPrintsNoTraceAndKeepsRunning)
{
    ASSERT_TRUE(startAndWaitForWindow());
    settle(1.0);
    EXPECT_TRUE(isRunning(program));
    EXPECT_TRUE(traceLines(readFile(program.stderrPath)).empty());
}

}  // namespace
