// The steps both front ends share: start-up order, the focus after a button, the title buttons,
// arrow keys and close requests.
#include "test_support.h"

#include "app/language_choice.h"
#include "app/routing.h"
#include "app/start_up.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include <sys/inotify.h>
#include <unistd.h>

namespace tallyrope {
namespace {

using test::readBytes;
using test::writeBytes;
using Move = RecordingUi::Move;

// The file steps taken in a folder, in order, as the kernel reports them: "closed NAME" when a
// read of the file ends, "replaced NAME" when a complete new copy takes its place.
class FileSteps {
  public:
    explicit FileSteps(const std::string& folder) : queue_(inotify_init1(IN_NONBLOCK)) {
        EXPECT_GE(inotify_add_watch(queue_, folder.c_str(), IN_CLOSE_NOWRITE | IN_MOVED_TO), 0);
    }
    FileSteps(const FileSteps&) = delete;
    FileSteps& operator=(const FileSteps&) = delete;
    ~FileSteps() { close(queue_); }

    std::vector<std::string> taken() const {
        std::vector<std::string> steps;
        alignas(inotify_event) char events[4096];
        for (ssize_t size; (size = read(queue_, events, sizeof events)) > 0;) {
            for (const char* at = events; at < events + size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                // The name is padded with NULs to the event's length; the folder's own has none.
                const std::string name(event->name, strnlen(event->name, event->len));
                steps.push_back((event->mask & IN_MOVED_TO ? "replaced " : "closed ") + name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return steps;
    }

  private:
    int queue_;
};

TEST(StartUp, UnscramblesBeforeTheWindowsAndReadsTheLocksOnceTheMainWindowShows) {
    test::Table t;
    const Paths& paths = t.session.paths;
    writeBytes(paths.LoadsFile, "hd");             // "ab" scrambled
    writeBytes(paths.TimerFile, "x=1\r\ny=1\r\n"); // both locks shut
    struct Maker final : WindowMaker {
        explicit Maker(test::Table& t) : t(t) {}
        bool createWindows() override {
            workingFileAtCreation = readBytes(t.session.paths.WordsFile);
            return true;
        }
        void showMainWindow() override {
            scoresShown = t.ui.text(id::hPOneScore);
            consoleUseAtShow = t.session.settings.ConsoleUse;
        }
        test::Table& t;
        std::string workingFileAtCreation, scoresShown;
        int consoleUseAtShow = -1;
    } maker(t);
    writeBytes(paths.ScoreFile, "40 1 0 0 0 0");

    ASSERT_TRUE(startUp(t.session, maker));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(maker.workingFileAtCreation, "ab");
    EXPECT_EQ(maker.scoresShown, "40");
    EXPECT_EQ(maker.consoleUseAtShow, 0);
    EXPECT_EQ(t.session.settings.ConsoleUse, 1);
}

TEST(StartUp, SaysOnceBeforeTheWindowsWhenNoFileCanBeMadeInTheFolderThenPlaysOn) {
    test::TempFolder folder;
    folder.write("file", "");
    RecordingUi ui;
    test::FixedRandom random;
    // A folder under a regular file can hold no file, whoever runs the test.
    Session session(ui, random, Paths::inFolder(folder.path("file") + "/"));
    struct Maker final : WindowMaker {
        explicit Maker(RecordingUi& ui) : ui(ui) {}
        bool createWindows() override {
            boxesAtCreation = ui.boxes.size();
            return true;
        }
        void showMainWindow() override {}
        RecordingUi& ui;
        std::size_t boxesAtCreation = 0;
    } maker(ui);

    ASSERT_TRUE(startUp(session, maker));
    EXPECT_EQ(maker.boxesAtCreation, 1u);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Tallyrope cannot create files in its folder, so your scores and "
                                "the puzzles you add will not be kept. Move the game to a folder "
                                "you can write to.");
    EXPECT_EQ(ui.boxes[0].caption, "Tallyrope");
    EXPECT_EQ(ui.text(id::hPOneScore), "0");
}

TEST(Buttons, EveryButtonButQuitLeavesTheFocusWithTheMainWindow) {
    test::Table t;
    for (int button :
         {id::hNewGame, id::hPuzzled, id::hShowWord, id::hPlayerOne, id::hPlayerTwo, id::hSkillCntl,
          id::hResetStats, id::hAudioCntl, id::hConsole, id::hNoCon, id::hAddPuzzle, id::hViewNext,
          id::hDelSelect, id::hMsgOkBut, id::hMinimize, id::hHelpMe}) {
        SCOPED_TRACE(button);
        t.ui.focus = Window::AddPuzzles;
        t.press(button);
        EXPECT_EQ(t.ui.focus, Window::Main);
    }
}

TEST(TitleButtons, HelpIsGuardedByTheViewersTitleAndReportsAFailedOpen) {
    test::Table t;
    t.ui.windowTitles = {"Tallyrope Guide"};
    t.press(id::hHelpMe);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, "terminating request... help program is currently in use.");
    EXPECT_EQ(t.ui.boxes[0].caption, "System - Permission Denied");
    EXPECT_TRUE(t.ui.boxes[0].topmost);
    EXPECT_TRUE(t.ui.helpOpened.empty());

    t.ui.windowTitles.clear();
    t.ui.helpOpens = false;
    t.press(id::hHelpMe);
    EXPECT_EQ(t.ui.helpOpened, std::vector<std::string>{t.session.paths.HelpFiler});
    ASSERT_EQ(t.ui.boxes.size(), 2u);
    EXPECT_EQ(t.ui.boxes[1].text, "Help files could not be opened...");
    EXPECT_EQ(t.ui.boxes[1].caption, "Error - Tallyrope");
    EXPECT_FALSE(t.ui.boxes[1].topmost);
    EXPECT_EQ(t.ui.sounds, (std::vector<int>{4450, 4450}));

    // An open guide in another language counts too.
    t.ui.windowTitles = {"Tallyrope-Anleitung"};
    t.press(id::hHelpMe);
    EXPECT_EQ(t.ui.boxes.size(), 3u);
    EXPECT_EQ(t.ui.helpOpened.size(), 1u);

    // In German the German guide, in a folder beside the English one, then the English one.
    t.ui.windowTitles.clear();
    chooseLanguage(t.session, "de");
    t.ui.helpOpened.clear();
    t.press(id::hHelpMe);
    const std::string folder = t.folder.prefix();
    EXPECT_EQ(t.ui.helpOpened, (std::vector<std::string>{folder + "de/tallyrope-help.chm",
                                                         folder + "tallyrope-help.chm"}));
    EXPECT_EQ(t.ui.boxes.back().text, "Die Hilfedateien konnten nicht ge\xF6"
                                      "ffnet werden...");
}

TEST(TitleButtons, QuitSavesOnceWhateverEndsTheRunAfterIt) {
    test::Table t;
    t.puzzles("ab;c:");
    t.press(id::hQuitGame);
    EXPECT_TRUE(t.ui.runEnded);
    const std::string store = readBytes(t.session.paths.LoadsFile);
    EXPECT_EQ(store, "hdD`?");
    // A close request or the session's end after the quit must not scramble the purge notice
    // into the store.
    closeRequest(t.session, Window::Main);
    sessionEnds(t.session);
    EXPECT_EQ(readBytes(t.session.paths.LoadsFile), store);
}

TEST(TitleButtons, QuitDuringAConsolePassWritesTheStoreWithNoFileHeldOpen) {
    test::Table t;
    t.puzzles("ab;c:de;f:");
    t.press(id::hViewNext);
    const FileSteps steps(t.folder.prefix());
    t.press(id::hQuitGame);
    // Windows cannot replace a file that a stream holds open: the pass closed it after its read.
    EXPECT_EQ(steps.taken(),
              (std::vector<std::string>{"replaced OnLoad.dat", "closed TRData.dat",
                                        "replaced TRData.dat", "replaced TRStats.dat"}));
}

TEST(TitleStrip, EndsAboveTheTwentyFifthRow) {
    test::Table t;
    leftButtonDown(t.session, Window::Main, {10, 25});
    EXPECT_FALSE(t.ui.windowVisible(Window::Message));
    EXPECT_EQ(t.ui.beeps, 0);
    leftButtonDown(t.session, Window::Main, {639, 24});
    EXPECT_TRUE(t.ui.windowVisible(Window::Message));
    EXPECT_EQ(t.ui.beeps, 1);
}

TEST(TitleStrip, ShowsTheMessageWindowOnlyAtTheRunsFirstClick) {
    test::Table t;
    leftButtonDown(t.session, Window::Main, {0, 0});
    t.press(id::hMsgOkBut);
    leftButtonDown(t.session, Window::Main, {0, 0});
    EXPECT_FALSE(t.ui.windowVisible(Window::Message));
    EXPECT_EQ(t.ui.beeps, 1);
}

TEST(ArrowKeys, MoveBothWindowsTwoPixelsTheLowerFirstWhenMovingDown) {
    test::Table t;
    arrowKey(t.session, Arrow::Left);
    arrowKey(t.session, Arrow::Down);
    EXPECT_EQ(t.ui.moves, (std::vector<Move>{{Window::Main, -2, 0},
                                             {Window::AddPuzzles, -2, 0},
                                             {Window::AddPuzzles, 0, 2},
                                             {Window::Main, 0, 2}}));
    t.press(id::hConsole);
    arrowKey(t.session, Arrow::Up);
    EXPECT_EQ(t.ui.moves.size(), 4u);
    EXPECT_EQ(t.ui.beeps, 1);
}

TEST(CloseRequests, DoWhatEachWindowsOwnClosingButtonDoes) {
    test::Table t;
    // The hidden Add_Puzzles window: its switch stays in step.
    closeRequest(t.session, Window::AddPuzzles);
    EXPECT_EQ(t.session.windows.HideCon, 0);
    t.press(id::hConsole);
    closeRequest(t.session, Window::AddPuzzles);
    EXPECT_EQ(t.session.windows.HideCon, 2);
    EXPECT_FALSE(t.ui.windowVisible(Window::AddPuzzles));

    leftButtonDown(t.session, Window::Main, {0, 0});
    ASSERT_TRUE(t.ui.windowVisible(Window::Message));
    closeRequest(t.session, Window::Message);
    EXPECT_FALSE(t.ui.windowVisible(Window::Message));
    EXPECT_FALSE(t.ui.runEnded);
    EXPECT_EQ(readBytes(t.session.paths.ScoreFile), "<missing>");
}

} // namespace
} // namespace tallyrope
