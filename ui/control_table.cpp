#include "ui/control_table.h"

namespace tallyrope {

const std::vector<ControlRow>& controlTable() {
    // clang-format off
    static const std::vector<ControlRow> table = {
        {"hPlayerOne", ControlKind::OwnerDrawnButton, 2800, Window::Main, 647, 434, 93, 30, true, 2700, 2750, ControlFont::System, "", 0},
        {"hPlayerTwo", ControlKind::OwnerDrawnButton, 2950, Window::Main, 647, 468, 93, 27, true, 2850, 2900, ControlFont::System, "", 0},
        {"hResetStats", ControlKind::OwnerDrawnButton, 3100, Window::Main, 761, 400, 102, 29, true, 3000, 3050, ControlFont::System, "", 0},
        {"hAudioCntl", ControlKind::OwnerDrawnButton, 3250, Window::Main, 761, 434, 102, 29, true, 3150, 3200, ControlFont::System, "", 0},
        {"hSkillCntl", ControlKind::OwnerDrawnButton, 3400, Window::Main, 761, 468, 79, 27, true, 3300, 3350, ControlFont::System, "", 0},
        {"hNewGame", ControlKind::OwnerDrawnButton, 3550, Window::Main, 761, 329, 102, 28, true, 3450, 3500, ControlFont::System, "", 0},
        {"hShowWord", ControlKind::OwnerDrawnButton, 3700, Window::Main, 761, 364, 102, 28, true, 3600, 3650, ControlFont::System, "", 0},
        {"hMinimize", ControlKind::OwnerDrawnButton, 4000, Window::Main, 821, 3, 23, 19, true, 3900, 3950, ControlFont::System, "", 0},
        {"hHelpMe", ControlKind::OwnerDrawnButton, 4150, Window::Main, 846, 3, 23, 19, true, 4050, 4100, ControlFont::System, "", 0},
        {"hQuitGame", ControlKind::OwnerDrawnButton, 4300, Window::Main, 871, 3, 23, 19, true, 4200, 4250, ControlFont::System, "", 0},
        {"hPuzzled", ControlKind::OwnerDrawnButton, 4900, Window::Main, 27, 570, 115, 34, true, 4800, 4850, ControlFont::System, "", 0},
        {"hMsgOkBut", ControlKind::OwnerDrawnButton, 1900, Window::Message, 138, 64, 42, 25, true, 2300, 2650, ControlFont::System, "", 0},
        {"hConsole", ControlKind::OwnerDrawnButton, 5350, Window::Main, 494, 570, 117, 34, true, 5100, 5150, ControlFont::System, "", 0},
        {"hAddPuzzle", ControlKind::OwnerDrawnButton, 5200, Window::AddPuzzles, 555, 360, 114, 29, true, 5400, 5450, ControlFont::System, "", 0},
        {"hDelSelect", ControlKind::OwnerDrawnButton, 5950, Window::AddPuzzles, 628, 313, 42, 28, true, 5850, 5900, ControlFont::System, "", 0},
        {"hViewNext", ControlKind::OwnerDrawnButton, 6000, Window::AddPuzzles, 555, 313, 71, 28, true, 5750, 5800, ControlFont::System, "", 0},
        {"hNoCon", ControlKind::OwnerDrawnButton, 6200, Window::AddPuzzles, 669, 5, 23, 19, true, 4200, 4250, ControlFont::System, "", 0},
        {"hLettersA", ControlKind::BitmapStatic, 160, Window::Main, 86, 479, 18, 20, true, 130, 0, ControlFont::System, "", 0},
        {"hLettersB", ControlKind::BitmapStatic, 220, Window::Main, 125, 479, 16, 20, true, 190, 0, ControlFont::System, "", 0},
        {"hLettersC", ControlKind::BitmapStatic, 280, Window::Main, 160, 479, 18, 20, true, 250, 0, ControlFont::System, "", 0},
        {"hLettersD", ControlKind::BitmapStatic, 340, Window::Main, 200, 479, 17, 20, true, 310, 0, ControlFont::System, "", 0},
        {"hLettersE", ControlKind::BitmapStatic, 400, Window::Main, 237, 479, 16, 20, true, 370, 0, ControlFont::System, "", 0},
        {"hLettersF", ControlKind::BitmapStatic, 460, Window::Main, 274, 479, 15, 20, true, 430, 0, ControlFont::System, "", 0},
        {"hLettersG", ControlKind::BitmapStatic, 520, Window::Main, 309, 479, 19, 20, true, 490, 0, ControlFont::System, "", 0},
        {"hLettersH", ControlKind::BitmapStatic, 580, Window::Main, 349, 479, 16, 20, true, 550, 0, ControlFont::System, "", 0},
        {"hLettersI", ControlKind::BitmapStatic, 640, Window::Main, 380, 479, 14, 20, true, 610, 0, ControlFont::System, "", 0},
        {"hLettersJ", ControlKind::BitmapStatic, 700, Window::Main, 411, 479, 15, 20, true, 670, 0, ControlFont::System, "", 0},
        {"hLettersK", ControlKind::BitmapStatic, 760, Window::Main, 449, 479, 17, 20, true, 730, 0, ControlFont::System, "", 0},
        {"hLettersL", ControlKind::BitmapStatic, 820, Window::Main, 487, 479, 15, 20, true, 790, 0, ControlFont::System, "", 0},
        {"hLettersM", ControlKind::BitmapStatic, 880, Window::Main, 520, 479, 20, 20, true, 850, 0, ControlFont::System, "", 0},
        {"hLettersN", ControlKind::BitmapStatic, 940, Window::Main, 88, 512, 16, 20, true, 910, 0, ControlFont::System, "", 0},
        {"hLettersO", ControlKind::BitmapStatic, 1000, Window::Main, 126, 512, 19, 20, true, 970, 0, ControlFont::System, "", 0},
        {"hLettersP", ControlKind::BitmapStatic, 1060, Window::Main, 162, 512, 16, 20, true, 1030, 0, ControlFont::System, "", 0},
        {"hLettersQ", ControlKind::BitmapStatic, 1120, Window::Main, 198, 512, 20, 21, true, 1090, 0, ControlFont::System, "", 0},
        {"hLettersR", ControlKind::BitmapStatic, 1180, Window::Main, 237, 512, 16, 20, true, 1150, 0, ControlFont::System, "", 0},
        {"hLettersS", ControlKind::BitmapStatic, 1240, Window::Main, 272, 512, 17, 20, true, 1210, 0, ControlFont::System, "", 0},
        {"hLettersT", ControlKind::BitmapStatic, 1300, Window::Main, 311, 512, 16, 20, true, 1270, 0, ControlFont::System, "", 0},
        {"hLettersU", ControlKind::BitmapStatic, 1360, Window::Main, 349, 512, 17, 20, true, 1330, 0, ControlFont::System, "", 0},
        {"hLettersV", ControlKind::BitmapStatic, 1420, Window::Main, 379, 512, 19, 20, true, 1390, 0, ControlFont::System, "", 0},
        {"hLettersW", ControlKind::BitmapStatic, 1480, Window::Main, 408, 512, 26, 20, true, 1450, 0, ControlFont::System, "", 0},
        {"hLettersX", ControlKind::BitmapStatic, 1540, Window::Main, 448, 512, 17, 20, true, 1510, 0, ControlFont::System, "", 0},
        {"hLettersY", ControlKind::BitmapStatic, 1600, Window::Main, 485, 512, 18, 20, true, 1570, 0, ControlFont::System, "", 0},
        {"hLettersZ", ControlKind::BitmapStatic, 1660, Window::Main, 521, 512, 17, 20, true, 1630, 0, ControlFont::System, "", 0},
        {"hPOneScore", ControlKind::TextNoPrefix, 1690, Window::Main, 760, 118, 106, 18, true, 0, 0, ControlFont::System, "", 0},
        {"hPTwoScore", ControlKind::TextNoPrefix, 1720, Window::Main, 760, 241, 106, 18, true, 0, 0, ControlFont::System, "", 0},
        {"hPOneWins", ControlKind::TextNoPrefix, 1750, Window::Main, 760, 147, 40, 18, true, 0, 0, ControlFont::System, "", 0},
        {"hPTwoWins", ControlKind::TextNoPrefix, 1780, Window::Main, 760, 270, 40, 18, true, 0, 0, ControlFont::System, "", 0},
        {"hPOneLose", ControlKind::TextNoPrefix, 1810, Window::Main, 826, 147, 40, 18, true, 0, 0, ControlFont::System, "", 0},
        {"hPTwoLose", ControlKind::TextNoPrefix, 1840, Window::Main, 826, 270, 40, 18, true, 0, 0, ControlFont::System, "", 0},
        {"hPlayerWon", ControlKind::BitmapStatic, 3820, Window::Main, 125, 109, 82, 43, false, 3750, 0, ControlFont::System, "", 0},
        {"hCawWord", ControlKind::BitmapStatic, 4950, Window::Main, 457, 116, 53, 23, false, 3850, 0, ControlFont::System, "", 0},
        {"hGiveHint", ControlKind::TextCentred, 1930, Window::Main, 647, 517, 218, 20, true, 0, 0, ControlFont::DefaultGui, "", 0},
        {"hPuzzler", ControlKind::TextNoPrefix, 1960, Window::Main, 28, 38, 846, 25, true, 0, 0, ControlFont::Phrase, "", 0},
        {"hDblDash", ControlKind::TextSimple, 5500, Window::Main, 28, 38, 846, 25, true, 0, 0, ControlFont::Phrase, "", 0},
        {"hUsedBin", ControlKind::TextCentred, 4350, Window::Main, 668, 362, 60, 52, true, 0, 0, ControlFont::System, "", 0},
        {"hPlySmarts", ControlKind::TextNoPrefix, 4400, Window::Main, 845, 471, 14, 20, true, 0, 0, ControlFont::System, "7", 0},
        {"PopZero", ControlKind::BitmapStatic, 6100, Window::Main, 194, 83, 280, 376, false, 6050, 0, ControlFont::System, "", 0},
        {"PopOne", ControlKind::BitmapStatic, 2350, Window::Main, 331, 259, 48, 134, false, 2000, 0, ControlFont::System, "", 0},
        {"PopTwo", ControlKind::BitmapStatic, 2400, Window::Main, 285, 259, 46, 132, false, 2050, 0, ControlFont::System, "", 0},
        {"PopTre", ControlKind::BitmapStatic, 2450, Window::Main, 363, 142, 106, 47, false, 2100, 0, ControlFont::System, "", 0},
        {"PopFor", ControlKind::BitmapStatic, 2500, Window::Main, 194, 143, 104, 43, false, 2150, 0, ControlFont::System, "", 0},
        {"PopFiv", ControlKind::BitmapStatic, 2550, Window::Main, 298, 152, 65, 107, false, 2200, 0, ControlFont::System, "", 0},
        {"PopSix", ControlKind::BitmapStatic, 2600, Window::Main, 292, 82, 81, 70, false, 2250, 0, ControlFont::System, "", 0},
        {"hSolveMe", ControlKind::Edit, 4750, Window::Main, 150, 577, 333, 20, true, 0, 0, ControlFont::System, "", 0},
        {"hEditWord", ControlKind::Edit, 5300, Window::AddPuzzles, 261, 318, 284, 24, true, 0, 0, ControlFont::System, "", 38},
        {"hEditHint", ControlKind::Edit, 5250, Window::AddPuzzles, 261, 366, 252, 24, true, 0, 0, ControlFont::System, "", 34},
        // The tiles after Z, shown in the languages that have them, at the ledge's right end,
        // each with the socket it rests in; Ñ and Ü share a place, as no language has both.
        {"hLettersAE", ControlKind::BitmapStatic, 6300, Window::Main, 558, 477, 23, 24, false, 6270, 0, ControlFont::System, "", 0},
        {"hLettersNY", ControlKind::BitmapStatic, 6360, Window::Main, 558, 510, 20, 24, false, 6330, 0, ControlFont::System, "", 0},
        {"hLettersOE", ControlKind::BitmapStatic, 6420, Window::Main, 596, 477, 23, 24, false, 6390, 0, ControlFont::System, "", 0},
        {"hLettersUE", ControlKind::BitmapStatic, 6480, Window::Main, 558, 510, 21, 24, false, 6450, 0, ControlFont::System, "", 0},
        {"hLanguage", ControlKind::OwnerDrawnButton, 6700, Window::Main, 796, 3, 23, 19, true, 6600, 6650, ControlFont::System, "", 0},
    };
    // clang-format on
    return table;
}

const ControlRow* findControl(int id) {
    for (const ControlRow& control : controlTable()) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

const std::vector<BitmapSize>& oddBitmapSizes() {
    static const std::vector<BitmapSize> sizes = {
        {130, 19, 20}, {250, 19, 20}, {3850, 53, 30}, {5400, 115, 29}, {5450, 115, 29}};
    return sizes;
}

Rect shownRect(const ControlRow& row) {
    int width = row.width;
    int height = row.height;
    if (row.kind == ControlKind::BitmapStatic) {
        for (const BitmapSize& odd : oddBitmapSizes()) {
            if (odd.bitmap == row.bitmap) {
                width = odd.width;
                height = odd.height;
            }
        }
    }
    return {row.x, row.y, row.x + width, row.y + height};
}

} // namespace tallyrope
