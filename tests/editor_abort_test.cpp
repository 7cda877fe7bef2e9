#include "editor_fixture.h"

namespace tallyrope {
namespace {

const std::string records = "aa;long hint:bb;h2:cc;h3:dd;:ee;h5:";

struct AbortCase {
    const char* name;
    int reviews;
    Boxes afterNewGame;
    Boxes nextReview;
};

void PrintTo(const AbortCase& c, std::ostream* os) {
    *os << c.name;
}

class AbortTest : public EditorTest, public ::testing::WithParamInterface<AbortCase> {};

TEST_P(AbortTest, NewGameEndsAPassOnlyForAHintOfMoreThanTwoCharacters) {
    writeDatabase(records);
    press(id::hViewNext, GetParam().reviews);
    press(id::hNewGame);
    EXPECT_EQ(boxes(), GetParam().afterNewGame);
    press(id::hViewNext);
    EXPECT_EQ(boxes(), GetParam().nextReview);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, AbortTest,
    ::testing::Values(
        AbortCase{"LongHint", 1, {"Puzzle viewing aborted...", ""}, {"aa", "long hint"}},
        AbortCase{"TwoCharacterHint", 2, {"bb", "h2"}, {"cc", "h3"}},
        AbortCase{"EmptyHint", 4, {"dd", ""}, {"ee", "h5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, QuitEndsThePass) {
    writeDatabase(records);
    press(id::hViewNext, 2);
    saveOnQuit(session);
    EXPECT_EQ(session.viewer.prelim, 0);
}

TEST_F(EditorTest, NewGameAndAddPuzzleLeaveAWaitingResetInPlace) {
    writeDatabase(records);
    press(id::hViewNext);
    press(id::hDelSelect);
    press(id::hNewGame);
    type("Sun", "");
    press(id::hAddPuzzle);
    const int beepsBefore = ui.beeps;
    press(id::hViewNext);
    EXPECT_EQ(ui.beeps, beepsBefore + 1);
    EXPECT_EQ(boxes(), resetShown);
}

} // namespace
} // namespace tallyrope
