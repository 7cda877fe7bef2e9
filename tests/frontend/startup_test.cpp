// What the program shows right after it starts: its three windows and every control.
#include "game_copy.h"
#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"
#include "ui/window_table.h"
#include "waiting.h"

#include <gtest/gtest.h>
#include <map>

namespace tallyrope::testing {
namespace {

struct KindCheck {
    const char* className;
    LONG typeMask;
    LONG type;
};

KindCheck expectedKind(ControlKind kind) {
    switch (kind) {
    case ControlKind::OwnerDrawnButton:
        return {"Button", BS_TYPEMASK, BS_OWNERDRAW};
    case ControlKind::BitmapStatic:
        return {"Static", SS_TYPEMASK, SS_BITMAP};
    case ControlKind::TextNoPrefix:
        return {"Static", SS_TYPEMASK | SS_NOPREFIX, SS_SIMPLE | SS_NOPREFIX};
    case ControlKind::TextSimple:
        return {"Static", SS_TYPEMASK | SS_NOPREFIX, SS_SIMPLE};
    case ControlKind::TextCentred:
        return {"Static", SS_TYPEMASK | SS_NOPREFIX, SS_CENTER};
    case ControlKind::Edit:
        return {"Edit", ES_MULTILINE | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0};
    }
    return {"", 0, 0};
}

// A bitmap static takes the size of its bitmap.
SIZE expectedSize(const ControlRow& row) {
    if (row.kind == ControlKind::BitmapStatic) {
        for (const BitmapSize& odd : oddBitmapSizes()) {
            if (odd.bitmap == row.bitmap) {
                return {odd.width, odd.height};
            }
        }
    }
    return {row.width, row.height};
}

RECT clientRectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(game.start()); }
    GameCopy game;
};

TEST_F(StartUp, WindowsHaveTheirClassTitleSizePlaceAndOwner) {
    // On the test display's 2560 x 1600 screen each window starts at its offsets from the middle.
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 2560);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1600);
    const std::map<Window, Point> starts = {{Window::Main, {830, 422}},
                                            {Window::AddPuzzles, {930, 350}},
                                            {Window::Message, {1002, 450}}};
    for (const WindowRow& row : windowTable()) {
        SCOPED_TRACE(row.className);
        HWND window = game.window(row.window);
        ASSERT_NE(window, nullptr);
        char title[64] = {};
        GetWindowTextA(window, title, sizeof title);
        EXPECT_STREQ(title, row.title);
        const RECT rect = game.screenRect(window);
        const Point start = starts.at(row.window);
        EXPECT_EQ(rect.left, start.x);
        EXPECT_EQ(rect.top, start.y);
        EXPECT_EQ(rect.right - rect.left, row.width);
        EXPECT_EQ(rect.bottom - rect.top, row.height);
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_SYSMENU | WS_CAPTION | WS_THICKFRAME),
                  WS_POPUP | WS_SYSMENU);
        EXPECT_EQ(IsWindowVisible(window) != FALSE, row.window == Window::Main);
        EXPECT_EQ(GetWindow(window, GW_OWNER),
                  row.ownedByMain ? game.window(Window::Main) : nullptr);
    }
}

TEST_F(StartUp, EveryControlHasItsKindPlaceSizeAndVisibility) {
    for (const ControlRow& row : controlTable()) {
        SCOPED_TRACE(row.handle);
        HWND control = game.control(row.id);
        ASSERT_NE(control, nullptr);
        const KindCheck kind = expectedKind(row.kind);
        char className[32] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_EQ(lstrcmpiA(className, kind.className), 0) << className;
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(style & kind.typeMask, kind.type);
        EXPECT_EQ(style & WS_CHILD, WS_CHILD);
        EXPECT_EQ((style & WS_VISIBLE) != 0, row.visible);
        const RECT rect = clientRectInParent(control);
        const SIZE size = expectedSize(row);
        EXPECT_EQ(rect.left, row.x);
        EXPECT_EQ(rect.top, row.y);
        EXPECT_EQ(rect.right - rect.left, size.cx);
        EXPECT_EQ(rect.bottom - rect.top, size.cy);
    }
}

TEST_F(StartUp, ShowsTheSavedScoresAndTheSkillNumber) {
    const std::pair<int, const char*> texts[] = {
        {id::hPOneScore, "120"}, {id::hPOneWins, "3"}, {id::hPOneLose, "2"},
        {id::hPTwoScore, "40"},  {id::hPTwoWins, "1"}, {id::hPTwoLose, "5"},
        {id::hPlySmarts, "7"},   {id::hPuzzler, ""},   {id::hGiveHint, ""},
        {id::hUsedBin, ""},      {id::hSolveMe, ""},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(game.text(id), text) << "control " << id;
    }
}

TEST_F(StartUp, LimitsThePhraseAndHintBoxes) {
    EXPECT_EQ(game.send(game.control(id::hEditWord), EM_GETLIMITTEXT), 38);
    EXPECT_EQ(game.send(game.control(id::hEditHint), EM_GETLIMITTEXT), 34);
    EXPECT_GT(game.send(game.control(id::hSolveMe), EM_GETLIMITTEXT), 38);
}

TEST(StartUpFiles, UnscramblesTheStoreAndWritesAMissingConfiguration) {
    const std::string records = std::string(onlyPuzzle) + "RING MASTER;Circus boss:";
    GameCopy game({{"OnLoad.dat", scramble(records)}});
    ASSERT_TRUE(game.start());
    EXPECT_EQ(game.file("TRData.dat"), records);
    // The configuration is read last, once the main window shows.
    ASSERT_TRUE(waitUntil([&] { return game.hasFile("TRC_CONFIG.INI"); }));
    EXPECT_EQ(game.file("TRC_CONFIG.INI").rfind("Disable_Console= 1\r\nDisable_VCCntls= 1\r\n", 0),
              0u);
}

} // namespace
} // namespace tallyrope::testing
