// How the scale is chosen: --scale, else what the desktop says, stepped down to fit the display.
#include "frontends/sdl/scale.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

int chosen(const std::string& option, const DesktopScale& desktop, int usableWidth = 0,
           int usableHeight = 0) {
    return chooseScale(option, desktop, 900, 620, usableWidth, usableHeight);
}

TEST(ScaleChoice, TheOptionThenTheFirstThingTheDesktopSays) {
    DesktopScale desktop;
    EXPECT_EQ(chosen("", desktop), 100);
    desktop.displayDpi = 192;
    EXPECT_EQ(chosen("", desktop), 200);
    desktop.xftDpi = "144";
    EXPECT_EQ(chosen("", desktop), 150);
    desktop.qtScaleFactor = "1.25";
    EXPECT_EQ(chosen("", desktop), 125);
    desktop.gdkScale = "2";
    EXPECT_EQ(chosen("", desktop), 200);
    desktop.gdkDpiScale = "0.5"; // undoes an Xft.dpi of 192 for GTK's texts, not the windows
    EXPECT_EQ(chosen("", desktop), 200);
    desktop.gdkDpiScale = "1.5";
    EXPECT_EQ(chosen("", desktop), 300);
    EXPECT_EQ(chosen("1.75", desktop), 175);
}

TEST(ScaleChoice, UnreadableValuesAreSkippedAndOthersHeldToOneToFour) {
    DesktopScale desktop;
    desktop.gdkScale = "two";
    desktop.gdkDpiScale = "1.5";
    EXPECT_EQ(chosen("", desktop), 150);
    desktop.gdkDpiScale = "";
    desktop.qtScaleFactor = "0.8";
    EXPECT_EQ(chosen("", desktop), 100);
    desktop.qtScaleFactor = "6";
    EXPECT_EQ(chosen("", desktop), 400);
    int percent = 0;
    EXPECT_TRUE(parseScale("1.5", percent));
    EXPECT_EQ(percent, 150);
    for (const char* refused : {"", "0.9", "4.01", "1,5", "2x", "nan"}) {
        EXPECT_FALSE(parseScale(refused, percent)) << refused;
    }
}

TEST(ScaleChoice, AMainWindowTooBigForTheUsableAreaStepsDownNeverBelowOne) {
    DesktopScale desktop;
    desktop.xftDpi = "192";
    EXPECT_EQ(chosen("", desktop, 1920, 1040), 167); // 1503 x 1036
    EXPECT_EQ(chosen("3", desktop, 3840, 2112), 300);
    EXPECT_EQ(chosen("3", desktop, 2560, 1400), 225);
    EXPECT_EQ(chosen("2", desktop, 1800, 1240), 200);
    EXPECT_EQ(chosen("2", desktop, 1799, 1240), 199);
    EXPECT_EQ(chosen("", desktop, 800, 600), 100);
}

} // namespace
} // namespace tallyrope
