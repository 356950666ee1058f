// The set-up every end-to-end test shares: a temporary working folder with a
// copy of the generated assets, the real program started there, and on
// tear-down the program ended and the folder removed.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_runner.h"

enum class WorkDirAssets { copied, none };

// A fresh temporary folder, with the generated assets copied in unless asked
// otherwise; empty when no folder could be made.
std::string makeWorkDir(WorkDirAssets assets = WorkDirAssets::copied);

// Whether the asset generator has written each of these files.
::testing::AssertionResult assetsGenerated(const std::vector<std::string>& names);

// Ends the program if it still runs: SIGTERM, then SIGKILL once graceSeconds
// have passed without an exit. Always leaves no child behind.
void stopProgram(RunningProgram& program, double graceSeconds = 5.0);

// SetUp makes `dir`; the test (or a derived SetUp) starts `program` in it.
// Derive with ::testing::WithParamInterface for parameterised suites.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program in `dir` with extra environment entries and
    // command-line arguments (see startProgram) and waits for its window. A failure carries what the
    // program wrote to standard error.
    ::testing::AssertionResult startAndWaitForWindow(const std::vector<std::string>& env = {},
                                                     double timeoutSeconds = 20.0,
                                                     const std::vector<std::string>& args = {});

    std::string dir;
    RunningProgram program;
};

// The same, with the program started and its window up before each test.
class StartedProgramTest : public ProgramTest {
protected:
    void SetUp() override;
};
