// What reaches the screen: window backgrounds, button faces normal and pressed, and the
// light-grey text fields, compared pixel for pixel with the bitmaps inside the program file.
#include "game_copy.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"
#include "ui/window_table.h"
#include "waiting.h"

#include <gtest/gtest.h>
#include <vector>

namespace tallyrope::testing {
namespace {

// Pixels as 0x00RRGGBB, rows top-down.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> colours;

    DWORD at(int x, int y) const { return colours[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Pixels& other) const {
        return width == other.width && height == other.height && colours == other.colours;
    }
};

Pixels pixelsOf(HDC source, int x, int y, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    Pixels pixels{width, height, {}};
    const auto* colours = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.colours.push_back(colours[i] & 0xFFFFFF);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(copy);
    return pixels;
}

Pixels screenPixels(const RECT& rect) {
    HDC screen = GetDC(nullptr);
    Pixels pixels =
        pixelsOf(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(nullptr, screen);
    return pixels;
}

class Drawing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(game.start());
        program = LoadLibraryExA((game.folder() + "tallyrope.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program, nullptr);
    }
    void TearDown() override { FreeLibrary(program); }

    Pixels bitmap(int id) const {
        HBITMAP loaded = static_cast<HBITMAP>(
            LoadImageA(program, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP size{};
        GetObjectA(loaded, sizeof size, &size);
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(memory, loaded);
        Pixels pixels = pixelsOf(memory, 0, 0, size.bmWidth, size.bmHeight);
        SelectObject(memory, previous);
        DeleteDC(memory);
        DeleteObject(loaded);
        return pixels;
    }

    // Waits for the control's face on screen to equal `expected`.
    bool faceShows(int id, const Pixels& expected) const {
        return waitUntil(
            [&] { return screenPixels(game.screenRect(game.control(id))) == expected; });
    }

    GameCopy game;
    HMODULE program = nullptr;
};

TEST_F(Drawing, ButtonsShowTheirPressedFaceOnlyWhileHeldDown) {
    for (int id : {id::hNewGame, id::hPuzzled, id::hQuitGame, id::hPlayerOne}) {
        const ControlRow& row = *findControl(id);
        SCOPED_TRACE(row.handle);
        HWND button = game.control(id);
        ASSERT_FALSE(bitmap(row.bitmap) == bitmap(row.pressedBitmap));
        EXPECT_TRUE(faceShows(id, bitmap(row.bitmap)));
        game.send(button, BM_SETSTATE, TRUE);
        EXPECT_TRUE(faceShows(id, bitmap(row.pressedBitmap)));
        game.send(button, BM_SETSTATE, FALSE);
        EXPECT_TRUE(faceShows(id, bitmap(row.bitmap)));
    }
}

TEST_F(Drawing, TheBackgroundIsTheWindowsBitmap) {
    const Pixels background = bitmap(windowRow(Window::Main).background);
    const Pixels shown = screenPixels(game.screenRect(game.window(Window::Main)));
    // Points away from every control: the title strip, the slate, the frame's corner.
    for (const POINT point : {POINT{300, 10}, POINT{100, 200}, POINT{5, 615}, POINT{620, 300}}) {
        EXPECT_EQ(shown.at(point.x, point.y), background.at(point.x, point.y))
            << point.x << "," << point.y;
    }
}

TEST_F(Drawing, TheMessageWindowShowsItsBitmapAndButton) {
    game.click(Window::Main, {10, 10});
    const RECT rect = game.screenRect(game.window(Window::Message));
    const Pixels background = bitmap(windowRow(Window::Message).background);
    EXPECT_TRUE(waitUntil([&] {
        const Pixels shown = screenPixels(rect);
        return shown.at(10, 10) == background.at(10, 10) &&
               shown.at(300, 90) == background.at(300, 90);
    }));
    EXPECT_TRUE(faceShows(id::hMsgOkBut, bitmap(findControl(id::hMsgOkBut)->bitmap)));
}

TEST_F(Drawing, TextFieldsAreLightGreyWithBlackText) {
    constexpr DWORD lightGrey = 0xC0C0C0;
    for (int id : {id::hPOneScore, id::hGiveHint, id::hUsedBin, id::hSolveMe, id::hPuzzler}) {
        const Pixels field = screenPixels(game.screenRect(game.control(id)));
        // The last column: past any text the field holds at start.
        EXPECT_EQ(field.at(field.width - 1, field.height / 2), lightGrey) << id;
    }
    const Pixels score = screenPixels(game.screenRect(game.control(id::hPOneScore)));
    bool blackText = false;
    for (DWORD colour : score.colours) {
        blackText = blackText || colour == 0;
    }
    EXPECT_TRUE(blackText);
}

} // namespace
} // namespace tallyrope::testing
