#include "editor_fixture.h"

namespace tallyrope {
namespace {

const std::string threeRecords = "aa;h1:bb;h2:cc;h3:";

struct DeleteCase {
    const char* name;
    std::string file;
    int reviews; // Review presses before Del
    std::string left;
};

void PrintTo(const DeleteCase& c, std::ostream* os) {
    *os << c.name;
}

class DeleteTest : public EditorTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, TakesOnlyTheRecordOnViewOutOfTheFile) {
    writeDatabase(GetParam().file);
    session.game.gRandom = 10;
    press(id::hViewNext, GetParam().reviews);
    press(id::hDelSelect);
    EXPECT_EQ(database(), GetParam().left);
    EXPECT_EQ(session.game.gRandom, 9);
    EXPECT_EQ(boxes(), (Boxes{"", ""}));
    EXPECT_EQ(session.viewer.prelim, 0);
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_EQ(ui.sounds, clicks(GetParam().reviews + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Editor, DeleteTest,
    ::testing::Values(DeleteCase{"First", threeRecords, 1, "bb;h2:cc;h3:"},
                      DeleteCase{"Middle", threeRecords, 2, "aa;h1:cc;h3:"},
                      DeleteCase{"Last", threeRecords, 3, "aa;h1:bb;h2:"},
                      DeleteCase{"TheOnlyRecord", "aa;h1:", 1, ""},
                      DeleteCase{"InASecondPass", threeRecords, 4 + 2, "aa;h1:cc;h3:"},
                      DeleteCase{"LastRecordWithoutColon", "aa;h1:bb;h2", 2, "aa;h1:"},
                      DeleteCase{"BeforeALastRecordWithoutColon", "aa;h1:bb;h2", 1, "bb;h2:"},
                      DeleteCase{"BeforeATail", "aa;h1:bb;h2:\r\n", 1, "bb;h2:"},
                      DeleteCase{"LastBeforeATail", "aa;h1:bb;h2:tail", 2, "aa;h1:"},
                      DeleteCase{"ShortRecordsKeptAsRead", "aa;h1:b;:;x:cc;h3:", 1,
                                 "b;:;x:cc;h3:"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, AfterADeleteReviewShowsTheResetThenTheNewFirstRecord) {
    writeDatabase(threeRecords);
    press(id::hViewNext);
    press(id::hDelSelect);
    press(id::hViewNext);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(boxes(), resetShown);
    press(id::hViewNext);
    EXPECT_EQ(boxes(), (Boxes{"bb", "h2"}));
    EXPECT_EQ(ui.sounds, clicks(3));
}

TEST_F(EditorTest, DelTakesTheRecordAsReadNotAsTyped) {
    writeDatabase(threeRecords);
    press(id::hViewNext, 2);
    type("aa", "h1");
    press(id::hDelSelect);
    EXPECT_EQ(database(), "aa;h1:cc;h3:");
}

TEST_F(EditorTest, DelWithNoRecordOnViewBeepsAndKeepsTheFile) {
    writeDatabase("aa;h1:");
    press(id::hDelSelect); // nothing viewed yet
    press(id::hViewNext, 2);
    press(id::hDelSelect); // after the reset
    press(id::hViewNext);
    press(id::hDelSelect);
    press(id::hDelSelect); // right after a delete
    EXPECT_EQ(ui.beeps, 3);
    EXPECT_EQ(ui.sounds, clicks(4));
    EXPECT_EQ(database(), "");
}

// A delete whose rewrite fails: a folder stands where the file's new copy would be made.
class FailedDeleteTest : public EditorTest {
  protected:
    void failToDeleteTheSecondRecord() {
        writeDatabase(threeRecords);
        session.game.gRandom = 3;
        press(id::hViewNext, 2);
        type("typed", "over");
        std::filesystem::create_directory(session.paths.WordsFile + ".tmp");
        press(id::hDelSelect);
        std::filesystem::remove(session.paths.WordsFile + ".tmp");
    }
};

TEST_F(FailedDeleteTest, BeepsAndKeepsTheRecordOnViewTheFileAndTheCount) {
    failToDeleteTheSecondRecord();
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(boxes(), (Boxes{"bb", "h2"}));
    EXPECT_EQ(database(), threeRecords);
    EXPECT_EQ(session.game.gRandom, 3);
    press(id::hDelSelect);
    EXPECT_EQ(database(), "aa;h1:cc;h3:");
    EXPECT_EQ(session.game.gRandom, 2);
}

TEST_F(FailedDeleteTest, LeavesThePassWhereItStood) {
    failToDeleteTheSecondRecord();
    press(id::hViewNext);
    EXPECT_EQ(boxes(), (Boxes{"cc", "h3"}));
    press(id::hDelSelect);
    EXPECT_EQ(database(), "aa;h1:bb;h2:");
    EXPECT_EQ(session.game.gRandom, 2);
}

// The path turns into a folder while the pass reads the old file: the pass can go on only over
// a file that can no longer be read, so nothing more is deleted.
TEST_F(EditorTest, AFileThatCannotBeReadAgainAfterAFailedDeleteLosesNothing) {
    writeDatabase(threeRecords);
    session.game.gRandom = 3;
    press(id::hViewNext);
    std::filesystem::remove(session.paths.WordsFile);
    std::filesystem::create_directory(session.paths.WordsFile);
    press(id::hDelSelect);
    press(id::hDelSelect);
    EXPECT_EQ(ui.beeps, 2);
    EXPECT_EQ(session.game.gRandom, 3);
    EXPECT_TRUE(std::filesystem::is_directory(session.paths.WordsFile));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.root()), {}), 1);
    press(id::hViewNext);
    EXPECT_EQ(boxes(), resetShown);
}

} // namespace
} // namespace tallyrope
