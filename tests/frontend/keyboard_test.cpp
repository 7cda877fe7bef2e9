// Playing from the real keyboard and mouse: input goes through the window system's queue to
// whichever window has the focus, as a player's would.
#include "game_copy.h"
#include "ui/control_ids.h"
#include "waiting.h"

#include <gtest/gtest.h>

namespace tallyrope::testing {
namespace {

void send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

void keyEvent(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    send(input);
}

void strike(WORD virtualKey) {
    keyEvent(virtualKey, 0);
    keyEvent(virtualKey, KEYEVENTF_KEYUP);
}

// Letters and spaces, as unshifted key strokes.
void typeKeys(const std::string& text) {
    for (char character : text) {
        strike(character == ' ' ? VK_SPACE : static_cast<WORD>(character - 'a' + 'A'));
    }
}

// Each press carries its own place: one sent after SetCursorPos alone went now and then where an
// X motion event still on its way had put the pointer back.
void mouseEvent(POINT point, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(point.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(input);
}

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(game.start());
        SetForegroundWindow(game.window(Window::Main));
        ASSERT_TRUE(waitUntil([this] { return GetForegroundWindow() == main(); }));
    }

    HWND main() const { return game.window(Window::Main); }

    // A left click at the middle of control `id`, or `dx` pixels right of it, once the control
    // is what lies under that point: a window of an earlier test may still be closing over it.
    bool click(int id, int dx = 0) const {
        HWND control = game.control(id);
        RECT rect = game.screenRect(control);
        const POINT point{(rect.left + rect.right) / 2 + dx, (rect.top + rect.bottom) / 2};
        if (!waitUntil([&] { return WindowFromPoint(point) == control; })) {
            return false;
        }
        mouseEvent(point, MOUSEEVENTF_LEFTDOWN);
        mouseEvent(point, MOUSEEVENTF_LEFTUP);
        return true;
    }

    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main(), nullptr), &info);
        return info.hwndFocus;
    }

    bool shows(int id, const std::string& text) const {
        return waitUntil([&] { return game.text(id) == text; });
    }

    GameCopy game;
};

TEST_F(Keyboard, ARoundIsWonByTypingAfterANewPuzzleClick) {
    ASSERT_TRUE(click(id::hNewGame));
    ASSERT_TRUE(shows(id::hPuzzler, " _ _ _   _ _ _"));
    typeKeys("a");
    EXPECT_TRUE(shows(id::hUsedBin, "A "));
    typeKeys("bigtop");
    EXPECT_TRUE(shows(id::hPuzzler, " B I G   T O P"));
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    EXPECT_EQ(game.text(id::hPOneScore), "180");
}

TEST_F(Keyboard, EnterInTheSolveBoxSolvesAndCtrlASelectsItsText) {
    ASSERT_TRUE(click(id::hNewGame));
    ASSERT_TRUE(shows(id::hPuzzler, " _ _ _   _ _ _"));
    ASSERT_TRUE(click(id::hSolveMe));
    typeKeys("big tip");
    strike(VK_RETURN);
    EXPECT_TRUE(shows(id::hUsedBin, "# "));
    EXPECT_TRUE(waitUntil([this] { return focus() == main(); }));

    // Away from the first click, which would make this one a double click.
    ASSERT_TRUE(click(id::hSolveMe, 40));
    ASSERT_TRUE(waitUntil([this] { return focus() == game.control(id::hSolveMe); }));
    keyEvent(VK_CONTROL, 0);
    strike('A');
    keyEvent(VK_CONTROL, KEYEVENTF_KEYUP);
    // The whole "big tip": from 0 to 7.
    EXPECT_TRUE(waitUntil(
        [this] { return game.send(game.control(id::hSolveMe), EM_GETSEL) == MAKELONG(0, 7); }));
    typeKeys("big top");
    strike(VK_RETURN);
    EXPECT_TRUE(shows(id::hPuzzler, " B I G   T O P"));
    EXPECT_EQ(game.text(id::hPOneScore), "180");
}

} // namespace
} // namespace tallyrope::testing
