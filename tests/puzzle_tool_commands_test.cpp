#include "tools/puzzles/commands.h"

#include "storage/puzzle_store.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tallyrope::puzzles {
namespace {

using testing::TempFolder;

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runPuzzleTool(arguments, out, err);
    return {exitCode, out.str(), err.str()};
}

const std::string database = "look before you leap;Think first:too many cooks;Crowds ruin it:";

TEST(PuzzleTool, PackThenUnpackGivesTheDatabaseBack) {
    TempFolder folder;
    folder.write("TRData.plain", database);
    const ToolRun packed =
        runTool({"pack", folder.path("TRData.plain"), folder.path("OnLoad.dat")});
    ASSERT_EQ(packed.exitCode, exitSuccess) << packed.err;
    EXPECT_EQ(folder.read("OnLoad.dat"), scramble(database));

    const ToolRun unpacked = runTool({"unpack", folder.path("OnLoad.dat"), folder.path("back")});
    ASSERT_EQ(unpacked.exitCode, exitSuccess) << unpacked.err;
    EXPECT_EQ(folder.read("back"), database);
}

TEST(PuzzleTool, PackRefusesBytesTheStoreCannotKeep) {
    TempFolder folder;
    std::string controlBytes;
    for (char byte = 0x01; byte < 0x1A; ++byte) {
        controlBytes.append(10, byte); // at every place of the shift cycle
    }
    folder.write("TRData.plain", database + controlBytes);
    folder.write("OnLoad.dat", "older store");
    const ToolRun run = runTool({"pack", folder.path("TRData.plain"), folder.path("OnLoad.dat")});
    EXPECT_EQ(run.exitCode, exitFailure);
    EXPECT_NE(run.err.find("cannot keep"), std::string::npos) << run.err;
    EXPECT_EQ(folder.read("OnLoad.dat"), "older store");
}

TEST(PuzzleTool, PackRefusingBytesInALaterBlockLeavesNoPartOfTheStore) {
    TempFolder folder;
    std::string plain(3 * TextReader::blockSize, 'x');
    // In the third block, at the first place of the cycle, where it would become 0x1A.
    const std::size_t firstPlace = (2 * TextReader::blockSize + 9) / 10 * 10;
    plain[firstPlace] = '\x13';
    folder.write("TRData.plain", plain);
    folder.write("OnLoad.dat", "older store");
    const ToolRun run = runTool({"pack", folder.path("TRData.plain"), folder.path("OnLoad.dat")});
    EXPECT_EQ(run.exitCode, exitFailure);
    EXPECT_NE(run.err.find("cannot keep"), std::string::npos) << run.err;
    EXPECT_TRUE(folder.read("OnLoad.dat") == "older store");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"OnLoad.dat", "TRData.plain"}));
}

TEST(PuzzleTool, ListsAPlainDatabaseOrAStore) {
    TempFolder folder;
    folder.write("TRData.plain", database);
    folder.write("OnLoad.dat", scramble(database));
    const std::string expected =
        "look before you leap\tThink first\ntoo many cooks\tCrowds ruin it\n";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"list", folder.path("TRData.plain")},
          std::vector<std::string>{"list", "--store", folder.path("OnLoad.dat")},
          std::vector<std::string>{"list", folder.path("OnLoad.dat"), "--store"}}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, exitSuccess) << run.err;
        EXPECT_EQ(run.out, expected) << arguments[1];
    }
}

TEST(PuzzleTool, CheckPassesAGoodDatabaseAndFailsABadOne) {
    TempFolder folder;
    folder.write("good", database);
    folder.write("bad", database + "x;:");
    folder.write("OnLoad.dat", scramble(database));

    const ToolRun good = runTool({"check", folder.path("good")});
    EXPECT_EQ(good.exitCode, exitSuccess);
    EXPECT_NE(good.out.find("2 puzzles, all keep the rules"), std::string::npos) << good.out;
    EXPECT_EQ(runTool({"check", "--store", folder.path("OnLoad.dat")}).exitCode, exitSuccess);

    const ToolRun bad = runTool({"check", folder.path("bad")});
    EXPECT_EQ(bad.exitCode, exitRulesBroken);
    EXPECT_NE(bad.out.find(folder.path("bad") + ": record 3 \"x\": hint is empty"),
              std::string::npos)
        << bad.out;
    EXPECT_NE(bad.out.find("problems in 3 records"), std::string::npos) << bad.out;
}

TEST(PuzzleTool, CompileWritesTheDatabaseOnlyWhenEveryLineKeepsTheRules) {
    TempFolder folder;
    folder.write("collection.txt", "# comment\r\nLook Before You Leap\tThink first\r\n");
    const ToolRun good =
        runTool({"compile", folder.path("collection.txt"), folder.path("TRData.plain")});
    EXPECT_EQ(good.exitCode, exitSuccess) << good.err;
    EXPECT_EQ(folder.read("TRData.plain"), "look before you leap;Think first:");

    folder.write("collection.txt", "Look Before You Leap\tThink first\nX\thint\n");
    const ToolRun bad =
        runTool({"compile", folder.path("collection.txt"), folder.path("TRData.plain")});
    EXPECT_EQ(bad.exitCode, exitRulesBroken);
    EXPECT_NE(bad.err.find(folder.path("collection.txt") + ":2: phrase is 1 characters"),
              std::string::npos)
        << bad.err;
    EXPECT_EQ(folder.read("TRData.plain"), "look before you leap;Think first:");
}

TEST(PuzzleTool, MissingAndUnwritableFilesFail) {
    TempFolder folder;
    folder.write("TRData.plain", database);
    std::filesystem::create_directory(folder.path("folder"));
    const std::string missing = folder.path("missing");
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"pack", missing, folder.path("out")}, "cannot read " + missing},
        {{"unpack", missing, folder.path("out")}, "cannot read " + missing},
        {{"list", missing}, "cannot read " + missing},
        {{"check", "--store", missing}, "cannot read " + missing},
        {{"compile", missing, folder.path("out")}, "cannot read " + missing},
        {{"list", folder.path("folder")}, "cannot read " + folder.path("folder")},
        {{"pack", folder.path("TRData.plain"), folder.path("folder")},
         "cannot write " + folder.path("folder")},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, exitFailure) << c.arguments[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.names(), (std::set<std::string>{"TRData.plain", "folder"}));
}

TEST(PuzzleTool, BadArgumentsShowHowToCallIt) {
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{}, "Usage: tallyrope-puzzles"},
        {{"shuffle", "a"}, "unknown command \"shuffle\""},
        {{"pack", "only-one"}, "usage: tallyrope-puzzles pack PLAIN STORE"},
        {{"unpack", "a", "b", "c"}, "usage: tallyrope-puzzles unpack STORE PLAIN"},
        {{"list"}, "usage: tallyrope-puzzles list [--store] FILE"},
        {{"pack", "--store", "a", "b"}, "unknown option \"--store\""},
        {{"check", "--verbose", "a"}, "unknown option \"--verbose\""},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, exitFailure);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(PuzzleTool, HelpPrintsTheUsage) {
    for (const char* option : {"--help", "-h"}) {
        const ToolRun run = runTool({option});
        EXPECT_EQ(run.exitCode, exitSuccess);
        EXPECT_EQ(run.out, usage);
        EXPECT_EQ(run.err, "");
    }
}

} // namespace
} // namespace tallyrope::puzzles
