// The buttons that act on a round as a whole, in every state of a round.
#include "test_support.h"

#include "game/scoring.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

using test::Table;

constexpr int clickSound = 4450;

enum class State { BeforeFirstRound, RunningNoMiss, RunningAfterMiss, Won, Lost };

const char* name(State state) {
    switch (state) {
    case State::BeforeFirstRound:
        return "before the first round";
    case State::RunningNoMiss:
        return "running, no miss yet";
    case State::RunningAfterMiss:
        return "running, after a miss";
    case State::Won:
        return "after a win";
    case State::Lost:
        return "after a loss";
    }
    return "";
}

const State allStates[] = {State::BeforeFirstRound, State::RunningNoMiss, State::RunningAfterMiss,
                           State::Won, State::Lost};

void reach(Table& t, State state) {
    t.puzzles("go;Move:");
    if (state == State::BeforeFirstRound) {
        return;
    }
    t.newRound();
    if (state == State::RunningAfterMiss) {
        t.click('Z');
    } else if (state == State::Won) {
        t.solve("go");
    } else if (state == State::Lost) {
        for (char letter : std::string("ABCDEFH")) {
            t.click(letter);
        }
    }
}

TEST(PlayerButtons, AreTakenBetweenRoundsAndBeforeTheFirstMissOnly) {
    for (State state : allStates) {
        Table t;
        reach(t, state);
        t.ui.sounds.clear();
        t.press(id::hPlayerTwo);
        const bool taken = state != State::RunningAfterMiss;
        EXPECT_EQ(t.game.playertype, taken ? 2 : 1) << name(state);
        EXPECT_EQ(t.ui.sounds.size(), taken ? 1u : 0u) << name(state);
        EXPECT_EQ(t.ui.beeps, 0) << name(state);
        t.press(id::hPlayerOne);
        EXPECT_EQ(t.game.playertype, 1) << name(state);
    }
}

TEST(PlayerButtons, InHardSkillAreTakenAtTheStartingStageUntilTheFirstMiss) {
    Table t;
    reach(t, State::Won);
    t.press(id::hSkillCntl);
    t.newRound();
    t.press(id::hPlayerTwo);
    EXPECT_EQ(t.game.playertype, 2);
    t.click('Z');
    t.press(id::hPlayerOne);
    EXPECT_EQ(t.game.playertype, 2);
}

// Two misses reach the stage that hard skill starts from; in normal skill they are misses.
TEST(PlayerButtons, InNormalSkillAreRefusedAfterTwoMisses) {
    Table t;
    reach(t, State::RunningNoMiss);
    t.click('Y');
    t.click('Z');
    t.ui.sounds.clear();
    t.press(id::hPlayerTwo);
    EXPECT_EQ(t.game.playertype, 1);
    EXPECT_TRUE(t.ui.sounds.empty());
}

TEST(SkillButton, SwitchesOnlyBetweenRoundsOrBeforeTheFirstMiss) {
    for (State state : allStates) {
        Table t;
        reach(t, state);
        const std::int32_t stageBefore = t.game.numwrong;
        t.ui.sounds.clear();
        t.press(id::hSkillCntl);
        const bool taken = state != State::BeforeFirstRound && state != State::RunningAfterMiss;
        EXPECT_EQ(t.game.difficulty, taken ? 1 : 0) << name(state);
        EXPECT_EQ(t.ui.text(id::hPlySmarts), taken ? "5" : "7") << name(state);
        EXPECT_EQ(t.ui.sounds, taken ? std::vector<int>{clickSound} : std::vector<int>{})
            << name(state);
        const bool drawsAhead = state == State::RunningNoMiss;
        EXPECT_EQ(t.game.numwrong, drawsAhead ? 2 : stageBefore) << name(state);
        EXPECT_EQ(t.ui.visible(id::PopFiv), drawsAhead) << name(state);
        EXPECT_EQ(t.ui.beeps, 0) << name(state);
    }
}

TEST(SkillButton, SwitchingBackBeforeTheFirstMissHidesTheHeadStart) {
    Table t;
    reach(t, State::RunningNoMiss);
    t.press(id::hSkillCntl);
    t.press(id::hSkillCntl);
    EXPECT_EQ(t.game.numwrong, 0);
    EXPECT_FALSE(t.ui.visible(id::PopSix));
    EXPECT_EQ(t.ui.text(id::hPlySmarts), "7");
}

TEST(SolutionButton, RevealsALostPhraseOnceAndBeepsOtherwise) {
    for (State state : allStates) {
        Table t;
        reach(t, state);
        t.press(id::hShowWord);
        const bool reveals = state == State::Lost;
        EXPECT_EQ(t.ui.beeps, reveals ? 0 : 1) << name(state);
        if (reveals) {
            EXPECT_EQ(t.ui.text(id::hPuzzler), " G O");
            t.press(id::hShowWord);
            EXPECT_EQ(t.ui.beeps, 1) << "a second press beeps";
        }
    }
}

TEST(SolvePuzzleButton, BeepsWhenNoRoundRuns) {
    for (State state : {State::BeforeFirstRound, State::Won, State::Lost}) {
        Table t;
        reach(t, state);
        t.ui.sounds.clear();
        t.solve("go");
        EXPECT_EQ(t.ui.beeps, 1) << name(state);
        EXPECT_TRUE(t.ui.sounds.empty()) << name(state);
    }
}

TEST(ResetStatsButton, ClearsTheCurrentPlayerWhosePointsAreAboveZero) {
    Table t;
    t.stats = Stats{120, 2, 3, 50, 1, 1};
    t.press(id::hPlayerTwo);
    t.press(id::hResetStats);
    EXPECT_EQ(t.stats.pscoretwo, 0);
    EXPECT_EQ(t.stats.plosstwo, 0);
    EXPECT_EQ(t.ui.text(id::hPTwoScore), "0");
    EXPECT_EQ(t.ui.text(id::hPTwoLose), "0");
    EXPECT_EQ(t.stats.pscoreone, 120) << "the other player keeps everything";
    EXPECT_EQ(t.ui.beeps, 0);
    t.press(id::hResetStats);
    EXPECT_EQ(t.ui.beeps, 1) << "nothing left to clear";
}

TEST(ResetStatsButton, BeepsForPointsOfZeroOrBelowEvenWithWinsOrLosses) {
    for (std::int32_t points : {0, -20}) {
        Table t;
        t.stats = Stats{points, 4, 5, 0, 0, 0};
        t.press(id::hResetStats);
        EXPECT_EQ(t.ui.beeps, 1);
        EXPECT_EQ(t.stats.pwinsone, 4);
        EXPECT_EQ(t.ui.focus, Window::Main);
    }
}

TEST(Scoring, PointsAreTenPerByteLessTheStageReached) {
    struct Case {
        const char* phrase;
        std::int32_t stage;
        std::int32_t points;
    };
    for (const Case& c : {Case{"abcdefghijkl", 0, 120}, Case{"abcd efgh", 1, 80},
                          Case{"abcd efgh", 2, 70}, Case{"abc", 5, -20}}) {
        Game game;
        game.solveword = c.phrase;
        game.numwrong = c.stage;
        Stats stats;
        doScores(game, stats);
        EXPECT_EQ(stats.pscoreone, c.points) << c.phrase << " at stage " << c.stage;
        EXPECT_EQ(stats.pwinsone, 1);
        EXPECT_EQ(stats.pallone(), std::to_string(c.points));
    }
}

TEST(Scoring, NeitherOperationActsOnTheOtherKindOfRoundOrAnUnknownPlayer) {
    Game game;
    game.solveword = "abc";
    Stats stats;
    game.numwrong = 7;
    doScores(game, stats);
    game.numwrong = 6;
    doLoses(game, stats);
    game.playertype = 3;
    doScores(game, stats);
    game.numwrong = 7;
    doLoses(game, stats);
    EXPECT_EQ(stats.pallone(), "0");
    EXPECT_EQ(stats.pwinsone + stats.plossone + stats.pwinstwo + stats.plosstwo, 0);
}

TEST(Scoring, CountersWrapAroundInsteadOfOverflowing) {
    Game game;
    game.solveword = "ab";
    Stats stats;
    stats.pscoreone = 2147483640;
    stats.pwinsone = 2147483647;
    doScores(game, stats);
    EXPECT_EQ(stats.pscoreone, -2147483636);
    EXPECT_EQ(stats.pwinsone, -2147483647 - 1);
}

TEST(HardSkillRound, WonWithoutAFurtherMissScoresFromTheStartingStage) {
    Table t;
    reach(t, State::Won);
    t.puzzles("abcd efgh;Letters:");
    t.press(id::hSkillCntl);
    t.press(id::hPlayerTwo);
    t.newRound();
    t.solve("ABCD EFGH");
    EXPECT_EQ(t.stats.pscoretwo, 70);
    EXPECT_EQ(t.ui.text(id::hPTwoScore), "70");
}

} // namespace
} // namespace tallyrope
