#include "ui/caption_table.h"

#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

constexpr CaptionAlign left = CaptionAlign::Left;
constexpr CaptionAlign centre = CaptionAlign::Centre;
constexpr CaptionAlign right = CaptionAlign::Right;
constexpr CaptionAnchor baseline = CaptionAnchor::Baseline;
constexpr CaptionAnchor middle = CaptionAnchor::Middle;
constexpr CaptionFace sans = CaptionFace::Sans;
constexpr CaptionFace bold = CaptionFace::SansBold;
constexpr CaptionFace serifBold = CaptionFace::SerifBold;
constexpr CaptionFace serifItalic = CaptionFace::SerifItalic;

// The palette's inks.
constexpr CaptionColour cream{255, 243, 214};
constexpr CaptionColour brassLight{236, 206, 120};
constexpr CaptionColour ink{43, 29, 18};
constexpr CaptionColour inkRed{140, 38, 30};
constexpr CaptionColour walnutDark{36, 22, 12};
constexpr CaptionColour feltBrown{96, 62, 32};
constexpr CaptionColour buttonShadow{30, 14, 6};

// A title strip's motto, after the game's name.
CaptionRow motto(Window window, const char* text, int right, int y) {
    return {window,   0,         text,      {120, 4, right, y + 4}, serifItalic, 11, left,
            baseline, double(y), brassLight};
}

// A caption in cream with a dark shadow, as on the wood.
CaptionRow onWood(const char* text, Rect box, CaptionAlign align) {
    return {Window::Main, 0, text, box, bold, 11, align, baseline, 512.0, cream, true, walnutDark};
}

// A field's label, in ink, right-aligned and centred on the field's height.
CaptionRow label(Window window, const char* text, Rect box) {
    return {window, 0, text, box, bold, 12, right, middle, (box.top + box.bottom) / 2.0, ink};
}

// A line of the console's notes in ink.
CaptionRow line(const char* text, int y, CaptionFace face = sans, CaptionColour colour = ink) {
    return {Window::AddPuzzles, 0,         text,  {48, y - 14, 650, y + 2}, face, 12, left,
            baseline,           double(y), colour};
}

// A button's caption: centred between 5-pixel margins of a button `width` by `height`, after
// its icon, 12 pixels and smaller down to 9.
CaptionRow face(Window window, int button, const char* text, int width, int height) {
    return {window,
            button,
            text,
            {5, 0, width - 5, height},
            bold,
            12,
            centre,
            middle,
            height / 2.0,
            cream,
            true,
            buttonShadow,
            1,
            0,
            9};
}

// The same for a button too narrow for its name in every language.
CaptionRow face(Window window, int button, EnglishInContext text, int width, int height) {
    CaptionRow row = face(window, button, text.english, width, height);
    row.context = text.context;
    return row;
}

// A speech bubble's words in red ink, centred on `middle` of the bubble's picture and smaller
// down to `smallest` to fit its body.
CaptionRow bubble(int control, const char* text, Rect body, double middle, CaptionFace face,
                  int size, int smallest) {
    return {Window::Main, control, text,  body, face, size, centre,  CaptionAnchor::Middle,
            middle,       inkRed,  false, {},   1,    0,    smallest};
}

// A line of the console's notes on its buttons: a button's name, then what it does.
CaptionRow note(const char* name, const char* meaning, int y) {
    CaptionRow row = line(meaning, y);
    row.box.left = 70;
    row.lead = name;
    return row;
}

} // namespace

const std::vector<CaptionRow>& captionTable() {
    static const std::vector<CaptionRow> rows = [] {
        CaptionRow sound = face(Window::Main, id::hAudioCntl, englishText("On/Off"), 102, 29);
        // After the loudspeaker, which stays where it is.
        sound.box.left = 39;
        sound.align = left;
        CaptionRow plaque = {Window::Main,
                             0,
                             englishText("Arrow keys move the window"),
                             {666, 556, 874, 580},
                             serifBold,
                             11,
                             centre,
                             middle,
                             568.0,
                             walnutDark,
                             true,
                             brassLight};
        CaptionRow guide = plaque;
        guide.text = englishText("?  opens the Tallyrope Guide");
        guide.box = {666, 580, 874, 604};
        guide.y = 592.0;
        CaptionRow introduction =
            line(englishText("Here you can add new puzzle phrases of up to 38 characters and give "
                             "each one a hint. You can also review the puzzles already stored and "
                             "delete the ones you no longer want."),
                 108);
        introduction.lines = 2;
        introduction.lineStep = 20;
        CaptionRow moving = {Window::Message,
                             0,
                             englishText("Please use keyboard arrow keys to reposition this "
                                         "window . . ."),
                             {15, 35, 301, 63},
                             bold,
                             12,
                             centre,
                             baseline,
                             47.0,
                             ink};
        moving.lines = 2;
        moving.lineStep = 14;
        return std::vector<CaptionRow>{
            // The main window: its title strip, the players' panels, the tally, the solve row
            // and the brass plate.
            motto(Window::Main, englishText("a word-guessing game"), 782, 18),
            {Window::Main,
             0,
             englishText("Player 1"),
             {658, 90, 870, 108},
             serifBold,
             15,
             left,
             baseline,
             105.0,
             inkRed},
            {Window::Main,
             0,
             englishText("Player 2"),
             {658, 213, 870, 231},
             serifBold,
             15,
             left,
             baseline,
             228.0,
             inkRed},
            label(Window::Main, englishText("Points"), {658, 118, 752, 136}),
            label(Window::Main, englishText("Wins / Losses"), {658, 147, 752, 165}),
            label(Window::Main, englishText("Points"), {658, 241, 752, 259}),
            label(Window::Main, englishText("Wins / Losses"), {658, 270, 752, 288}),
            {Window::Main,
             0,
             englishText("Used letters"),
             {654, 336, 742, 350},
             bold,
             11,
             centre,
             baseline,
             348.0,
             ink},
            onWood(englishText("Hint"), {648, 503, 738, 517}, left),
            onWood(englishText("misses to lose"), {744, 503, 859, 517}, right),
            [] {
                CaptionRow row =
                    onWood(englishText("Type the whole phrase here, then press Solve Puzzle"),
                           {40, 555, 592, 569}, centre);
                row.y = 567.0;
                return row;
            }(),
            {Window::Main,
             0,
             englishText("FELT"),
             {17, 495, 75, 505},
             CaptionFace::SansCondensedBold,
             8,
             centre,
             middle,
             500.0,
             feltBrown},
            plaque,
            guide,
            face(Window::Main, id::hPlayerOne, englishText("1 Player"), 93, 30),
            face(Window::Main, id::hPlayerTwo, englishText("2 Player"), 93, 27),
            face(Window::Main, id::hResetStats, englishText("Reset Stats"), 102, 29),
            sound,
            face(Window::Main, id::hSkillCntl, englishText("Skill"), 79, 27),
            face(Window::Main, id::hNewGame, englishText("New Puzzle"), 102, 28),
            face(Window::Main, id::hShowWord, englishText("Solution"), 102, 28),
            face(Window::Main, id::hPuzzled, englishText("Solve Puzzle"), 115, 34),
            face(Window::Main, id::hConsole, englishText("S/H Con Panel"), 117, 34),
            // The figure's cheer and the crow's.
            bubble(id::hPlayerWon, englishText("YOU WIN!"), {4, 0, 72, 30}, 16.0, bold, 12, 8),
            bubble(id::hCawWord, englishText("CAAAW!"), {4, 0, 48, 21}, 12.0,
                   CaptionFace::SansCondensedBold, 10, 7),

            // The console: its title strip, the notes on its use and the boxes' labels.
            motto(Window::AddPuzzles, englishText("puzzle control console"), 656, 20),
            {Window::AddPuzzles,
             0,
             englishText("THIS IS THE PUZZLE'S CONTROL CONSOLE"),
             {44, 52, 654, 72},
             serifBold,
             17,
             centre,
             baseline,
             70.0,
             inkRed},
            introduction,
            line(englishText("Please make sure that no game is in progress before you start."), 156,
                 bold, inkRed),
            note(englishText("Add Puzzle"),
                 englishText("stores the phrase and the hint typed below; the hint is optional."),
                 186),
            note(englishText("Review"), englishText("shows the stored puzzles one after another."),
                 206),
            note(englishText("Del"), englishText("deletes the puzzle on view."), 226),
            line(englishText("A phrase may not contain \";\" and a hint may not contain \":\"."),
                 256),
            line(englishText("Your changes are kept when you leave the game with its quit button."),
                 276),
            label(Window::AddPuzzles, englishText("Enter Puzzle Phrase (38 char)"),
                  {26, 318, 252, 342}),
            label(Window::AddPuzzles, englishText("Enter Hint (Optional) (34 char)"),
                  {26, 366, 252, 390}),
            face(Window::AddPuzzles, id::hAddPuzzle, englishText("Add Puzzle"), 114, 29),
            face(Window::AddPuzzles, id::hDelSelect, englishTextIn("button face", "Del"), 42, 28),
            face(Window::AddPuzzles, id::hViewNext, englishText("Review"), 71, 28),

            // The message window: how to move the windows.
            motto(Window::Message, englishText("a note"), 310, 18),
            moving,
            face(Window::Message, id::hMsgOkBut, englishTextIn("button face", "OK"), 42, 25),
        };
    }();
    return rows;
}

const char* captionText(const CaptionRow& row, const std::string& code) {
    return row.context != nullptr ? translateIn(code, {row.context, row.text})
                                  : translate(code, row.text);
}

} // namespace tallyrope
