#include "storage/puzzle_store.h"

#include "storage/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace tallyrope {
namespace {

using testing::TempFolder;

constexpr std::size_t cycleLength = 10;

// The amounts every store has used, place by place: ten zero bytes scramble to them.
const std::string cycle = "\x07\x02\x09\xFD\x05\x0A\xFB\x06\xFE\x08";

unsigned char shiftAt(const std::string& plain, const std::string& stored, std::size_t i) {
    return static_cast<unsigned char>(static_cast<unsigned char>(stored[i]) -
                                      static_cast<unsigned char>(plain[i]));
}

// Every byte value once at every place of the cycle.
std::string everyByteAtEveryPlace() {
    std::string bytes;
    for (int value = 0; value < 256; ++value) {
        bytes.append(cycleLength, static_cast<char>(value));
    }
    return bytes;
}

// What a hand-edited database may hold: the printable bytes, tabs and line feeds.
std::string printableTabsAndLineFeeds() {
    std::string text = "\t\n";
    for (int value = 0x20; value <= 0xFF; ++value) {
        text += static_cast<char>(value);
    }
    return text;
}

TEST(Scrambling, UnscramblingGivesEveryByteBack) {
    const std::string plain = everyByteAtEveryPlace();
    const std::string stored = scramble(plain);
    ASSERT_EQ(stored.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_NE(stored[i], plain[i]) << "byte " << i << " was not shifted";
    }
    EXPECT_EQ(unscramble(stored), plain);
}

TEST(Scrambling, ShiftsEachByteByTheAmountOfItsPlaceInTheCycleWrappingPastTheTop) {
    EXPECT_EQ(scramble(std::string(cycleLength, '\0')), cycle);
    EXPECT_EQ(scramble(std::string(2 * cycleLength + 3, '\0')), cycle + cycle + cycle.substr(0, 3));
    const std::string top(cycleLength, '\xFF');
    EXPECT_EQ(scramble(top), "\x06\x01\x08\xFC\x04\x09\xFA\x05\xFD\x07");
    EXPECT_EQ(unscramble(scramble(top)), top);
}

// A store written by an earlier build: a changed cycle could no longer read the players' stores.
TEST(Scrambling, AStoreOfAnEarlierBuildReadsBackAndIsWrittenTheSame) {
    const std::string text = "sun rise;Early morning:big top;Circus tent:\ncaf\xE9 noir;A drink:";
    const std::string fixture = std::string(TALLYROPE_SOURCE_DIR) + "/tests/fixtures/OnLoad.dat";
    TempFolder folder;
    ASSERT_EQ(unpackStore(fixture, folder.path("TRData.dat")), Transfer::Done);
    EXPECT_EQ(readTextFile(folder.path("TRData.dat")), text);
    ASSERT_EQ(packStore(folder.path("TRData.dat"), folder.path("OnLoad.dat")), Transfer::Done);
    std::ifstream stored(fixture, std::ios::binary);
    EXPECT_EQ(folder.read("OnLoad.dat"), std::string(std::istreambuf_iterator<char>(stored), {}));
}

TEST(Scrambling, NoPrintableByteTabOrLineFeedLandsOnATextModeByte) {
    const std::string plain = printableTabsAndLineFeeds();
    for (std::size_t offset = 0; offset < cycleLength; ++offset) {
        const std::string shiftedPlain = std::string(offset, 'x') + plain;
        const std::string stored = scramble(shiftedPlain);
        for (std::size_t i = offset; i < stored.size(); ++i) {
            EXPECT_TRUE(stored[i] != '\n' && stored[i] != '\r' && stored[i] != '\x1A')
                << "plain byte " << int(static_cast<unsigned char>(shiftedPlain[i])) << " at place "
                << i % cycleLength;
        }
    }
}

TEST(Quit, StoresTheDatabaseAndPurgesIt) {
    TempFolder folder;
    const std::string plain = printableTabsAndLineFeeds() + "a;b:" + printableTabsAndLineFeeds();
    ASSERT_TRUE(writeTextFileSafely(folder.path("TRData.dat"), plain));

    ASSERT_TRUE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));

    const std::optional<std::string> stored = folder.read("OnLoad.dat");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->size(), plain.size()) << "text mode changed the store";
    EXPECT_EQ(unscramble(*stored), plain);
    EXPECT_EQ(folder.read("TRData.dat"), "Data purged...");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"OnLoad.dat", "TRData.dat"}));
}

TEST(Quit, ThenStartUpGivesTheDatabaseBackByteForByte) {
    TempFolder folder;
    const std::string database = "a stitch in time;fix it early:\r\nhand edited;line:last;one:";
    folder.write("TRData.dat", database);
    ASSERT_TRUE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));
    ASSERT_TRUE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.read("TRData.dat"), database);
}

TEST(Quit, AnEmptyDatabaseGivesAnEmptyStoreAndIsPurged) {
    TempFolder folder;
    folder.write("TRData.dat", "");
    folder.write("OnLoad.dat", "an older store");
    ASSERT_TRUE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));
    EXPECT_EQ(folder.read("OnLoad.dat"), "");
    EXPECT_EQ(folder.read("TRData.dat"), std::string("Data purged...", 14));
}

TEST(Quit, AMissingDatabaseLeavesTheStoreUntouched) {
    TempFolder folder;
    folder.write("OnLoad.dat", "the store");
    EXPECT_FALSE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));
    EXPECT_EQ(folder.read("OnLoad.dat"), "the store");
    EXPECT_EQ(folder.names(), std::set<std::string>{"OnLoad.dat"});
}

TEST(Quit, AStoreThatCannotBeWrittenLosesNothing) {
    TempFolder folder;
    folder.write("TRData.dat", "phrase;hint:");
    std::filesystem::create_directory(folder.path("OnLoad.dat"));

    EXPECT_FALSE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));

    EXPECT_EQ(folder.read("TRData.dat"), "phrase;hint:");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path("OnLoad.dat")));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"OnLoad.dat", "TRData.dat"}));
}

// As in a folder where no file can be made: the store's temporary file cannot be created.
TEST(Quit, AStoreWhoseNewCopyCannotBeMadeLosesNothing) {
    TempFolder folder;
    folder.write("TRData.dat", "phrase;hint:");
    folder.write("OnLoad.dat", "older store");
    std::filesystem::create_directory(folder.path("OnLoad.dat.tmp"));

    EXPECT_FALSE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));

    EXPECT_EQ(folder.read("TRData.dat"), "phrase;hint:");
    EXPECT_EQ(folder.read("OnLoad.dat"), "older store");
    EXPECT_EQ(folder.names(),
              (std::set<std::string>{"OnLoad.dat", "OnLoad.dat.tmp", "TRData.dat"}));
}

// 0x13 at the first place of the cycle scrambles to the end-of-file mark: such a store would be
// read back empty.
TEST(Quit, AWorkingFileThatWouldScrambleIntoTheEndMarkKeepsTheOldStoreAndIsNotPurged) {
    TempFolder folder;
    folder.write("TRData.dat", "\x13;h:");
    folder.write("OnLoad.dat", "older store");
    EXPECT_FALSE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));
    EXPECT_EQ(folder.read("TRData.dat"), "\x13;h:");
    EXPECT_EQ(folder.read("OnLoad.dat"), "older store");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"OnLoad.dat", "TRData.dat"}));
}

TEST(Quit, AStoreOfManyBlocksKeepsTheShiftCycleGoingFromBlockToBlock) {
    constexpr std::size_t block = TextReader::blockSize;
    TempFolder folder;
    const std::string database =
        std::string(block - 1, 'a') + "\r\n" + std::string(2 * block + 3, 'b') + "phrase;hint:";
    const std::string text =
        std::string(block - 1, 'a') + "\n" + std::string(2 * block + 3, 'b') + "phrase;hint:";
    folder.write("TRData.dat", database);

    ASSERT_TRUE(OnExits(folder.path("TRData.dat"), folder.path("OnLoad.dat")));

    const std::optional<std::string> stored = folder.read("OnLoad.dat");
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->size(), text.size());
    std::size_t wrongBytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        wrongBytes +=
            shiftAt(text, *stored, i) != static_cast<unsigned char>(cycle[i % cycleLength]);
    }
    EXPECT_EQ(wrongBytes, 0u);

    ASSERT_TRUE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_TRUE(folder.read("TRData.dat") == database);
}

// Sets the file's modification time `seconds` after the other's.
void makeNewer(const std::string& path, const std::string& than, int seconds = 2) {
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(than) +
                                               std::chrono::seconds(seconds));
}

TEST(StartUp, AStoreNewerThanTheWorkingFileReplacesIt) {
    TempFolder folder;
    folder.write("TRData.dat", "phrase;hint:");
    folder.write("OnLoad.dat", "");
    makeNewer(folder.path("OnLoad.dat"), folder.path("TRData.dat"));
    ASSERT_TRUE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.read("TRData.dat"), "");
    EXPECT_EQ(folder.read("OnLoad.dat"), "");
}

// A run ended by a crash, a kill or a power cut left its puzzles in the working file.
TEST(StartUp, AWorkingFileNewerThanTheStoreIsSavedIntoItFirst) {
    TempFolder folder;
    folder.write("OnLoad.dat", scramble("old;1:"));
    folder.write("TRData.dat", "old;1:added;2:\r\n");
    makeNewer(folder.path("TRData.dat"), folder.path("OnLoad.dat"));
    ASSERT_TRUE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.read("OnLoad.dat"), scramble("old;1:added;2:\n"));
    EXPECT_EQ(folder.read("TRData.dat"), "old;1:added;2:\r\n");
}

TEST(StartUp, ANewerWorkingFileThatTheStoreCannotKeepIsKeptAsFound) {
    TempFolder folder;
    folder.write("OnLoad.dat", scramble("old;1:"));
    folder.write("TRData.dat", "\x13;h:");
    makeNewer(folder.path("TRData.dat"), folder.path("OnLoad.dat"));
    EXPECT_FALSE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.read("TRData.dat"), "\x13;h:");
    EXPECT_EQ(folder.read("OnLoad.dat"), scramble("old;1:"));
}

TEST(StartUp, AMissingStoreLeavesTheDatabaseAsFound) {
    TempFolder folder;
    folder.write("TRData.dat", "phrase;hint:");
    EXPECT_FALSE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.read("TRData.dat"), "phrase;hint:");
    EXPECT_EQ(folder.names(), std::set<std::string>{"TRData.dat"});
}

TEST(StartUp, ADatabaseThatCannotBeWrittenKeepsItsFolderClean) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path("TRData.dat"));
    folder.write("OnLoad.dat", scramble("phrase;hint:"));
    makeNewer(folder.path("OnLoad.dat"), folder.path("TRData.dat"));
    EXPECT_FALSE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"OnLoad.dat", "TRData.dat"}));
}

} // namespace
} // namespace tallyrope
