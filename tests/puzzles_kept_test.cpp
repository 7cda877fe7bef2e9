// Runs one after another over the same folder: what the console, a quit or a run's sudden end
// does to the puzzles must leave every record readable at the next start.
#include "test_support.h"

#include "app/routing.h"
#include "app/start_up.h"
#include "storage/puzzle_store.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <memory>

namespace tallyrope {
namespace {

using test::readBytes;
using test::writeBytes;

class NoWindows final : public WindowMaker {
  public:
    bool createWindows() override { return true; }
    void showMainWindow() override {}
};

class Runs : public ::testing::Test {
  protected:
    struct Run {
        explicit Run(const Paths& paths) : session(ui, random, paths) {}
        RecordingUi ui;
        test::FixedRandom random;
        Session session;
    };

    Runs() : paths(Paths::inFolder(folder.prefix())) {
        writeBytes(paths.TimerFile, "Disable_Console= 0\nDisable_VCCntls= 0\n");
    }

    // A run as a front end starts it, with the console open.
    Run& start() {
        run = std::make_unique<Run>(paths);
        NoWindows windows;
        EXPECT_TRUE(startUp(run->session, windows));
        press(id::hConsole);
        return *run;
    }
    void press(int id) { EXPECT_TRUE(runCommand(run->session, id)); }
    void add(const std::string& phrase, const std::string& hint) {
        run->ui.type(Window::AddPuzzles, id::hEditWord, phrase);
        run->ui.type(Window::AddPuzzles, id::hEditHint, hint);
        press(id::hAddPuzzle);
    }
    std::string working() const { return readBytes(paths.WordsFile); }

    test::TempFolder folder;
    Paths paths;
    std::unique_ptr<Run> run;
};

TEST_F(Runs, AControlByteTypedIntoAddPuzzleIsRefusedAndQuitKeepsEveryRecord) {
    writeBytes(paths.WordsFile, "aa;h1:");
    start();
    add("Bb", "h2");
    add("c\x13", "h3");
    EXPECT_EQ(run->ui.beeps, 1);
    press(id::hQuitGame);
    start();
    EXPECT_EQ(working(), "aa;h1:bb;h2:");
}

// 0x13 first in the file scrambles to the end-of-file mark.
TEST_F(Runs, AWorkingFileTheStoreCannotKeepIsNeitherStoredNorLost) {
    writeBytes(paths.LoadsFile, scramble("old;1:"));
    start();
    writeBytes(paths.WordsFile, "\x13;h:"); // edited by hand during the run
    press(id::hQuitGame);
    EXPECT_EQ(readBytes(paths.LoadsFile), scramble("old;1:"));
    start();
    EXPECT_EQ(working(), "\x13;h:");
}

TEST_F(Runs, APuzzleAddedToAFileThatDoesNotEndAtARecordSurvivesQuitAndRestart) {
    struct Case {
        std::string file, kept;
        int records; // after the press
    };
    for (const Case& c :
         {Case{"a;b:cd;ef", "a;b:cd;ef:", 3}, Case{"a;b:\r\n", "a;b:", 2}, Case{"\x1A", "", 1}}) {
        SCOPED_TRACE(c.file);
        writeBytes(paths.WordsFile, c.file);
        std::filesystem::remove(paths.LoadsFile);
        start();
        press(id::hNewGame);
        add("New", "h");
        EXPECT_EQ(run->session.game.gRandom, c.records);
        press(id::hQuitGame);
        start();
        EXPECT_EQ(working(), c.kept + "new;h:");
    }
}

TEST_F(Runs, PuzzlesAddedInARunThatEndsWithoutItsQuitAreKept) {
    writeBytes(paths.LoadsFile, scramble("old;1:"));
    start();
    add("New", "h");
    start();
    EXPECT_EQ(working(), "old;1:new;h:");
    press(id::hQuitGame);
    EXPECT_EQ(readBytes(paths.LoadsFile), scramble("old;1:new;h:"));
}

} // namespace
} // namespace tallyrope
