// The owner-drawn buttons draw their faces and carry their names as window texts, which screen
// readers announce.
#include "game_copy.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"

#include <gtest/gtest.h>
#include <map>

namespace tallyrope::testing {
namespace {

TEST(ButtonNames, EveryButtonIsNamedAndTheSoundButtonFollowsTheSwitch) {
    const std::map<int, std::string> names = {
        {id::hPlayerOne, "1 Player"},
        {id::hPlayerTwo, "2 Player"},
        {id::hResetStats, "Reset Stats"},
        {id::hAudioCntl, "Sound on"},
        {id::hSkillCntl, "Skill"},
        {id::hNewGame, "New Puzzle"},
        {id::hShowWord, "Solution"},
        {id::hMinimize, "Minimize"},
        {id::hHelpMe, "Help"},
        {id::hQuitGame, "Quit"},
        {id::hPuzzled, "Solve Puzzle"},
        {id::hMsgOkBut, "OK"},
        {id::hConsole, "Puzzle console"},
        {id::hAddPuzzle, "Add Puzzle"},
        {id::hDelSelect, "Del"},
        {id::hViewNext, "Review"},
        {id::hNoCon, "Close console"},
        {id::hLanguage, "Language"},
    };
    GameCopy game;
    ASSERT_TRUE(game.start());
    for (const ControlRow& row : controlTable()) {
        if (row.kind == ControlKind::OwnerDrawnButton) {
            EXPECT_EQ(game.text(row.id), names.at(row.id)) << row.handle;
        }
    }
    game.press(id::hAudioCntl);
    EXPECT_EQ(game.text(id::hAudioCntl), "Sound off");
    game.press(id::hAudioCntl);
    EXPECT_EQ(game.text(id::hAudioCntl), "Sound on");
}

} // namespace
} // namespace tallyrope::testing
