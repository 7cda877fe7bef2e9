// The Linux program at scale 2 and 1.5 on the offscreen driver: windows, bitmaps and texts at the
// scale, every click reaching the rules at the tables' points.
#include "sdl_game.h"

#include "frontends/sdl/fonts.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tallyrope {
namespace {

using test::SdlGame;

// A display of 1920 x 1080 pixels, all of which windows may take.
int fullHdDisplay(int, SDL_Rect* area) {
    *area = {0, 0, 1920, 1080};
    return 0;
}

// SDL's dummy video driver while it lives: unlike the offscreen one, a display someone looks at.
class DummyVideo {
  public:
    DummyVideo() {
        if (const char* driver = std::getenv("SDL_VIDEODRIVER")) {
            before_ = driver;
        }
        setenv("SDL_VIDEODRIVER", "dummy", 1);
    }
    ~DummyVideo() {
        if (before_) {
            setenv("SDL_VIDEODRIVER", before_->c_str(), 1);
        } else {
            unsetenv("SDL_VIDEODRIVER");
        }
    }

  private:
    std::optional<std::string> before_;
};

// Tile B lies at (125, 479), 16 x 20, in the table; the middle of its row is y 489.
const int tileB = id::letterTile(1);

TEST(SdlScaleTwo, WindowsTilesAndPressedFacesSitAtTwiceTheirTablePoints) {
    SdlGame game("2");
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(game.frontEnd().ui.handle(Window::Main), &width, &height);
    EXPECT_EQ(width, 1800);
    EXPECT_EQ(height, 1240);
    // Table point (130, 486) is the tile's bitmap point (5, 7), four device pixels.
    for (Point device : {Point{260, 972}, Point{261, 973}}) {
        EXPECT_EQ(game.pixel(Window::Main, device), test::bitmapPixel(190, {5, 7}));
    }
    game.pressOn(id::hNewGame); // at (761, 329): its face point (20, 8) is table (781, 337)
    EXPECT_EQ(game.pixel(Window::Main, {1563, 675}), test::bitmapPixel(3500, {20, 8}));
}

TEST(SdlScaleTwo, OnAFullHdDisplayTheStartStepsDownUntilTheMainWindowFits) {
    const DummyVideo video;
    SdlGame game("2", fullHdDisplay);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(game.frontEnd().ui.handle(Window::Main), &width, &height);
    // At 1.74, the largest scale whose 620 rows fit 1080.
    EXPECT_EQ(width, 1566);
    EXPECT_EQ(height, 1079);
}

// The dummy driver's 1024 x 768 display, less a desktop's top panel 32 pixels high.
int displayWithATopPanel(int, SDL_Rect* area) {
    *area = {0, 32, 1024, 736};
    return 0;
}

TEST(SdlScaleOne, EveryWindowStartsWhollyInTheUsableArea) {
    const DummyVideo video;
    SdlGame game("1", displayWithATopPanel);
    // Each at its offsets from the display's middle, moved down below the panel where needed.
    const std::pair<Window, SDL_Point> starts[] = {
        {Window::Main, {62, 32}}, {Window::AddPuzzles, {162, 32}}, {Window::Message, {234, 34}}};
    for (const auto& [window, start] : starts) {
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(game.frontEnd().ui.handle(window), &x, &y);
        EXPECT_EQ(x, start.x);
        EXPECT_EQ(y, start.y);
    }
}

TEST(SdlScaleTwo, AnArrowKeyMovesTheWindowsByTwoTablePixels) {
    SdlGame game("2");
    SDL_Window* main = game.frontEnd().ui.handle(Window::Main);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(main, &x, &y);
    game.key(SDLK_RIGHT);
    game.key(SDLK_UP);
    int movedX = 0;
    int movedY = 0;
    SDL_GetWindowPosition(main, &movedX, &movedY);
    EXPECT_EQ(movedX - x, 4);
    EXPECT_EQ(movedY - y, -4);
}

TEST(SdlScaleTwo, AClickAtTwiceATilesMiddleGuessesItAndJustOutsideDoesNot) {
    SdlGame game("2");
    game.clickControl(id::hNewGame);
    game.click(Window::Main, {248, 978}); // table (124, 489), left of the tile
    game.click(Window::Main, {282, 978}); // table (141, 489), right of it
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ _   _ _ _");
    EXPECT_EQ(game.text(id::hUsedBin), std::string(28, ' ')) << "counted as a miss";
    game.click(Window::Main, {266, 978});
    EXPECT_EQ(game.text(id::hPuzzler), " B _ _   _ _ _");
}

TEST(SdlScaleOneAndAHalf, ATilesAndTheTitleStripsEdgesFallOnTheirTablePoints) {
    SdlGame game("1.5");
    game.clickControl(id::hNewGame);
    game.click(Window::Main, {187, 734}); // table 124.67
    game.click(Window::Main, {212, 734}); // table 141.33
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ _   _ _ _");
    game.click(Window::Main, {188, 734}); // table 125.33
    EXPECT_EQ(game.text(id::hPuzzler), " B _ _   _ _ _");

    SdlGame below("1.5");
    below.click(Window::Main, {8, 38}); // table row 25, below the strip
    EXPECT_FALSE(below.frontEnd().ui.screen().windowShown[2]);
    below.click(Window::Main, {8, 37}); // table row 24, the strip's last
    EXPECT_TRUE(below.frontEnd().ui.screen().windowShown[2]);
}

TEST(SdlScaleOneAndAHalf, TheSolveBoxStopsWhereItDoesAtScaleOne) {
    for (const char* scale : {"1.5", "2"}) {
        SdlGame game(scale);
        game.clickControl(id::hNewGame);
        game.clickControl(id::hSolveMe);
        game.typeText(std::string(40, 'W'));
        EXPECT_EQ(game.text(id::hSolveMe), std::string(27, 'W')) << "at scale " << scale;
    }
}

TEST(SdlScaleOneAndAHalf, AClickAndADragInTheSolveBoxMeetTheCharactersUnderThePointer) {
    // The solve box's text starts at table x 151; W after W of its Liberation Sans Bold ends at
    // 13, 25, 37, 49, 61, 73, 85, 97 ... table pixels from there. Its middle row is table y 587.
    struct Points {
        const char* scale;
        int afterFive;  // table x 212
        int afterTwo;   // 176
        int afterEight; // 248
        int row;
    };
    for (const Points& at : {Points{"2", 424, 352, 496, 1174}, Points{"1.5", 318, 264, 372, 881}}) {
        SdlGame game(at.scale);
        game.clickControl(id::hNewGame);
        game.clickControl(id::hSolveMe);
        game.typeText("WWWWWWWWWW");
        game.click(Window::Main, {at.afterFive, at.row});
        game.typeText("x");
        EXPECT_EQ(game.text(id::hSolveMe), "WWWWWxWWWWW") << "at scale " << at.scale;
        game.key(SDLK_a, KMOD_LCTRL);
        game.typeText("WWWWWWWWWW");
        game.drag(Window::Main, {at.afterTwo, at.row}, {at.afterEight, at.row});
        game.typeText("x");
        EXPECT_EQ(game.text(id::hSolveMe), "WWxWW") << "at scale " << at.scale;
    }
}

TEST(SdlScaleTwo, TextsAreDrawnAtTwiceTheirPointSize) {
    // The phrase's Liberation Mono Bold: 19 points, 22 pixels high, at 38 points 44 pixels high
    // and 22.8 pixels a character.
    const Fonts fonts{Scale(200)};
    TTF_Font* phrase = fonts.drawn(ControlFont::Phrase);
    int advance = 0;
    TTF_GlyphMetrics(phrase, '_', nullptr, nullptr, nullptr, nullptr, &advance);
    EXPECT_EQ(advance, 23);
    EXPECT_EQ(TTF_FontHeight(phrase), 44);
    EXPECT_EQ(TTF_FontHeight(fonts.font(ControlFont::Phrase)), 22) << "the rules' font moved";
}

} // namespace
} // namespace tallyrope
