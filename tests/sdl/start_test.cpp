// The program itself started as a desktop without a D-Bus session bus starts it (under Xvfb,
// over ssh -X, in a kiosk), on a display it cannot open: as an X server is while it resets.
#include "../temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace tallyrope {
namespace {

// No X server listens on this display.
const std::string closedDisplay = "DISPLAY=:999999";

class ProgramStart : public ::testing::Test {
  protected:
    // Starts the program on the data folder, taking a screenshot so that it ends even when it
    // plays unseen, with `errors` as its standard error and `own` among its environment (the
    // display, the locale); returns its wait status.
    int startWith(int errors, std::vector<std::string> own = {closedDisplay}) {
        std::vector<std::string> variables = {
            "SDL_AUDIODRIVER=dummy", "ASAN_OPTIONS=detect_leaks=0",
            "PATH=" + tools.root().string() + ":" + std::getenv("PATH")};
        variables.insert(variables.end(), own.begin(), own.end());
        const std::set<std::string> replaced = {"DISPLAY",
                                                "WAYLAND_DISPLAY",
                                                "SDL_VIDEODRIVER",
                                                "SDL_AUDIODRIVER",
                                                "ASAN_OPTIONS",
                                                "PATH",
                                                "DBUS_SESSION_BUS_ADDRESS",
                                                "XDG_RUNTIME_DIR",
                                                "LANGUAGE",
                                                "LC_ALL",
                                                "LC_MESSAGES",
                                                "LANG"};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string text = *variable;
            if (replaced.count(text.substr(0, text.find('='))) == 0) {
                variables.push_back(text);
            }
        }
        std::vector<char*> environment;
        for (std::string& variable : variables) {
            environment.push_back(variable.data());
        }
        environment.push_back(nullptr);
        std::string program = TALLYROPE_PROGRAM;
        std::string dataOption = "--data";
        std::string folder = data.prefix();
        std::string screenshotOption = "--screenshot";
        std::string screenshot = data.path("shot.png");
        char* arguments[] = {program.data(),          dataOption.data(), folder.data(),
                             screenshotOption.data(), screenshot.data(), nullptr};
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_adddup2(&files, errors, STDERR_FILENO);
        pid_t child = 0;
        EXPECT_EQ(
            posix_spawn(&child, program.c_str(), &files, nullptr, arguments, environment.data()),
            0);
        posix_spawn_file_actions_destroy(&files);
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    testing::TempFolder data;
    testing::TempFolder tools; // put before the system's on the PATH
};

TEST_F(ProgramStart, ADisplayThatCannotBeOpenedEndsTheStartWithAMessageNotAnUnseenGame) {
    // With neither a bus address nor $XDG_RUNTIME_DIR/bus, libdbus looks for a session bus by
    // starting dbus-launch, from a fork of the program.
    const std::string record = tools.path("threads");
    tools.write("dbus-launch", "#!/bin/sh\nls /proc/$PPID/task | wc -l >" + record + "\nexit 1\n");
    chmod(tools.path("dbus-launch").c_str(), 0755);
    const std::string errors = data.path("errors");
    const int errorsFile = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int status = startWith(errorsFile);
    close(errorsFile);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string told = data.read("errors").value_or("");
    EXPECT_NE(told.find("tallyrope: cannot open its windows on the display :999999"),
              std::string::npos)
        << told;
    EXPECT_FALSE(data.read("shot.png")) << "played offscreen";
    if (access("/usr/bin/dbus-launch", X_OK) == 0) {
        GTEST_SKIP() << "libdbus runs the installed dbus-launch, not ours";
    }
    // A fork of a process with more threads may stop for good before it runs dbus-launch.
    EXPECT_EQ(tools.read("threads").value_or("none"), "1\n") << "threads when libdbus forked";
}

TEST_F(ProgramStart, WithAFrenchLocaleItPlaysTheFrenchPuzzlesAndLeavesTheEnglishAlone) {
    // "\xE9t\xE9;Saison:" scrambled: the French store.
    const std::string frenchStore = "\xF0\x76\xF2\x38\x58\x6B\x64\x79\x6D\x76\x41";
    data.write("OnLoad-fr.dat", frenchStore);
    const int errors = open("/dev/null", O_WRONLY);
    const int status = startWith(errors, {"LANG=fr_FR.UTF-8"});
    close(errors);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(data.read("TRData-fr.dat").value_or("<missing>"), "Data purged...");
    EXPECT_EQ(data.read("OnLoad-fr.dat").value_or("<missing>"), frenchStore);
    EXPECT_FALSE(data.read("TRData.dat")) << "English was in play";
    EXPECT_FALSE(data.read("TRLanguage.dat")) << "the locale is no choice of the player's";
}

TEST_F(ProgramStart, AWriteToAPipeNobodyReadsDoesNotEndTheProgram) {
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    close(pipe[0]);
    const int status = startWith(pipe[1]);
    close(pipe[1]);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

} // namespace
} // namespace tallyrope
