// Control ids of the three windows, named after the handles that hold them.
#pragma once

namespace tallyrope::id {

// Main window buttons.
constexpr int hPlayerOne = 2800;
constexpr int hPlayerTwo = 2950;
constexpr int hResetStats = 3100;
constexpr int hAudioCntl = 3250;
constexpr int hSkillCntl = 3400;
constexpr int hNewGame = 3550;
constexpr int hShowWord = 3700;
constexpr int hMinimize = 4000;
constexpr int hHelpMe = 4150;
constexpr int hQuitGame = 4300;
constexpr int hPuzzled = 4900;
constexpr int hConsole = 5350;

// Message window.
constexpr int hMsgOkBut = 1900;

// Add_Puzzles window.
constexpr int hAddPuzzle = 5200;
constexpr int hDelSelect = 5950;
constexpr int hViewNext = 6000;
constexpr int hNoCon = 6200;
constexpr int hEditWord = 5300;
constexpr int hEditHint = 5250;

// Main window texts.
constexpr int hPOneScore = 1690;
constexpr int hPTwoScore = 1720;
constexpr int hPOneWins = 1750;
constexpr int hPTwoWins = 1780;
constexpr int hPOneLose = 1810;
constexpr int hPTwoLose = 1840;
constexpr int hGiveHint = 1930;
constexpr int hPuzzler = 1960;
constexpr int hDblDash = 5500;
constexpr int hUsedBin = 4350;
constexpr int hPlySmarts = 4400;
constexpr int hSolveMe = 4750;

// Main window pictures.
constexpr int hPlayerWon = 3820;
constexpr int hCawWord = 4950;
constexpr int PopZero = 6100;
constexpr int PopOne = 2350;
constexpr int PopTwo = 2400;
constexpr int PopTre = 2450;
constexpr int PopFor = 2500;
constexpr int PopFiv = 2550;
constexpr int PopSix = 2600;

// Letter tile k, its place in tileSet: A (0) to Z (25) are 160 to 1660; the tiles after Z,
// which only some languages show, are 6300, 6360 and on, above every other id.
constexpr int letterTile(int k) {
    return k < 26 ? 160 + 60 * k : 6300 + 60 * (k - 26);
}
constexpr int letterBitmap(int k) {
    return letterTile(k) - 30;
}

// The title strip's language button.
constexpr int hLanguage = 6700;

} // namespace tallyrope::id
