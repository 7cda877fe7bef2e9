// The program itself started as a desktop without a D-Bus session bus starts it (under Xvfb,
// over ssh -X, in a kiosk), on a display it cannot open: as an X server is while it resets.
#include "../temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/file.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <utility>
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
        int status = 0;
        waitpid(spawn(errors, own, data.prefix()), &status, 0);
        return status;
    }

    // The same on data folder `folder`, not waited for.
    pid_t spawn(int errors, const std::vector<std::string>& own, std::string folder) {
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
        return child;
    }

    // What the program wrote on its standard error when started with `own` on `folder`, and
    // its exit code; -1 when it ended otherwise.
    std::pair<std::string, int> told(const std::vector<std::string>& own,
                                     const std::string& folder) {
        const std::string errors = data.path("errors");
        const int errorsFile = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int status = 0;
        waitpid(spawn(errorsFile, own, folder), &status, 0);
        close(errorsFile);
        return {data.read("errors").value_or(""), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
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

// Holds the folder lock of a running copy.
class RunningCopy {
  public:
    explicit RunningCopy(const std::string& folder)
        : descriptor_(open(folder.c_str(), O_RDONLY | O_DIRECTORY)) {
        EXPECT_EQ(flock(descriptor_, LOCK_EX | LOCK_NB), 0);
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;
    ~RunningCopy() { close(descriptor_); }

  private:
    int descriptor_;
};

// Whether `child` ends within a few seconds; it is killed when it does not.
bool endsSoon(pid_t child, int& status) {
    for (int tries = 0; tries < 100; ++tries) {
        if (waitpid(child, &status, WNOHANG) == child) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return false;
}

// Whether process `pid`, not a child of this one, ends within a few seconds; it is killed when
// it does not. A zombie has ended.
bool gone(pid_t pid) {
    for (int tries = 0; tries < 100; ++tries) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string field;
        char state = 'Z';
        if (!(stat >> field >> field >> state) || state == 'Z') {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    return false;
}

TEST_F(ProgramStart, WithoutADisplayTheStartsMessagesArePrinted) {
    const RunningCopy running(data.prefix());
    EXPECT_EQ(told({}, data.prefix()),
              std::make_pair(
                  "Tallyrope is already running from this folder:\n" + data.prefix() + "\n", 0));
    data.write("file", "");
    const std::string underAFile = data.path("file") + "/games/";
    EXPECT_EQ(told({}, underAFile),
              std::make_pair("Tallyrope cannot make its folder " + underAFile + "\n", 1));
    // In the desktop's language, in UTF-8.
    EXPECT_EQ(told({"LANG=es_ES.UTF-8"}, data.prefix()),
              std::make_pair("Tallyrope ya se est\u00e1 ejecutando desde esta carpeta:\n" +
                                 data.prefix() + "\n",
                             0));
}

TEST_F(ProgramStart, AWaylandSessionWithoutXIsADisplayNotAnUnseenGame) {
    const auto [errors, code] = told({"WAYLAND_DISPLAY=tallyrope-none"}, data.prefix());
    EXPECT_EQ(code, 1);
    EXPECT_NE(errors.find("cannot open its windows on the display tallyrope-none"),
              std::string::npos)
        << errors;
    EXPECT_FALSE(data.read("shot.png")) << "played offscreen";
    // In the desktop's language.
    const std::string spanish =
        told({"WAYLAND_DISPLAY=tallyrope-none", "LANG=es_ES.UTF-8"}, data.prefix()).first;
    EXPECT_NE(spanish.find("no puede abrir sus ventanas en la pantalla tallyrope-none"),
              std::string::npos)
        << spanish;
}

TEST_F(ProgramStart, TheAlreadyRunningBoxShowsOnTheDisplayAndEndsAtCtrlCOrAKill) {
    std::ifstream displayFile(TALLYROPE_TEST_DISPLAY);
    std::string display;
    ASSERT_TRUE(std::getline(displayFile, display)) << "no test display";
    const RunningCopy running(data.prefix());
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const int errors = open(data.path("errors").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const pid_t child = spawn(errors, {"DISPLAY=" + display}, data.prefix());
        close(errors);
        // Printed and ended at once were there no box.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, WNOHANG), 0) << "no box waits for the player";
        EXPECT_EQ(data.read("errors").value_or(""), "");
        // The box, drawn by a process of the program's own, goes with it.
        std::ifstream childrenFile("/proc/" + std::to_string(child) + "/task/" +
                                   std::to_string(child) + "/children");
        std::vector<pid_t> box;
        for (pid_t pid = 0; childrenFile >> pid;) {
            box.push_back(pid);
        }
        kill(child, signal);
        ASSERT_TRUE(endsSoon(child, status));
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        for (pid_t pid : box) {
            EXPECT_TRUE(gone(pid)) << "the box's process " << pid << " stays";
        }
    }
}

} // namespace
} // namespace tallyrope
