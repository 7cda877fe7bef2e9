#include "storage/config_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyrope {
namespace {

using testing::TempFolder;

// Written out here byte for byte rather than taken from the program.
const std::string defaultBytes = "Disable_Console= 1\r\n"
                                 "Disable_VCCntls= 1\r\n"
                                 "\r\n"
                                 "//To Enable Edit Cntls:  set value(s) to '0'\r\n"
                                 "//Editing this file incorrectly, or removing\r\n"
                                 "//content may result in program failure.  If\r\n"
                                 "//proper file format is lost, delete file...";

constexpr std::int32_t unread = 77; // a lock's value before the read: kept when not read

struct ReadCase {
    const char* what;
    std::string bytes;
    std::int32_t ConsoleUse;
    std::int32_t EditingUse;
};

const ReadCase readCases[] = {
    {"the default text", defaultBytes, 1, 1},
    {"console open, editing locked", "Disable_Console= 0\r\nDisable_VCCntls= 1", 0, 1},
    {"keys are ignored", "anything at all=0\r\n&%$= 1", 0, 1},
    {"other keys", "colour= 2\r\nsize= 0\r\n", 2, 0},
    {"both on one line", "a= 0 b= 0", 0, 0},
    {"no space after the signs", "a=1b=0", 1, 0},
    {"values on lines of their own", "a=\r\n\r\n  1\r\nb=\r\n\t0\r\n", 1, 0},
    {"signs are read", "a=-1\nb=+3", -1, 3},
    {"text after the second value is ignored", "a=0 b=1 c=junk", 0, 1},
    {"an empty file", "", unread, unread},
    {"junk first value stops the read", "a= x1\r\nb= 0", unread, unread},
    {"junk second value", "a= 0\r\nb= none", 0, unread},
    {"no second sign", "a= 0\r\nb 1", 0, unread},
    {"no sign at all", "1 1", unread, unread},
    {"a sign without digits", "a= -\r\nb= 0", unread, unread},
    {"a number too large for the lock", "a= 99999999999\r\nb= 0", unread, unread},
    {"0x1A ends the file", "a= 0\x1A\r\nb= 0", 0, unread},
};

TEST(Configuration, ReadsTheTwoLocksAndLeavesTheFileAlone) {
    TempFolder folder;
    for (const ReadCase& c : readCases) {
        folder.write("TRC_CONFIG.INI", c.bytes);
        Settings settings;
        settings.ConsoleUse = unread;
        settings.EditingUse = unread;
        Userchoice(settings, folder.path("TRC_CONFIG.INI"));
        EXPECT_EQ(settings.ConsoleUse, c.ConsoleUse) << c.what;
        EXPECT_EQ(settings.EditingUse, c.EditingUse) << c.what;
        EXPECT_EQ(folder.read("TRC_CONFIG.INI"), c.bytes) << c.what;
    }
}

TEST(Configuration, UnreadLocksKeepTheirStartValues) {
    TempFolder folder;
    for (const char* bytes : {"", "Disable_Console= junk\r\nDisable_VCCntls= 1"}) {
        folder.write("TRC_CONFIG.INI", bytes);
        Settings settings;
        Userchoice(settings, folder.path("TRC_CONFIG.INI"));
        EXPECT_EQ(settings.ConsoleUse, 0) << bytes;
        EXPECT_EQ(settings.EditingUse, 0) << bytes;
    }
}

TEST(Configuration, AMissingFileLocksTheConsoleAndIsCreated) {
    TempFolder folder;
    Settings settings;
    settings.EditingUse = unread;
    Userchoice(settings, folder.path("TRC_CONFIG.INI"));
    EXPECT_EQ(settings.ConsoleUse, 1);
    EXPECT_EQ(settings.EditingUse, unread);
    EXPECT_EQ(folder.read("TRC_CONFIG.INI"), defaultBytes);
    EXPECT_EQ(folder.names(), std::set<std::string>{"TRC_CONFIG.INI"});

    Settings nextRun;
    Userchoice(nextRun, folder.path("TRC_CONFIG.INI"));
    EXPECT_EQ(nextRun.ConsoleUse, 1);
    EXPECT_EQ(nextRun.EditingUse, 1);
}

TEST(Configuration, AFileThatCannotBeCreatedStillLocksTheConsole) {
    TempFolder folder;
    Settings settings;
    Userchoice(settings, folder.path("missing/TRC_CONFIG.INI"));
    EXPECT_EQ(settings.ConsoleUse, 1);
    EXPECT_EQ(settings.EditingUse, 0);
    EXPECT_TRUE(folder.names().empty());
}

} // namespace
} // namespace tallyrope
