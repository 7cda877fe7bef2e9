// Shared helpers of the tests: a fresh folder per test, files as bytes, a fixed draw and a whole
// game on the recording screen.
#pragma once

#include "temp_folder.h"

#include "state/session.h"
#include "ui/fake/recording_ui.h"

#include <deque>
#include <string>

namespace tallyrope::test {

using TempFolder = testing::TempFolder;

void writeBytes(const std::string& path, const std::string& bytes);
// The file's exact bytes; "<missing>" when it does not exist.
std::string readBytes(const std::string& path);

// Draws the numbers it is given, in order, then zeros.
class FixedRandom final : public Random {
  public:
    void seed(unsigned value) override { seeds.push_back(value); }
    int next() override;

    std::deque<int> draws;
    std::deque<unsigned> seeds;
};

// A fresh game whose files live in a temporary folder.
struct Table {
    Table() : session(ui, random, Paths::inFolder(folder.prefix())) {}

    // Writes the puzzle database file.
    void puzzles(const std::string& records) { writeBytes(session.paths.WordsFile, records); }
    // Starts a round that draws record `index`.
    void newRound(int index = 0);
    // Clicks the tile of `letter` on the main window.
    void click(char letter);
    void press(int id);
    // Types into the solve box and presses Solve Puzzle.
    void solve(const std::string& attempt);
    int stageShown() const;

    TempFolder folder;
    RecordingUi ui;
    FixedRandom random;
    Session session;
    Game& game = session.game;
    Stats& stats = session.stats;
};

} // namespace tallyrope::test
