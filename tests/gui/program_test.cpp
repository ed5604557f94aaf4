// The desktop program itself, run as a child process: closing its main window
// while the eleven start-up loaders retry against an unreachable catalogue
// ends the process at once with exit code 0; a demo run picks a quote and
// leaves a picture of the window.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "db/catalogue_test_server.h"
#include "support/file_bytes.h"
#include "support/http_test_server.h"

extern char** environ;

namespace quotexa::gui_test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct ProgramRun {
    std::optional<int> exitCode;  // nullopt: did not end by itself, or ended by a signal
    Clock::duration elapsed{};    // from its start to its end
    // From its start to when its error output first held the mark, if ever.
    std::optional<Clock::duration> markSeen;
    std::string errorOutput;
};

const std::string kClosingMark = "quotexa: closing the main window";

std::string FileText(const std::string& path) {
    return test_support::ReadFileBytes(path);
}

// Runs the program with extra environment variables, its error output in a
// file that is watched for the mark; kills it if it has not ended within the bound.
ProgramRun RunProgram(const std::vector<std::string>& extraEnvironment, Clock::duration bound,
                      const std::string& mark = kClosingMark) {
    std::vector<std::string> environment(extraEnvironment);
    for (char** variable = environ; *variable != nullptr; ++variable) {
        environment.emplace_back(*variable);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    const std::string errorFile = (std::filesystem::temp_directory_path() /
                                   ("quotexa-run-" + std::to_string(getpid()) + ".err"))
                                      .string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    char program[] = QUOTEXA_PROGRAM;
    char* argv[] = {program, nullptr};

    ProgramRun run;
    const Clock::time_point started = Clock::now();
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.errorOutput = "could not start " + std::string(program);
        return run;
    }
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (!run.markSeen && FileText(errorFile).find(mark) != std::string::npos) {
            run.markSeen = Clock::now() - started;
        }
        if (Clock::now() - started > bound) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.elapsed = Clock::now() - started;
            run.errorOutput = "killed after the bound";
            return run;
        }
        std::this_thread::sleep_for(5ms);
    }
    run.elapsed = Clock::now() - started;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.errorOutput = FileText(errorFile);
    if (!run.markSeen && run.errorOutput.find(mark) != std::string::npos)
        run.markSeen = run.elapsed;
    std::filesystem::remove(errorFile);
    return run;
}

struct UnreachableCase {
    const char* name;
    int port;
};

TEST(ProgramShutdown, ClosingTheMainWindowWhileLoadersRetryEndsTheProcessAtOnce) {
    constexpr auto kCloseAfter = 1000ms;
    constexpr auto kBound = 10s;
    // A port that refuses at once, and one whose connections never complete.
    test_support::RefusingPort refusing;
    test_support::NeverConnectingPort silent;
    const std::vector<UnreachableCase> cases = {
        {"refusing port", refusing.Port()},
        {"port that never answers", silent.Port()},
    };
    for (const UnreachableCase& unreachable : cases) {
        SCOPED_TRACE(unreachable.name);
        const ProgramRun run =
            RunProgram({"QUOTEXA_CATALOGUE_PORT=" + std::to_string(unreachable.port),
                        "QUOTEXA_CLOSE_AFTER_MS=" + std::to_string(kCloseAfter.count())},
                       kBound + 20s);
        ASSERT_TRUE(run.markSeen.has_value()) << "the window was never closed: " << run.errorOutput;
        const auto ms = [](Clock::duration duration) {
            return std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
        };
        std::cout << "[ figure   ] " << unreachable.name << ": the process ended "
                  << ms(run.elapsed - *run.markSeen) << " ms after its main window was closed ("
                  << ms(run.elapsed) << " ms after it started)\n";
        EXPECT_EQ(run.exitCode, 0) << run.errorOutput;
        EXPECT_LT(run.elapsed - *run.markSeen, kBound) << run.errorOutput;
        EXPECT_EQ(run.errorOutput.find("Dead lock detected"), std::string::npos) << run.errorOutput;
        EXPECT_EQ(run.errorOutput.find("Sanitizer"), std::string::npos) << run.errorOutput;
    }
}

using DemoRun = test_support::CatalogueServerTest;

TEST_F(DemoRun, PicksAQuoteAndSavesAPictureOfTheWindowOnceTheListsHaveLoaded) {
    const std::filesystem::path picture =
        std::filesystem::temp_directory_path() /
        ("quotexa-screenshot-" + std::to_string(getpid()) + ".png");
    const ProgramRun run = RunProgram({"QUOTEXA_CATALOGUE_PORT=" + std::to_string(server().port),
                                       "QUOTEXA_SCREENSHOT=" + picture.string(),
                                       "QUOTEXA_SCREENSHOT_DELAY_MS=0", "QUOTEXA_DEMO_PICKS=1"},
                                      90s);
    EXPECT_EQ(run.exitCode, 0) << run.errorOutput;
    const QImage saved(QString::fromStdString(picture.string()));
    std::filesystem::remove(picture);
    ASSERT_FALSE(saved.isNull()) << run.errorOutput;
    EXPECT_EQ(saved.size(), QSize(792, 550));
    // Nothing was waited for in vain: the lists loaded and the picks went through.
    EXPECT_EQ(run.errorOutput.find("in vain"), std::string::npos) << run.errorOutput;
}

}  // namespace
}  // namespace quotexa::gui_test
