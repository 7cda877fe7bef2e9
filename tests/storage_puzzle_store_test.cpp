#include "storage/puzzle_store.h"

#include "storage/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace tallyrope {
namespace {

using testing::TempFolder;

constexpr std::size_t cycleLength = 10;

// The amount the store adds at each place of the cycle, measured on zero bytes.
std::array<unsigned char, cycleLength> measuredShifts() {
    const std::string stored = scramble(std::string(cycleLength, '\0'));
    std::array<unsigned char, cycleLength> shifts{};
    for (std::size_t place = 0; place < cycleLength; ++place) {
        shifts[place] = static_cast<unsigned char>(stored[place]);
    }
    return shifts;
}

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

TEST(Scrambling, TheShiftDependsOnlyOnThePlaceInTheCycle) {
    const std::array<unsigned char, cycleLength> shifts = measuredShifts();
    const std::string plain = "the quick brown fox;jumps over the lazy dog:\xE9\xFF\x01";
    const std::string stored = scramble(plain);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(shiftAt(plain, stored, i), shifts[i % cycleLength]) << "byte " << i;
    }
    EXPECT_NE(std::set<unsigned char>(shifts.begin(), shifts.end()).size(), 1u)
        << "a single amount is no cycle";
}

TEST(Scrambling, WrapsPastTheTopAndBack) {
    const std::array<unsigned char, cycleLength> shifts = measuredShifts();
    const std::string top(cycleLength, '\xFF');
    const std::string stored = scramble(top);
    for (std::size_t place = 0; place < cycleLength; ++place) {
        EXPECT_EQ(static_cast<unsigned char>(stored[place]),
                  static_cast<unsigned char>(shifts[place] - 1))
            << "place " << place;
    }
    EXPECT_EQ(unscramble(stored), top);
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

TEST(Quit, AStoreInAFolderWithoutWritePermissionLosesNothing) {
    TempFolder folder;
    namespace fs = std::filesystem;
    fs::create_directory(folder.path("locked"));
    folder.write("TRData.dat", "phrase;hint:");
    folder.write("locked/OnLoad.dat", "older store");
    fs::permissions(folder.path("locked"),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    struct Unlock {
        std::string path;
        ~Unlock() { fs::permissions(path, fs::perms::owner_all, fs::perm_options::add); }
    } unlock{folder.path("locked")};
    if (appendTextFile(folder.path("locked/probe"), "")) {
        GTEST_SKIP() << "permission bits do not stop this user's writes";
    }

    EXPECT_FALSE(OnExits(folder.path("TRData.dat"), folder.path("locked/OnLoad.dat")));

    EXPECT_EQ(folder.read("TRData.dat"), "phrase;hint:");
    EXPECT_EQ(folder.read("locked/OnLoad.dat"), "older store");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"TRData.dat", "locked"}));
}

TEST(Quit, AStoreOfManyBlocksKeepsTheShiftCycleGoingFromBlockToBlock) {
    // The amounts every store has used, place by place.
    const unsigned char cycle[cycleLength] = {7, 2, 9, 253, 5, 10, 251, 6, 254, 8};
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
        wrongBytes += shiftAt(text, *stored, i) != cycle[i % cycleLength];
    }
    EXPECT_EQ(wrongBytes, 0u);

    ASSERT_TRUE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_TRUE(folder.read("TRData.dat") == database);
}

TEST(StartUp, AnEmptyStoreEmptiesTheDatabase) {
    TempFolder folder;
    folder.write("OnLoad.dat", "");
    folder.write("TRData.dat", "phrase;hint:");
    ASSERT_TRUE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.read("TRData.dat"), "");
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
    folder.write("OnLoad.dat", scramble("phrase;hint:"));
    std::filesystem::create_directory(folder.path("TRData.dat"));
    EXPECT_FALSE(OnLoads(folder.path("OnLoad.dat"), folder.path("TRData.dat")));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"OnLoad.dat", "TRData.dat"}));
}

} // namespace
} // namespace tallyrope
