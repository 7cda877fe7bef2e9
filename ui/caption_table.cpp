#include "ui/caption_table.h"

#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

constexpr CaptionAlign left = CaptionAlign::Left;
constexpr CaptionAlign centre = CaptionAlign::Centre;
constexpr CaptionAlign right = CaptionAlign::Right;
constexpr CaptionFace sans = CaptionFace::Sans;
constexpr CaptionFace bold = CaptionFace::SansBold;
constexpr CaptionFace serifBold = CaptionFace::SerifBold;
constexpr CaptionFace serifItalic = CaptionFace::SerifItalic;

// A button's caption: centred between 5-pixel margins of a button `width` by `height`, after
// its icon, 12 pixels and smaller down to 9.
CaptionRow face(Window window, int button, const char* text, int width, int height, int icon = 0) {
    return {window, button, text, {5 + icon, 0, width - 5, height}, bold, 12, centre, 1, 9};
}

// The same for a button too narrow for its name in every language.
CaptionRow face(Window window, int button, EnglishInContext text, int width, int height) {
    CaptionRow row = face(window, button, text.english, width, height);
    row.context = text.context;
    return row;
}

// A line of the console's notes: a button's name, then what it does.
CaptionRow note(const char* name, const char* meaning, int top) {
    return {Window::AddPuzzles, 0, meaning, {70, top, 650, top + 16}, sans, 12, left, 1, 0, name};
}

} // namespace

const std::vector<CaptionRow>& captionTable() {
    static const std::vector<CaptionRow> rows = {
        // The main window: its title strip, the players' panels, the tally, the solve row and
        // the brass plate.
        {Window::Main,
         0,
         englishText("a word-guessing game"),
         {120, 4, 782, 22},
         serifItalic,
         11,
         left},
        {Window::Main, 0, englishText("Player 1"), {658, 90, 870, 108}, serifBold, 15, left},
        {Window::Main, 0, englishText("Player 2"), {658, 213, 870, 231}, serifBold, 15, left},
        {Window::Main, 0, englishText("Points"), {658, 118, 752, 136}, bold, 12, right},
        {Window::Main, 0, englishText("Wins / Losses"), {658, 147, 752, 165}, bold, 12, right},
        {Window::Main, 0, englishText("Points"), {658, 241, 752, 259}, bold, 12, right},
        {Window::Main, 0, englishText("Wins / Losses"), {658, 270, 752, 288}, bold, 12, right},
        {Window::Main, 0, englishText("Used letters"), {654, 336, 742, 350}, bold, 11, centre},
        {Window::Main, 0, englishText("Hint"), {648, 503, 738, 517}, bold, 11, left},
        {Window::Main, 0, englishText("misses to lose"), {744, 503, 859, 517}, bold, 11, right},
        {Window::Main,
         0,
         englishText("Type the whole phrase here, then press Solve Puzzle"),
         {40, 555, 592, 569},
         bold,
         11,
         centre},
        {Window::Main,
         0,
         englishText("FELT"),
         {17, 492, 75, 502},
         CaptionFace::SansCondensedBold,
         8,
         centre},
        {Window::Main,
         0,
         englishText("Arrow keys move the window"),
         {666, 556, 874, 580},
         serifBold,
         11,
         centre},
        {Window::Main,
         0,
         englishText("?  opens the Tallyrope Guide"),
         {666, 580, 874, 604},
         serifBold,
         11,
         centre},
        face(Window::Main, id::hPlayerOne, englishText("1 Player"), 93, 30),
        face(Window::Main, id::hPlayerTwo, englishText("2 Player"), 93, 27),
        face(Window::Main, id::hResetStats, englishText("Reset Stats"), 102, 29),
        face(Window::Main, id::hAudioCntl, englishText("On/Off"), 102, 29, 21),
        face(Window::Main, id::hSkillCntl, englishText("Skill"), 79, 27),
        face(Window::Main, id::hNewGame, englishText("New Puzzle"), 102, 28),
        face(Window::Main, id::hShowWord, englishText("Solution"), 102, 28),
        face(Window::Main, id::hPuzzled, englishText("Solve Puzzle"), 115, 34),
        face(Window::Main, id::hConsole, englishText("S/H Con Panel"), 117, 34),

        // The console: its title strip, the notes on its use and the boxes' labels.
        {Window::AddPuzzles,
         0,
         englishText("puzzle control console"),
         {120, 4, 656, 24},
         serifItalic,
         11,
         left},
        {Window::AddPuzzles,
         0,
         englishText("THIS IS THE PUZZLE'S CONTROL CONSOLE"),
         {44, 52, 654, 72},
         serifBold,
         17,
         centre},
        {Window::AddPuzzles,
         0,
         englishText("Here you can add new puzzle phrases of up to 38 characters and give each "
                     "one a hint. You can also review the puzzles already stored and delete the "
                     "ones you no longer want."),
         {48, 94, 650, 134},
         sans,
         12,
         left,
         2},
        {Window::AddPuzzles,
         0,
         englishText("Please make sure that no game is in progress before you start."),
         {48, 142, 650, 158},
         bold,
         12,
         left},
        note(englishText("Add Puzzle"),
             englishText("stores the phrase and the hint typed below; the hint is optional."), 172),
        note(englishText("Review"), englishText("shows the stored puzzles one after another."),
             192),
        note(englishText("Del"), englishText("deletes the puzzle on view."), 212),
        {Window::AddPuzzles,
         0,
         englishText("A phrase may not contain \";\" and a hint may not contain \":\"."),
         {48, 242, 650, 258},
         sans,
         12,
         left},
        {Window::AddPuzzles,
         0,
         englishText("Your changes are kept when you leave the game with its quit button."),
         {48, 262, 650, 278},
         sans,
         12,
         left},
        {Window::AddPuzzles,
         0,
         englishText("Enter Puzzle Phrase (38 char)"),
         {26, 318, 252, 342},
         bold,
         12,
         right},
        {Window::AddPuzzles,
         0,
         englishText("Enter Hint (Optional) (34 char)"),
         {26, 366, 252, 390},
         bold,
         12,
         right},
        face(Window::AddPuzzles, id::hAddPuzzle, englishText("Add Puzzle"), 114, 29),
        face(Window::AddPuzzles, id::hDelSelect, englishTextIn("button face", "Del"), 42, 28),
        face(Window::AddPuzzles, id::hViewNext, englishText("Review"), 71, 28),

        // The message window: how to move the windows.
        {Window::Message, 0, englishText("a note"), {120, 4, 310, 22}, serifItalic, 11, left},
        {Window::Message,
         0,
         englishText("Please use keyboard arrow keys to reposition this window . . ."),
         {16, 35, 301, 63},
         bold,
         12,
         centre,
         2},
        face(Window::Message, id::hMsgOkBut, englishTextIn("button face", "OK"), 42, 25),
    };
    return rows;
}

const char* captionText(const CaptionRow& row, const std::string& code) {
    return row.context != nullptr ? translateIn(code, {row.context, row.text})
                                  : translate(code, row.text);
}

} // namespace tallyrope
