// What the C++ side asks of the page; page_library.js realises each call. Texts go as
// Windows-1252 bytes with their length, and the page turns them into characters.
#pragma once

extern "C" {
void tr_page_makeWindow(int window, int background, int width, int height, int left, int top);
void tr_page_makeControl(int id, int kind, int window, int x, int y, int width, int height,
                         int visible, int bitmap, int pressedBitmap, int font, const char* text,
                         int textLength, int textLimit);
// What a screen reader calls control `id`, in the language in play.
void tr_page_nameControl(int id, const char* name, int nameLength);
void tr_page_setText(int id, const char* text, int length);
// Caption `index` of the desktop picture: its window, control (0 for the background), box (four),
// face, size, alignment, anchor, height in hundredths, ink, shadowed, shadow, lines, line step
// and smallest size, then its words and the button name that leads them.
void tr_page_caption(int index, const int* fields, const char* text, int textLength,
                     const char* lead, int leadLength);
int tr_page_textLength(int id);
// Copies the box's text into `buffer`, which holds tr_page_textLength bytes.
void tr_page_copyText(int id, char* buffer);
void tr_page_emptyEdit(int id);
void tr_page_showControl(int id, int visible);
void tr_page_showWindow(int window, int visible);
void tr_page_placeWindow(int window, int left, int top);
void tr_page_giveFocus(int window);
void tr_page_beep();
void tr_page_playSound(int waveId);
void tr_page_minimize();
// Opens a page of the guide in a new tab; 0 when the browser refused.
int tr_page_openHelp(const char* url);
void tr_page_messageBox(const char* text, int textLength, const char* caption, int captionLength);
void tr_page_endRun();
// Tells screen readers through the live region; `ended` when the guess ended the round.
void tr_page_announce(const char* text, int length, int ended);
// The sound button's state and the name a screen reader gives it.
void tr_page_soundSwitch(int on, const char* name, int nameLength);
// The player credited with the round: 1 or 2.
void tr_page_playerChosen(int player);
// The misses the round in play still allows; -1 between rounds.
void tr_page_roundState(int missesLeft);
// The browser's preferred languages, comma-separated ("de-DE,de,en"), in memory that the
// caller frees.
char* tr_page_systemLanguages();
// Language `index` of those the game ships, by its code and its name.
void tr_page_addLanguage(int index, const char* code, const char* name, int nameLength);
// The language in play, and its ledge's tiles in their order; the controls have just been named
// in it.
void tr_page_languageInPlay(int index, const char* tiles, int tilesLength);
// The language button was pressed: the page offers the languages, the one in play marked, and
// hands the choice to tr_chooseLanguage.
void tr_page_offerLanguages(int current);
}
