// A session over a fresh folder of its own, with the recording screen and a draw that always
// takes the first record.
#pragma once

#include "test_support.h"

#include "app/routing.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tallyrope {

constexpr int clickSound = 4450;
constexpr int panelSound = 5600;

// Phrase box and hint box of the Add_Puzzles window.
using Boxes = std::pair<std::string, std::string>;
inline const Boxes resetShown{"Resetting Puzzle Viewer...", ""};

class FirstDraw final : public Random {
  public:
    void seed(unsigned) override {}
    int next() override { return 0; }
};

class EditorTest : public ::testing::Test {
  protected:
    EditorTest() : session(ui, draw, Paths::inFolder(folder.prefix())) {}

    void writeDatabase(const std::string& bytes) {
        test::writeBytes(session.paths.WordsFile, bytes);
    }
    std::string database() const { return test::readBytes(session.paths.WordsFile); }
    void press(int id, int times = 1) {
        for (int i = 0; i < times; ++i) {
            ASSERT_TRUE(runCommand(session, id));
        }
    }
    void type(const std::string& phrase, const std::string& hint) {
        ui.type(Window::AddPuzzles, id::hEditWord, phrase);
        ui.type(Window::AddPuzzles, id::hEditHint, hint);
    }
    Boxes boxes() const {
        return {ui.text(Window::AddPuzzles, id::hEditWord),
                ui.text(Window::AddPuzzles, id::hEditHint)};
    }
    std::vector<int> clicks(int count) const { return std::vector<int>(count, clickSound); }

    test::TempFolder folder;
    RecordingUi ui;
    FirstDraw draw;
    Session session;
};

} // namespace tallyrope
