#include "editor_fixture.h"

#include "editor/console.h"

namespace tallyrope {
namespace {

struct ConsoleCase {
    std::int32_t ConsoleUse;
    bool toggles;
    int beeps;
};

void PrintTo(const ConsoleCase& c, std::ostream* os) {
    *os << "ConsoleUse " << c.ConsoleUse;
}

class ConsoleLockTest : public EditorTest, public ::testing::WithParamInterface<ConsoleCase> {};

TEST_P(ConsoleLockTest, TheConsoleButtonFollowsTheLock) {
    session.settings.ConsoleUse = GetParam().ConsoleUse;
    // Called directly: a press of the button hands the focus back whatever the lock says.
    showHideConsole(session);
    EXPECT_EQ(ui.windowVisible(Window::AddPuzzles), GetParam().toggles);
    EXPECT_EQ(ui.focusGiven, GetParam().toggles);
    press(id::hConsole);
    EXPECT_FALSE(ui.windowVisible(Window::AddPuzzles));
    EXPECT_EQ(session.windows.HideCon, GetParam().toggles ? 2 : 0);
    EXPECT_EQ(ui.sounds, std::vector<int>(GetParam().toggles ? 2 : 0, panelSound));
    EXPECT_EQ(ui.beeps, GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(Editor, ConsoleLockTest,
                         ::testing::Values(ConsoleCase{0, true, 0}, ConsoleCase{1, false, 2},
                                           ConsoleCase{2, false, 0}, ConsoleCase{-1, false, 0}));

TEST_F(EditorTest, TheXHidesTheWindowAndKeepsTheParity) {
    press(id::hConsole);
    press(id::hNoCon);
    EXPECT_FALSE(ui.windowVisible(Window::AddPuzzles));
    EXPECT_EQ(session.windows.HideCon, 2);
    press(id::hConsole);
    EXPECT_TRUE(ui.windowVisible(Window::AddPuzzles));
    EXPECT_EQ(ui.sounds, std::vector<int>(3, panelSound));
}

class EditingLockTest : public EditorTest, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(EditingLockTest, ReviewAndDelOnlyBeep) {
    writeDatabase("aa;h1:bb;h2:");
    press(id::hViewNext);
    session.settings.EditingUse = GetParam();
    press(id::hDelSelect);
    press(id::hViewNext);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(ui.sounds, clicks(1));
    EXPECT_EQ(boxes(), (Boxes{"aa", "h1"}));
    EXPECT_EQ(database(), "aa;h1:bb;h2:");
}

INSTANTIATE_TEST_SUITE_P(Editor, EditingLockTest, ::testing::Values(1, 2));

TEST_F(EditorTest, AddPuzzleIgnoresBothLocksAndCreatesAMissingFile) {
    session.settings.ConsoleUse = 1;
    session.settings.EditingUse = 1;
    type("Sun", "Up");
    press(id::hAddPuzzle);
    EXPECT_EQ(database(), "sun;Up:");
}

} // namespace
} // namespace tallyrope
