#include "program_fixture.h"

#include <filesystem>

std::string makeWorkDir(WorkDirAssets assets)
{
    std::string dir = makeTempDir();
    if (!dir.empty() && assets == WorkDirAssets::copied)
        copyAssets(dir);
    return dir;
}

::testing::AssertionResult assetsGenerated(const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        if (!std::filesystem::exists(std::filesystem::path(assetDir()) / name))
            return ::testing::AssertionFailure()
                   << "the generated asset " << name << " is missing from " << assetDir()
                   << ": the asset generator (target assets) writes it";
    return ::testing::AssertionSuccess();
}

void stopProgram(RunningProgram& program, double graceSeconds)
{
    // isRunning reaps a program that has already ended; its id is then free
    // and must not be signalled.
    if (!isRunning(program)) {
        program.pid = -1;
        return;
    }
    if (graceSeconds > 0.0) {
        terminate(program);
        waitForExit(program, graceSeconds);
    }
    killProgram(program);
}

void ProgramTest::SetUp()
{
    dir = makeWorkDir();
    ASSERT_FALSE(dir.empty()) << "no temporary working folder";
}

void ProgramTest::TearDown()
{
    stopProgram(program);
    removeTree(dir);
}

void StartedProgramTest::SetUp()
{
    ProgramTest::SetUp();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(startAndWaitForWindow());
}

::testing::AssertionResult ProgramTest::startAndWaitForWindow(const std::vector<std::string>& env,
                                                              double timeoutSeconds,
                                                              const std::vector<std::string>& args)
{
    program = startProgram(dir, env, args);
    if (waitForWindow(program, timeoutSeconds))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no window within " << timeoutSeconds << " s; standard error:\n"
                                         << readFile(program.stderrPath);
}
