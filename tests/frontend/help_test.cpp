// Help, with its guard against a second viewer and its error when the file cannot be opened.
#include "game_copy.h"
#include "ui/control_ids.h"
#include "waiting.h"

#include <gtest/gtest.h>

#include <utility>

namespace tallyrope::testing {
namespace {

// The text of the message box `box`: the one static of it that holds text.
std::string boxText(HWND box) {
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM found) {
            char className[32] = {};
            GetClassNameA(child, className, sizeof className);
            char buffer[256] = {};
            GetWindowTextA(child, buffer, sizeof buffer);
            if (lstrcmpiA(className, "Static") == 0 && buffer[0] != '\0') {
                *reinterpret_cast<std::string*>(found) = buffer;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

// The box titled `caption`, once it is on show: its styles are complete by then.
HWND waitForBox(const char* caption) {
    HWND box = nullptr;
    waitUntil([&] {
        box = FindWindowA(nullptr, caption);
        return box != nullptr && IsWindowVisible(box);
    });
    return box;
}

void closeBox(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return IsWindow(box) == FALSE; }));
}

// A stand-in for the help viewer: a window carrying its title.
class HelpViewer {
  public:
    HelpViewer() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TestHelpViewer";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("TestHelpViewer", "Tallyrope Guide", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~HelpViewer() { DestroyWindow(window_); }
    bool exists() const { return window_ != nullptr; }

  private:
    HWND window_;
};

TEST(Help, AnOpenViewerGetsTheInUseBoxAndNoSecondViewer) {
    GameCopy game;
    ASSERT_TRUE(game.start());
    HelpViewer viewer;
    ASSERT_TRUE(viewer.exists());
    game.post(id::hHelpMe);
    HWND box = waitForBox("System - Permission Denied");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(boxText(box), "terminating request... help program is currently in use.");
    // Its topmost style is not checked: Wine ignores MB_TOPMOST.
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "Error - Tallyrope"), nullptr);
    closeBox(box);
    // The game still answers.
    game.press(id::hNewGame);
    EXPECT_EQ(game.text(id::hGiveHint), "Circus tent");
}

// Wine's help viewer carries the guide's title (its pages stay blank without an HTML engine).
HWND waitForGuide() {
    HWND guide = nullptr;
    waitUntil([&] { return (guide = FindWindowA(nullptr, "Tallyrope Guide")) != nullptr; },
              startTimeout);
    return guide;
}

TEST(Help, OpensTheGuideOnceAndAgainAfterItWasClosed) {
    GameCopy game;
    game.addHelpFile();
    ASSERT_TRUE(game.start());
    game.post(id::hHelpMe);
    HWND guide = waitForGuide();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "Error - Tallyrope"), nullptr);

    game.post(id::hHelpMe);
    HWND box = waitForBox("System - Permission Denied");
    ASSERT_NE(box, nullptr);
    closeBox(box);

    PostMessageA(guide, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([] { return FindWindowA(nullptr, "Tallyrope Guide") == nullptr; }));
    game.post(id::hHelpMe);
    guide = waitForGuide();
    ASSERT_NE(guide, nullptr);
    PostMessageA(guide, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitUntil([] { return FindWindowA(nullptr, "Tallyrope Guide") == nullptr; }));
}

// In Spanish the box says it in Spanish.
TEST(Help, AMissingHelpFileGetsTheErrorBox) {
    for (const auto& [language, text] :
         {std::pair{"en", "Help files could not be opened..."},
          std::pair{"es", "No se pudieron abrir los archivos de ayuda..."}}) {
        SCOPED_TRACE(language);
        Files files = usualFiles();
        files["TRLanguage.dat"] = std::string("Language= ") + language + "\r\n";
        GameCopy game(files);
        ASSERT_TRUE(game.start());
        game.post(id::hHelpMe);
        HWND box = waitForBox("Error - Tallyrope");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(boxText(box), text);
        closeBox(box);
        EXPECT_TRUE(game.running());
    }
}

} // namespace
} // namespace tallyrope::testing
