// Where the Linux program keeps its files, and the lock that keeps a second copy out.
#include "../temp_folder.h"

#include "frontends/sdl/data_folder.h"
#include "frontends/sdl/folder_lock.h"

#include <gtest/gtest.h>

#include <fstream>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tallyrope {
namespace {

TEST(DataFolder, GivenThenPortableThenTheUsersDataHome) {
    testing::TempFolder program;
    const std::string folder = program.prefix();
    EXPECT_EQ(chooseDataFolder("/srv/games", folder, "/x", "/home/a"), "/srv/games/");
    EXPECT_EQ(chooseDataFolder("", folder, "/x/data", "/home/a"), "/x/data/tallyrope/");
    EXPECT_EQ(chooseDataFolder("", folder, nullptr, "/home/a"), "/home/a/.local/share/tallyrope/");
    EXPECT_EQ(chooseDataFolder("", folder, "relative", "/home/a"),
              "/home/a/.local/share/tallyrope/");
    std::ofstream(program.path("TRData.dat")) << "ab;c:";
    EXPECT_EQ(chooseDataFolder("", folder, "/x/data", "/home/a"), folder);
}

TEST(DataFolder, AFreshFolderGetsALanguagesShippedStoreOnlyWhenItHasNoneOfItsPuzzles) {
    testing::TempFolder shipped;
    const auto shippedFile = [&shipped](const std::string& name) { return shipped.path(name); };
    std::ofstream(shipped.path("OnLoad.dat")) << "hd";
    std::ofstream(shipped.path("OnLoad-de.dat")) << "ij";
    testing::TempFolder data;
    seedStore(data.prefix(), "en", shippedFile);
    std::ifstream seeded(data.path("OnLoad.dat"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(seeded), {}), "hd");
    seedStore(data.prefix(), "de", shippedFile);
    std::ifstream german(data.path("OnLoad-de.dat"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(german), {}), "ij");

    testing::TempFolder working;
    std::ofstream(working.path("TRData.dat")) << "ab;c:";
    std::ofstream(working.path("TRData-de.dat")) << "xy;z:";
    seedStore(working.prefix(), "en", shippedFile);
    seedStore(working.prefix(), "de", shippedFile);
    EXPECT_FALSE(std::ifstream(working.path("OnLoad.dat")).good());
    EXPECT_FALSE(std::ifstream(working.path("OnLoad-de.dat")).good());
    seedStore(working.prefix(), "es", shippedFile);
    EXPECT_FALSE(std::ifstream(working.path("OnLoad-es.dat")).good()) << "none shipped";
}

TEST(FolderLock, ASecondCopyOnTheSameFolderIsKeptOut) {
    testing::TempFolder data;
    const FolderLock first(data.prefix());
    ASSERT_TRUE(first.taken());
    EXPECT_FALSE(FolderLock(data.prefix()).taken());
    testing::TempFolder other;
    EXPECT_TRUE(FolderLock(other.prefix()).taken());
}

TEST(FolderLock, AProgramStartedWhileItIsHeldDoesNotKeepItAfterTheRun) {
    testing::TempFolder data;
    pid_t child = 0;
    {
        const FolderLock lock(data.prefix());
        ASSERT_TRUE(lock.taken());
        // As the browser that help starts goes on after the game.
        char program[] = "/bin/sleep";
        char seconds[] = "60";
        char* arguments[] = {program, seconds, nullptr};
        ASSERT_EQ(posix_spawn(&child, program, nullptr, nullptr, arguments, environ), 0);
    }
    EXPECT_TRUE(FolderLock(data.prefix()).taken());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace
} // namespace tallyrope
