#include "ui/control_names.h"

#include "ui/control_ids.h"

namespace tallyrope {

const char* controlName(int id, bool soundOn) {
    switch (id) {
    case id::hPlayerOne:
        return "1 Player";
    case id::hPlayerTwo:
        return "2 Player";
    case id::hResetStats:
        return "Reset Stats";
    case id::hAudioCntl:
        return soundOn ? "Sound on" : "Sound off";
    case id::hSkillCntl:
        return "Skill";
    case id::hNewGame:
        return "New Puzzle";
    case id::hShowWord:
        return "Solution";
    case id::hMinimize:
        return "Minimize";
    case id::hHelpMe:
        return "Help";
    case id::hQuitGame:
        return "Quit";
    case id::hPuzzled:
        return "Solve Puzzle";
    case id::hMsgOkBut:
        return "OK";
    case id::hConsole:
        return "Puzzle console";
    case id::hAddPuzzle:
        return "Add Puzzle";
    case id::hDelSelect:
        return "Del";
    case id::hViewNext:
        return "Review";
    case id::hNoCon:
        return "Close console";
    case id::hSolveMe:
        return "Solve: type the whole phrase";
    case id::hEditWord:
        return "Phrase";
    case id::hEditHint:
        return "Hint";
    case id::hLanguage:
        return "Language";
    }
    return "";
}

} // namespace tallyrope
