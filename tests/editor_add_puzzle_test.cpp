#include "editor_fixture.h"

#include "storage/puzzle_file.h"

namespace tallyrope {
namespace {

const std::string stored = "aa;h1:";

struct AddCase {
    const char* name;
    Boxes typed;
    std::string record; // what the press appends
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.name;
}

class AddTest : public EditorTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddTest, AppendsTheRecordAndEmptiesTheBoxes) {
    writeDatabase(stored);
    session.game.gRandom = 1;
    type(GetParam().typed.first, GetParam().typed.second);
    press(id::hAddPuzzle);
    EXPECT_EQ(database(), stored + GetParam().record);
    EXPECT_EQ(session.game.gRandom, 2);
    EXPECT_EQ(boxes(), (Boxes{"", ""}));
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_EQ(ui.sounds, clicks(1));
}

INSTANTIATE_TEST_SUITE_P(
    Editor, AddTest,
    ::testing::Values(AddCase{"PhraseLowerCasedHintAsTyped",
                              {"Sun Rise", "Early morning"},
                              "sun rise;Early morning:"},
                      AddCase{"EmptyHint", {"Sun Rise", ""}, "sun rise;no hint available:"},
                      AddCase{"TwoCharacterPhrase", {"OK", "x"}, "ok;x:"},
                      AddCase{"SpacesKept", {"  Two  Words ", " hint "}, "  two  words ; hint :"},
                      AddCase{"OtherSeparatorsKept", {"Q: WHY?", "Not; Now"}, "q: why?;Not; Now:"},
                      AddCase{"MessageInThePhraseBox",
                              {"Puzzle viewing aborted...", ""},
                              "puzzle viewing aborted...;no hint available:"}),
    [](const auto& info) { return std::string(info.param.name); });

class RefusedTest : public EditorTest, public ::testing::WithParamInterface<Boxes> {};

TEST_P(RefusedTest, BeepsAfterTheClickAndKeepsFileBoxesAndPass) {
    writeDatabase(stored + "bb;h2:");
    session.game.gRandom = 2;
    press(id::hViewNext);
    type(GetParam().first, GetParam().second);
    press(id::hAddPuzzle);
    EXPECT_EQ(database(), stored + "bb;h2:");
    EXPECT_EQ(session.game.gRandom, 2);
    EXPECT_EQ(boxes(), GetParam());
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(ui.sounds, clicks(2));
    press(id::hViewNext);
    EXPECT_EQ(boxes(), (Boxes{"bb", "h2"}));
}

INSTANTIATE_TEST_SUITE_P(Editor, RefusedTest,
                         ::testing::Values(Boxes{"", ""}, Boxes{"", "hint"}, Boxes{"a", "hint"},
                                           Boxes{"sun;rise", "hint"}, Boxes{"sun rise", "at: dawn"},
                                           Boxes{"ab;", ""}, Boxes{"sun\x13rise", "hint"},
                                           Boxes{"sun rise", "dawn\x1F"}));

TEST_F(EditorTest, AddingEndsAnOpenPassAndStoresWhatTheBoxesHold) {
    writeDatabase(stored + "bb;h2:");
    press(id::hViewNext, 2);
    press(id::hAddPuzzle);
    EXPECT_EQ(database(), stored + "bb;h2:bb;h2:");
    EXPECT_EQ(session.viewer.prelim, 0);
    press(id::hViewNext);
    EXPECT_EQ(boxes(), (Boxes{"aa", "h1"}));
}

TEST_F(EditorTest, AFailedWriteBeepsAndKeepsTheBoxesAndTheCount) {
    const auto pressAndExpectFailure = [&] {
        session.game.gRandom = 1;
        type("Sun", "up");
        press(id::hAddPuzzle);
        EXPECT_EQ(session.game.gRandom, 1);
        EXPECT_EQ(boxes(), (Boxes{"Sun", "up"}));
    };
    // The file cannot be read: a folder stands in its place.
    std::filesystem::create_directory(session.paths.WordsFile);
    pressAndExpectFailure();
    std::filesystem::remove(session.paths.WordsFile);
    // The file must be written again, but its new copy cannot be made.
    writeDatabase(stored + "\r\n");
    std::filesystem::create_directory(session.paths.WordsFile + ".tmp");
    pressAndExpectFailure();
    EXPECT_EQ(database(), stored + "\r\n");
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(ui.sounds, clicks(2));
}

struct UnfinishedCase {
    const char* name;
    std::string file;
    int records; // before the press
    std::string after;
};

void PrintTo(const UnfinishedCase& c, std::ostream* os) {
    *os << c.name;
}

class UnfinishedFileTest : public EditorTest,
                           public ::testing::WithParamInterface<UnfinishedCase> {};

TEST_P(UnfinishedFileTest, IsWrittenAgainAsItsCompleteRecordsBeforeTheAppend) {
    writeDatabase(GetParam().file);
    session.game.gRandom = GetParam().records;
    type("New", "h");
    press(id::hAddPuzzle);
    EXPECT_EQ(database(), GetParam().after);
    EXPECT_EQ(session.game.gRandom, GetParam().records + 1);
    EXPECT_EQ(countPuzzles(session.paths.WordsFile), GetParam().records + 1);
    EXPECT_EQ(boxes(), (Boxes{"", ""}));
}

INSTANTIATE_TEST_SUITE_P(
    Editor, UnfinishedFileTest,
    ::testing::Values(UnfinishedCase{"RecordWithoutColon", "a;b:cd;ef", 2, "a;b:cd;ef:new;h:"},
                      UnfinishedCase{"LineBreak", "a;b:\r\n", 1, "a;b:new;h:"},
                      UnfinishedCase{"TextWithoutSemicolon", "a;b:tail", 1, "a;b:new;h:"},
                      UnfinishedCase{"LoneEndMark", "\x1A", 0, "new;h:"},
                      UnfinishedCase{"RecordsBehindAnEndMark",
                                     "a;b:\x1A"
                                     "c;d:",
                                     1, "a;b:new;h:"},
                      UnfinishedCase{"ColonInAnUnfinishedPhrase", "a;b:c:", 1, "a;b:new;h:"},
                      UnfinishedCase{"LineBreakInsideARecordIsLeft", "a;b\r\nc:", 1,
                                     "a;b\r\nc:new;h:"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyrope
