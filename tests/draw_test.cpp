// Which puzzle a new round gets, over databases of every size and while the file changes.
#include "test_support.h"

#include "editor/add_puzzle.h"
#include "game/choose_word.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallyrope {
namespace {

using test::Table;

const std::string noPuzzle = "ERROR! NO PUZZLE PHRASES - DATABASE/FILE APPEARS TO BE MISSING";

std::string records(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "phrase " + std::string(1, static_cast<char>('a' + i)) + ";hint " +
                std::to_string(i) + ":";
    }
    return text;
}

// The hint of the round a draw of `r` starts.
std::string hintDrawn(Table& t, int r) {
    t.newRound(r);
    return t.ui.text(id::hGiveHint);
}

void expectNoPuzzle(Table& t) {
    EXPECT_EQ(t.ui.text(id::hPuzzler), noPuzzle);
    EXPECT_EQ(t.ui.text(id::hGiveHint), "No data");
    EXPECT_EQ(t.game.gameRunning, 1);
    t.click('A');
    t.solve("anything");
    EXPECT_EQ(t.game.numwrong, 0) << "neither letters nor solve attempts are taken";
    EXPECT_TRUE(t.ui.visible(id::letterTile(0)));
}

TEST(Draw, EveryRecordOfADatabaseCanBeDrawn) {
    for (int size : {1, 2, 5}) {
        Table t;
        t.puzzles(records(size));
        for (int i = 0; i < size; ++i) {
            EXPECT_EQ(hintDrawn(t, i), "hint " + std::to_string(i)) << "of " << size;
        }
        EXPECT_EQ(hintDrawn(t, size + 2), "hint " + std::to_string((size + 2) % size))
            << "the draw is taken modulo the count";
        EXPECT_EQ(t.game.gRandom, size);
    }
}

TEST(Draw, AMissingOrEmptyDatabaseGivesTheNoPuzzleMessageAndABeep) {
    for (bool exists : {false, true}) {
        Table t;
        if (exists) {
            t.puzzles("");
        }
        t.newRound();
        EXPECT_EQ(t.ui.beeps, 1);
        expectNoPuzzle(t);
    }
}

TEST(Draw, ARecordWithAnEmptyPhraseIsNoPuzzle) {
    Table t;
    t.puzzles(";hint only:");
    t.newRound();
    expectNoPuzzle(t);
}

TEST(Draw, TheCountIgnoresSemicolonsInHintsAndIncompleteTails) {
    Table t;
    t.puzzles("one;a; b:two;c:tail without separator");
    t.newRound(1);
    EXPECT_EQ(t.game.gRandom, 2);
    EXPECT_EQ(t.ui.text(id::hGiveHint), "c");
    EXPECT_EQ(hintDrawn(t, 0), "a; b");
}

TEST(Draw, TheCountIsTakenOnceAtTheFirstNewGame) {
    Table t;
    t.puzzles(records(3));
    t.newRound();
    t.puzzles(records(5));
    EXPECT_EQ(hintDrawn(t, 4), "hint 1") << "still drawn among three";
    EXPECT_EQ(t.game.gRandom, 3);
}

TEST(Draw, APuzzleAddedBeforeTheFirstNewGameIsCountedOnce) {
    Table t;
    t.puzzles(records(2));
    ExportWord(t.session, "added;new:");
    EXPECT_EQ(hintDrawn(t, 2), "new");
    EXPECT_EQ(t.game.gRandom, 3);
    EXPECT_EQ(hintDrawn(t, 3), "hint 0") << "no draw lands past the end of the file";
}

TEST(Draw, ARecordAppendedDuringTheRunIsDrawableAtOnce) {
    Table t;
    t.puzzles(records(2));
    t.newRound();
    ExportWord(t.session, "added;new:");
    EXPECT_EQ(hintDrawn(t, 2), "new");
}

// Review shows the first record; Del removes it.
void deleteFirstRecord(Table& t) {
    t.press(id::hViewNext);
    t.press(id::hDelSelect);
}

TEST(Draw, APuzzleDeletedBeforeTheFirstNewGameIsNotDrawn) {
    Table t;
    t.puzzles(records(3));
    deleteFirstRecord(t);
    EXPECT_EQ(hintDrawn(t, 0), "hint 1");
    EXPECT_EQ(t.game.gRandom, 2);
    EXPECT_EQ(hintDrawn(t, 2), "hint 1") << "no draw lands past the end of the file";
}

TEST(Draw, APuzzleDeletedDuringTheRunLeavesEveryOtherDrawable) {
    Table t;
    t.puzzles(records(3));
    t.newRound();
    deleteFirstRecord(t);
    EXPECT_EQ(t.game.gRandom, 2);
    EXPECT_EQ(hintDrawn(t, 0), "hint 1");
    EXPECT_EQ(hintDrawn(t, 1), "hint 2");
    EXPECT_EQ(hintDrawn(t, 2), "hint 1");
}

TEST(Draw, AFileShortenedBehindTheGameGivesTheNoPuzzleMessage) {
    Table t;
    t.puzzles(records(3));
    t.newRound();
    t.puzzles(records(1));
    t.newRound(2);
    expectNoPuzzle(t);
}

TEST(Draw, TheGeneratorIsSeededOnceFromTheClock) {
    Table t;
    t.puzzles(records(2));
    const auto before = static_cast<unsigned>(std::time(nullptr));
    t.newRound();
    t.newRound();
    ASSERT_EQ(t.random.seeds.size(), 1u);
    EXPECT_GE(t.random.seeds.front(), before);
    EXPECT_LE(t.random.seeds.front(), before + 5);
}

TEST(Draw, EveryRecordOfAHundredThousandCanBeDrawn) {
    Table t;
    std::string database;
    for (int i = 0; i < 100'000; ++i) {
        database += "phrase;hint " + std::to_string(i) + ":";
    }
    t.puzzles(database);
    for (int record : {99'999, 0, 32'767, 32'768, 65'536, 99'998}) {
        EXPECT_EQ(hintDrawn(t, record), "hint " + std::to_string(record));
    }
    EXPECT_EQ(t.game.gRandom, 100'000);
}

TEST(Draw, TheTopNumbersThatWouldFavourTheFirstRecordsAreDrawnAgain) {
    test::FixedRandom random;
    // 2^31 = 715827882 * 3 + 2: the last two numbers would give records 0 and 1 a draw more.
    random.draws = {2'147'483'646, 2'147'483'647, 2'147'483'645};
    EXPECT_EQ(drawRecord(random, 3), 2);
    EXPECT_TRUE(random.draws.empty());
    // 2^31 = 21474 * 100000 + 83648.
    random.draws = {2'147'400'000, 2'147'399'999};
    EXPECT_EQ(drawRecord(random, 100'000), 99'999);
    random.draws = {2'147'483'647};
    EXPECT_EQ(drawRecord(random, 1 << 30), (1 << 30) - 1) << "a count that divides 2^31";
}

TEST(Draw, TheGameGeneratorReachesEveryOneOfAHundredThousandRecords) {
    MersenneRandom random;
    random.seed(20261208);
    std::vector<bool> drawn(100'000);
    int notYetDrawn = 100'000;
    for (int draw = 0; draw < 3'000'000 && notYetDrawn > 0; ++draw) {
        const std::int32_t record = drawRecord(random, 100'000);
        ASSERT_GE(record, 0);
        ASSERT_LT(record, 100'000);
        if (!drawn[record]) {
            drawn[record] = true;
            --notYetDrawn;
        }
    }
    EXPECT_EQ(notYetDrawn, 0);
}

TEST(Draw, TheHintIsShownAsStoredAndThePhraseInCapitals) {
    Table t;
    t.puzzles("new york;The Big Apple:");
    t.newRound();
    EXPECT_EQ(t.ui.text(id::hGiveHint), "The Big Apple");
    t.solve("NEW YORK");
    EXPECT_EQ(t.ui.text(id::hPuzzler), " N E W   Y O R K");
}

TEST(Draw, ALineBreakInAPhraseIsOneOfItsBytesAndStaysVisible) {
    Table t;
    t.puzzles("ab\r\ncd;Two lines:");
    t.newRound();
    EXPECT_EQ(t.game.solveword, "AB\nCD");
    EXPECT_EQ(t.ui.text(id::hDblDash), " _ _ \n _ _");
}

} // namespace
} // namespace tallyrope
