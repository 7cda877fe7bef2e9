#include "editor_fixture.h"

#include <optional>

namespace tallyrope {
namespace {

class PagingTest : public EditorTest, public ::testing::WithParamInterface<int> {};

Boxes record(int k) {
    return {"phrase " + std::to_string(k), "Hint " + std::to_string(k)};
}

TEST_P(PagingTest, ShowsEveryRecordInOrderThenTheResetThenTheFirstAgain) {
    const int n = GetParam();
    std::string file;
    for (int k = 1; k <= n; ++k) {
        file += record(k).first + ";" + record(k).second + ":";
    }
    writeDatabase(file);
    for (int k = 1; k <= n; ++k) {
        press(id::hViewNext);
        EXPECT_EQ(boxes(), record(k)) << "press " << k;
    }
    press(id::hViewNext);
    EXPECT_EQ(boxes(), resetShown);
    EXPECT_EQ(session.viewer.prelim, 0);
    press(id::hViewNext);
    EXPECT_EQ(boxes(), record(1));
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_EQ(ui.sounds, clicks(n + 2));
}

INSTANTIATE_TEST_SUITE_P(Editor, PagingTest, ::testing::Values(1, 2, 5));

struct PassCase {
    const char* name;
    std::optional<std::string> file; // nothing: no file at all
    std::vector<Boxes> shown;        // the records one pass shows
};

void PrintTo(const PassCase& c, std::ostream* os) {
    *os << c.name;
}

class PassTest : public EditorTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(PassTest, ShowsOnlyTheRecordsAPassReaches) {
    if (GetParam().file) {
        writeDatabase(*GetParam().file);
    }
    for (int pass = 1; pass <= 2; ++pass) {
        for (const Boxes& expected : GetParam().shown) {
            press(id::hViewNext);
            EXPECT_EQ(boxes(), expected) << "pass " << pass;
        }
        press(id::hViewNext);
        EXPECT_EQ(boxes(), resetShown) << "pass " << pass;
    }
    EXPECT_EQ(ui.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, PassTest,
    ::testing::Values(
        PassCase{"MissingFile", std::nullopt, {}}, PassCase{"EmptyFile", "", {}},
        PassCase{"LineBreakAfterTheLastRecord", "aa;h1:bb;h2:\r\n", {{"aa", "h1"}, {"bb", "h2"}}},
        PassCase{"TailWithoutSemicolon", "aa;h1:bb;h2:tail", {{"aa", "h1"}, {"bb", "h2"}}},
        PassCase{"LastRecordWithoutColon", "aa;h1:bb;h2", {{"aa", "h1"}, {"bb", "h2"}}},
        PassCase{"EmptyHintAtTheEnd", "aa;h1:bb;", {{"aa", "h1"}, {"bb", ""}}},
        PassCase{"OneCharacterPhraseEndsThePass", "aa;h1:b;h2:cc;h3:", {{"aa", "h1"}}},
        PassCase{"SeparatorsInsideFields", "a:b;c;d:", {{"a:b", "c;d"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, HidingTheWindowKeepsThePassOpen) {
    writeDatabase("aa;h1:bb;h2:");
    press(id::hConsole);
    press(id::hViewNext);
    press(id::hNoCon);
    press(id::hConsole);
    press(id::hViewNext);
    EXPECT_EQ(boxes(), (Boxes{"bb", "h2"}));
}

} // namespace
} // namespace tallyrope
