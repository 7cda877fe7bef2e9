// The program on displays of 144 and 192 DPI: windows, controls, bitmaps, captions and texts at 1.5
// and 2 times their table sizes, every click reaching the rules at the tables' points, and a move
// to a monitor of another DPI.
#include "game_copy.h"
#include "screen_pixels.h"
#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"
#include "ui/window_table.h"
#include "waiting.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace tallyrope::testing {
namespace {

struct Display {
    int dpi;
    int percent;
    SIZE mainClient;
    POINT mainFromScreenMiddle;
    RECT tileB; // in the main window's client area
    // Device pixels of the main window's client area: just left and right of tile B and its
    // middle on the row through it; the title strip's last row and the row below it.
    int leftOfB, rightOfB;
    Point middleOfB;
    int lastStripRow;
    int arrowStep; // twice the scale, in whole pixels
};

// Tile B lies at (125, 479), 16 x 20, in the table; its middle is (133, 489).
const Display displays[] = {
    {144, 150, {1350, 930}, {-675, -567}, {188, 719, 212, 749}, 187, 212, {200, 734}, 37, 3},
    {192, 200, {1800, 1240}, {-900, -756}, {250, 958, 282, 998}, 249, 282, {266, 978}, 49, 4},
};

const int tileB = id::letterTile(1);

// The first device pixel of a table point at `percent`, as the test reckons it.
int deviceOf(int table, int percent) {
    return (table * percent + 99) / 100;
}

RECT clientRectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The mean difference of the channels of `shown`, at the device pixel of each table point, from
// those of `bitmap`.
double meanDifference(const Pixels& shown, const Pixels& bitmap, int percent) {
    long long total = 0;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const DWORD a = shown.at(deviceOf(x, percent), deviceOf(y, percent));
            const DWORD b = bitmap.at(x, y);
            for (int shift : {0, 8, 16}) {
                total += std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                  static_cast<int>((b >> shift) & 0xFF));
            }
        }
    }
    return static_cast<double>(total) / (3.0 * bitmap.width * bitmap.height);
}

// The height and width of the dark text in a control.
SIZE inkOf(const GameCopy& game, int id) {
    const Pixels field = screenPixels(game.screenRect(game.control(id)));
    int top = field.height, bottom = -1, left = field.width, right = -1;
    for (int y = 0; y < field.height; ++y) {
        for (int x = 0; x < field.width; ++x) {
            const DWORD colour = field.at(x, y);
            if (((colour >> 16) & 0xFF) < 96 && ((colour >> 8) & 0xFF) < 96 &&
                (colour & 0xFF) < 96) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {right - left + 1, bottom - top + 1};
}

void putOnClipboard(const std::string& text) {
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(copy), text.c_str(), text.size() + 1);
    GlobalUnlock(copy);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, copy);
    CloseClipboard();
}

HWND focusOf(const GameCopy& game) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(game.window(Window::Main), nullptr), &info);
    return info.hwndFocus;
}

TEST(Dpi, WindowsAndControlsLieAtTheScaleTimesTheirTablePlacesAndMoveByTwiceIt) {
    for (const Display& display : displays) {
        SCOPED_TRACE(display.dpi);
        GameCopy game;
        ASSERT_TRUE(game.start(display.dpi));
        RECT client{};
        GetClientRect(game.window(Window::Main), &client);
        EXPECT_EQ(client.right, display.mainClient.cx);
        EXPECT_EQ(client.bottom, display.mainClient.cy);
        const RECT main = game.screenRect(game.window(Window::Main));
        EXPECT_EQ(main.left - GetSystemMetrics(SM_CXSCREEN) / 2, display.mainFromScreenMiddle.x);
        EXPECT_EQ(main.top - GetSystemMetrics(SM_CYSCREEN) / 2, display.mainFromScreenMiddle.y);
        EXPECT_TRUE(sameRect(clientRectInParent(game.control(tileB)), display.tileB));
        game.key(VK_RIGHT);
        EXPECT_EQ(game.screenRect(game.window(Window::Main)).left - main.left, display.arrowStep);
        for (const WindowRow& row : windowTable()) {
            GetClientRect(game.window(row.window), &client);
            EXPECT_EQ(client.right, deviceOf(row.width, display.percent)) << row.className;
            EXPECT_EQ(client.bottom, deviceOf(row.height, display.percent)) << row.className;
        }
        for (const ControlRow& row : controlTable()) {
            const Rect table = shownRect(row);
            const RECT expected{
                deviceOf(table.left, display.percent), deviceOf(table.top, display.percent),
                deviceOf(table.right, display.percent), deviceOf(table.bottom, display.percent)};
            EXPECT_TRUE(sameRect(clientRectInParent(game.control(row.id)), expected)) << row.handle;
        }
    }
}

// Laptop screens at their usual scales. Each window starts at its offsets from the screen's
// middle wherever that puts it wholly on the screen, and is otherwise moved the least way onto
// it: the title strips always show.
struct SmallScreen {
    SIZE screen;
    int dpi;
    RECT main;
    POINT console; // its top-left corner
};

const SmallScreen smallScreens[] = {
    {{1366, 768}, 96, {233, 6, 1133, 626}, {333, 0}},
    {{1366, 768}, 144, {130, 0, 1237, 763}, {253, 0}}, // stepped down to 123 %
    {{1920, 1080}, 120, {398, 68, 1523, 843}, {523, 0}},
    {{1280, 1024}, 192, {1, 0, 1279, 881}, {143, 0}}, // 142 %
    {{2560, 1600}, 192, {380, 44, 2180, 1284}, {580, 0}},
};

TEST(Dpi, OnLaptopScreensEveryWindowStartsWhollyOnTheScreen) {
    for (const SmallScreen& small : smallScreens) {
        SCOPED_TRACE(std::to_string(small.screen.cx) + "x" + std::to_string(small.screen.cy) +
                     " at " + std::to_string(small.dpi));
        GameCopy game;
        ASSERT_TRUE(game.start(small.dpi, small.screen));
        EXPECT_TRUE(sameRect(game.screenRect(game.window(Window::Main)), small.main));
        game.press(id::hConsole);
        ASSERT_TRUE(game.shown(Window::AddPuzzles));
        const RECT console = game.screenRect(game.window(Window::AddPuzzles));
        EXPECT_EQ(console.left, small.console.x);
        EXPECT_EQ(console.top, small.console.y);
    }
}

TEST(Dpi, BitmapsAreDrawnAtTheScaleWholeAtTwice) {
    const ControlRow& newPuzzle = *findControl(id::hNewGame);
    for (const Display& display : displays) {
        SCOPED_TRACE(display.dpi);
        GameCopy game;
        ASSERT_TRUE(game.start(display.dpi));
        const ProgramBitmaps program(game);
        // Smoothing at 1.5 blends each pixel with its neighbours, by 7 on the tile and 5 on the
        // face; a device pixel out of place, they differ by 23 and 12.
        const double allowed = display.percent == 200 ? 0 : 10;
        const Pixels tile = program.bitmap(findControl(tileB)->bitmap);
        EXPECT_TRUE(waitUntil([&] {
            return meanDifference(screenPixels(game.screenRect(game.control(tileB))), tile,
                                  display.percent) <= allowed;
        }));
        // Smoothed, a fraction shows colours between the bitmap's, on the tiles and the faces
        // alike; whole, none does.
        const auto blends = [](const Pixels& shown, const Pixels& bitmap) {
            const std::set<DWORD> colours(bitmap.colours.begin(), bitmap.colours.end());
            return std::count_if(shown.colours.begin(), shown.colours.end(),
                                 [&](DWORD colour) { return colours.count(colour) == 0; });
        };
        EXPECT_EQ(blends(screenPixels(game.screenRect(game.control(tileB))), tile) > 0,
                  display.percent == 150);
        game.send(game.control(id::hNewGame), BM_SETSTATE, TRUE);
        // Around its caption, which is written at the scale.
        const Pixels pressed = withoutCaption(program.bitmap(newPuzzle.pressedBitmap));
        const auto shownFace = [&] {
            return withoutCaption(screenPixels(game.screenRect(game.control(id::hNewGame))),
                                  display.percent);
        };
        EXPECT_TRUE(waitUntil(
            [&] { return meanDifference(shownFace(), pressed, display.percent) <= allowed; }));
        EXPECT_EQ(blends(shownFace(), pressed) > 0, display.percent == 150);
    }
}

// The pixels of `pixels` within 40 of `ink` in every channel, from their top-left corner.
using Mask = std::set<std::pair<int, int>>;
Mask inkMask(const Pixels& pixels, DWORD ink) {
    Mask found;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const DWORD colour = pixels.at(x, y);
            bool within = true;
            for (int shift : {0, 8, 16}) {
                within = within && std::abs(static_cast<int>((colour >> shift) & 0xFF) -
                                            static_cast<int>((ink >> shift) & 0xFF)) <= 40;
            }
            if (within) {
                found.insert({y, x});
            }
        }
    }
    Mask placed;
    int left = pixels.width;
    for (const auto& [y, x] : found) {
        left = std::min(left, x);
    }
    for (const auto& [y, x] : found) {
        placed.insert({y - found.begin()->first, x - left});
    }
    return placed;
}

// `text` written in `ink` on `paper` in DejaVu Sans Bold with an em of `pixels`, then stretched
// by `stretch` as a picture is.
Pixels written(const char* text, int pixels, double stretch, DWORD ink, DWORD paper) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 240, -40, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP page = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC drawing = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(drawing, page);
    const RECT all{0, 0, 240, 40};
    HBRUSH fill = CreateSolidBrush(RGB(paper >> 16, (paper >> 8) & 0xFF, paper & 0xFF));
    FillRect(drawing, &all, fill);
    DeleteObject(fill);
    HFONT font = CreateFontA(-pixels, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                             0, ANTIALIASED_QUALITY, 0, "DejaVu Sans");
    HGDIOBJ fontBefore = SelectObject(drawing, font);
    SetTextColor(drawing, RGB(ink >> 16, (ink >> 8) & 0xFF, ink & 0xFF));
    SetBkMode(drawing, TRANSPARENT);
    TextOutA(drawing, 4, 4, text, static_cast<int>(std::strlen(text)));
    SelectObject(drawing, fontBefore);
    DeleteObject(font);
    const int width = static_cast<int>(240 * stretch);
    const int height = static_cast<int>(40 * stretch);
    HDC screen = GetDC(nullptr);
    HBITMAP stretched = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HDC target = CreateCompatibleDC(nullptr);
    HGDIOBJ targetBefore = SelectObject(target, stretched);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, width, height, drawing, 0, 0, 240, 40, SRCCOPY);
    Pixels shown = pixelsOf(target, 0, 0, width, height);
    SelectObject(target, targetBefore);
    DeleteDC(target);
    DeleteObject(stretched);
    SelectObject(drawing, before);
    DeleteDC(drawing);
    DeleteObject(page);
    return shown;
}

// How much two masks share: what lies in both over what lies in either.
double overlap(const Mask& a, const Mask& b) {
    std::size_t both = 0;
    for (const auto& point : a) {
        both += b.count(point);
    }
    return static_cast<double>(both) / static_cast<double>(a.size() + b.size() - both);
}

TEST(Dpi, CaptionsAndFieldFramesAreSharpAtOneAndAHalf) {
    GameCopy game;
    ASSERT_TRUE(game.start(144));
    const ProgramBitmaps program(game);
    program.addFonts();
    const RECT main = game.screenRect(game.window(Window::Main));
    const auto face = [&] { return screenPixels(game.screenRect(game.control(id::hNewGame))); };
    // The used letters' panel above its field, at 1.5 times (654, 330) to (742, 352).
    const auto panel = [&] {
        return screenPixels({main.left + 981, main.top + 495, main.left + 1113, main.top + 528});
    };
    // Each caption in its ink on the colour beside it: the face's mahogany, the panel's paper.
    const DWORD cream = 0xFFF3D6;
    const DWORD ink = 0x2B1D12;
    const DWORD mahogany = program.bitmap(findControl(id::hNewGame)->bitmap).at(6, 14);
    const DWORD paper = program.bitmap(windowRow(Window::Main).background).at(657, 333);
    const auto reference = [](const char* text, int pixels, double stretch, DWORD ink,
                              DWORD paper) {
        return inkMask(written(text, pixels, stretch, ink, paper), ink);
    };
    const Mask sharpNewPuzzle = reference("New Puzzle", 18, 1.0, cream, mahogany);
    const Mask sharpUsed = reference("Used letters", 17, 1.0, ink, paper);
    // The way the captions were drawn, stretched from scale 1, is far from the sharp writing.
    EXPECT_LT(overlap(reference("New Puzzle", 12, 1.5, cream, mahogany), sharpNewPuzzle), 0.8);
    EXPECT_LT(overlap(reference("Used letters", 11, 1.5, ink, paper), sharpUsed), 0.8);
    // Written at the scale, each matches the sharp writing nearly pixel for pixel.
    EXPECT_TRUE(waitUntil([&] { return overlap(inkMask(face(), cream), sharpNewPuzzle) > 0.95; }));
    EXPECT_TRUE(waitUntil([&] { return overlap(inkMask(panel(), ink), sharpUsed) > 0.95; }));
    // The light edge under Player 1's points, table row 136, in its own colour, as is the dark
    // one above them, row 117.
    const Pixels points =
        screenPixels({main.left + 1200, main.top + 176, main.left + 1201, main.top + 206});
    EXPECT_EQ(points.at(0, 0), 0x604E34u);
    EXPECT_EQ(points.at(0, 28), 0xFFFAEAu);
}

TEST(Dpi, TextsAreDrawnAtTheScaleTimesTheirSize) {
    GameCopy unscaled;
    ASSERT_TRUE(unscaled.start(96));
    unscaled.press(id::hNewGame);
    const SIZE score = inkOf(unscaled, id::hPOneScore);
    const SIZE hint = inkOf(unscaled, id::hGiveHint);
    const SIZE phrase = inkOf(unscaled, id::hPuzzler);
    for (const Display& display : displays) {
        SCOPED_TRACE(display.dpi);
        GameCopy game;
        ASSERT_TRUE(game.start(display.dpi));
        game.press(id::hNewGame);
        const double factor = display.percent / 100.0;
        // Heights within a pixel of the scale's multiple; widths no more than it.
        EXPECT_NEAR(inkOf(game, id::hPOneScore).cy, factor * score.cy, 1.0);
        EXPECT_NEAR(inkOf(game, id::hGiveHint).cy, factor * hint.cy, 1.0);
        const LONG phraseWidth = inkOf(game, id::hPuzzler).cx;
        EXPECT_LE(phraseWidth, factor * phrase.cx);
        EXPECT_GE(phraseWidth, (factor - 0.1) * phrase.cx);
    }
    // A netbook's screen at 120 DPI holds the windows only at scale 1: the texts keep their
    // sizes at 96, though the stock fonts are made larger for the system's DPI.
    GameCopy netbook;
    ASSERT_TRUE(netbook.start(120, {1024, 600}));
    netbook.press(id::hNewGame);
    EXPECT_EQ(inkOf(netbook, id::hPOneScore).cy, score.cy);
    EXPECT_EQ(inkOf(netbook, id::hGiveHint).cy, hint.cy);
    EXPECT_EQ(inkOf(netbook, id::hPuzzler).cx, phrase.cx);
}

TEST(Dpi, ClicksReachTheRulesAtTheTablesPointsAndLeaveTheBytesOf96) {
    for (const Display& display : displays) {
        SCOPED_TRACE(display.dpi);
        GameCopy game;
        ASSERT_TRUE(game.start(display.dpi));
        const auto messageShown = [&] {
            return IsWindowVisible(game.window(Window::Message)) != FALSE;
        };
        game.click(Window::Main, {8, display.lastStripRow + 1});
        EXPECT_FALSE(messageShown());
        game.click(Window::Main, {8, display.lastStripRow});
        EXPECT_TRUE(messageShown());

        game.press(id::hNewGame);
        game.click(Window::Main, {display.leftOfB, display.middleOfB.y});
        game.click(Window::Main, {display.rightOfB, display.middleOfB.y});
        EXPECT_EQ(game.text(id::hPuzzler), " _ _ _   _ _ _");
        EXPECT_EQ(game.text(id::hUsedBin), std::string(28, ' ')) << "counted as a miss";
        game.click(Window::Main, display.middleOfB);
        EXPECT_EQ(game.text(id::hPuzzler), " B _ _   _ _ _");

        // The rest of the round won by clicks at the tiles' middles, then the quit.
        for (char letter : std::string("IGTOP")) {
            game.clickControl(id::letterTile(letter - 'A'));
        }
        game.post(id::hQuitGame);
        DWORD exitCode = 1;
        ASSERT_TRUE(game.waitForExit(exitCode, answerTimeout));
        EXPECT_EQ(game.file("TRData.dat"), purgeNotice);
        EXPECT_EQ(game.file("OnLoad.dat"), scramble(onlyPuzzle));
        EXPECT_EQ(game.file("TRStats.dat"), "190 4 2 40 1 5");
    }
}

TEST(Dpi, TheSolveBoxStopsWhereItDoesAt96) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string typed = alphabet + alphabet;
    // What the box takes at 96 DPI; at 192 the scaled text of the last letter passes the box's
    // own edge.
    const std::string taken = typed.substr(0, 43);
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        GameCopy game;
        ASSERT_TRUE(game.start(dpi));
        HWND solveBox = game.control(id::hSolveMe);
        for (char character : typed) {
            game.send(solveBox, WM_CHAR, static_cast<unsigned char>(character), 1);
        }
        EXPECT_EQ(game.text(id::hSolveMe), taken);
        putOnClipboard(typed);
        game.type(id::hSolveMe, "");
        game.send(solveBox, WM_PASTE);
        EXPECT_EQ(game.text(id::hSolveMe), taken) << "pasted";
        // A box of one line takes a pasted text's first line, without its line break.
        putOnClipboard("big top\r\nsecond line");
        game.type(id::hSolveMe, "");
        game.send(solveBox, WM_PASTE);
        EXPECT_EQ(game.text(id::hSolveMe), "big top") << "pasted with CR LF";
    }
}

TEST(Dpi, AMoveToAMonitorOf192RelaysTheWindowsAndKeepsTheRound) {
    GameCopy game;
    ASSERT_TRUE(game.start(96));
    game.press(id::hNewGame);
    game.clickControl(id::letterTile('G' - 'A'));
    const SIZE score = inkOf(game, id::hPOneScore);
    const SIZE phrase = inkOf(game, id::hPuzzler);
    HWND solveBox = game.control(id::hSolveMe);
    const LPARAM inBox = MAKELPARAM(5, 5);
    game.send(solveBox, WM_LBUTTONDOWN, MK_LBUTTON, inBox);
    game.send(solveBox, WM_LBUTTONUP, 0, inBox);
    for (char character : std::string("big")) {
        game.send(solveBox, WM_CHAR, static_cast<unsigned char>(character), 1);
    }
    ASSERT_EQ(focusOf(game), solveBox);

    const RECT suggested{100, 60, 1900, 1300};
    game.send(game.window(Window::Main), WM_DPICHANGED, MAKEWPARAM(192, 192), suggested);
    const RECT main = game.screenRect(game.window(Window::Main));
    EXPECT_TRUE(sameRect(main, suggested));
    EXPECT_TRUE(sameRect(clientRectInParent(game.control(tileB)), displays[1].tileB));
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ G   _ _ _");
    EXPECT_FALSE(game.visible(id::letterTile('G' - 'A')));
    EXPECT_EQ(game.text(id::hSolveMe), "big");
    EXPECT_EQ(focusOf(game), solveBox);
    // The background drawn once at twice its size, not its 96-DPI picture tiled.
    const ProgramBitmaps program(game);
    const Pixels background = program.bitmap(windowRow(Window::Main).background);
    EXPECT_TRUE(waitUntil([&] {
        const Pixels shown = screenPixels(main);
        for (const POINT point : {POINT{100, 200}, POINT{620, 300}, POINT{5, 615}}) {
            if (shown.at(2 * point.x, 2 * point.y) != background.at(point.x, point.y)) {
                return false;
            }
        }
        return true;
    }));
    // The texts in their fonts at twice their size: the phrase's own, not the System font.
    EXPECT_NEAR(inkOf(game, id::hPOneScore).cy, 2 * score.cy, 1);
    const SIZE phraseAfter = inkOf(game, id::hPuzzler);
    EXPECT_NEAR(phraseAfter.cy, 2 * phrase.cy, 1);
    EXPECT_LE(phraseAfter.cx, 2 * phrase.cx);
    EXPECT_GE(phraseAfter.cx, 1.9 * phrase.cx);
    game.click(Window::Main, displays[1].middleOfB);
    EXPECT_EQ(game.text(id::hPuzzler), " B _ G   _ _ _");
}

} // namespace
} // namespace tallyrope::testing
