// One running copy per program folder.
#include "frontends/win32/program_folder.h"
#include "frontends/win32/single_copy.h"
#include "game_copy.h"
#include "ui/control_ids.h"
#include "waiting.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tallyrope::testing {
namespace {

struct FileState {
    std::string bytes;
    std::filesystem::file_time_type written;
    bool operator==(const FileState& other) const {
        return bytes == other.bytes && written == other.written;
    }
};

std::map<std::string, FileState> filesOf(const GameCopy& game) {
    std::map<std::string, FileState> files;
    for (const auto& entry : std::filesystem::directory_iterator(game.folder())) {
        files[entry.path().filename().string()] = {game.file(entry.path().filename().string()),
                                                   entry.last_write_time()};
    }
    return files;
}

DWORD endOf(HANDLE process) {
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process, answerTimeout) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
    } else {
        GetExitCodeProcess(process, &exitCode);
    }
    CloseHandle(process);
    return exitCode;
}

TEST(SingleCopy, ASecondStartLeavesTheFilesAndBringsTheFirstForward) {
    GameCopy game;
    ASSERT_TRUE(game.start());
    game.press(id::hMinimize);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(game.window(Window::Main)) != FALSE; }));
    const auto before = filesOf(game);
    EXPECT_EQ(endOf(game.startAnother()), 0u);
    EXPECT_TRUE(filesOf(game) == before);
    EXPECT_TRUE(waitUntil([&] { return IsIconic(game.window(Window::Main)) == FALSE; }));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == game.window(Window::Main); }));
    EXPECT_TRUE(game.running());
}

TEST(SingleCopy, CopiesInDifferentFoldersRunSideBySide) {
    GameCopy first;
    GameCopy second;
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(second.running());
}

TEST(FolderMutexName, NamesEachFolderIgnoringCaseWithoutBackslashes) {
    const std::string name = folderMutexName("C:\\Games\\Tallyrope\\");
    EXPECT_EQ(name.rfind("Local\\", 0), 0u);
    EXPECT_EQ(name.find('\\', 6), std::string::npos);
    EXPECT_EQ(folderMutexName("c:\\GAMES\\tallyrope\\"), name);
    EXPECT_NE(folderMutexName("C:\\Games\\Tallyrope2\\"), name);
    EXPECT_NE(folderMutexName("C:\\Games\\"), name);
}

TEST(FolderMutexName, LongFoldersStillFitAndStayApart) {
    const std::string deep = "C:\\" + std::string(240, 'a') + "\\";
    const std::string other = "C:\\b" + std::string(239, 'a') + "\\";
    EXPECT_LT(folderMutexName(deep).size(), static_cast<std::size_t>(MAX_PATH));
    EXPECT_NE(folderMutexName(deep), folderMutexName(other));
    EXPECT_EQ(folderMutexName(deep).find('\\', 6), std::string::npos);
}

TEST(FolderOf, KeepsTheFolderWithItsBackslash) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\Tallyrope\\tallyrope.exe", "C:\\Games\\Tallyrope\\"},
        {"C:\\tallyrope.exe", "C:\\"},
        {"tallyrope.exe", ""},
        {"", ""},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(folderOf(path), folder) << path;
    }
}

} // namespace
} // namespace tallyrope::testing
