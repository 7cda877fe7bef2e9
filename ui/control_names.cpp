#include "ui/control_names.h"

#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

const char* englishName(int id, bool soundOn) {
    switch (id) {
    case id::hPlayerOne:
        return englishText("1 Player");
    case id::hPlayerTwo:
        return englishText("2 Player");
    case id::hResetStats:
        return englishText("Reset Stats");
    case id::hAudioCntl:
        return soundOn ? englishText("Sound on") : englishText("Sound off");
    case id::hSkillCntl:
        return englishText("Skill");
    case id::hNewGame:
        return englishText("New Puzzle");
    case id::hShowWord:
        return englishText("Solution");
    case id::hMinimize:
        return englishText("Minimize");
    case id::hHelpMe:
        return englishText("Help");
    case id::hQuitGame:
        return englishText("Quit");
    case id::hPuzzled:
        return englishText("Solve Puzzle");
    case id::hMsgOkBut:
        return englishText("OK");
    case id::hConsole:
        return englishText("Puzzle console");
    case id::hAddPuzzle:
        return englishText("Add Puzzle");
    case id::hDelSelect:
        return englishText("Del");
    case id::hViewNext:
        return englishText("Review");
    case id::hNoCon:
        return englishText("Close console");
    case id::hSolveMe:
        return englishText("Solve: type the whole phrase");
    case id::hEditWord:
        return englishText("Phrase");
    case id::hEditHint:
        return englishText("Hint");
    case id::hLanguage:
        return englishText("Language");
    }
    return "";
}

} // namespace

const char* controlName(int id, bool soundOn, const std::string& code) {
    const char* english = englishName(id, soundOn);
    return *english == 0 ? english : translate(code, english);
}

} // namespace tallyrope
