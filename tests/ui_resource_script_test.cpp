// The resource script must name every bitmap, clip, font and icon the Windows program loads, from
// the file the art keeps for that id: a missing entry leaves a button or a tile blank.
#include "ui/control_table.h"
#include "ui/resource_ids.h"
#include "ui/window_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace tallyrope {
namespace {

const std::string resources = std::string(TALLYROPE_SOURCE_DIR) + "/resources/";

using Entry = std::tuple<int, std::string, std::string>; // id, type, file

std::set<Entry> scriptEntries() {
    std::ifstream script(resources + "tallyrope.rc");
    std::set<Entry> entries;
    std::string line;
    while (std::getline(script, line)) {
        std::istringstream words(line);
        int id = 0;
        std::string type;
        std::string file;
        if (words >> id >> type >> file) {
            entries.insert({id, type, file});
        }
    }
    return entries;
}

std::set<Entry> loadedResources() {
    std::set<Entry> expected;
    const auto bitmap = [&](int id) {
        expected.insert({id, "BITMAP", "\"bitmaps/" + std::to_string(id) + ".bmp\""});
    };
    for (const WindowRow& window : windowTable()) {
        bitmap(window.background);
    }
    for (const ControlRow& control : controlTable()) {
        for (int id : {control.bitmap, control.pressedBitmap}) {
            if (id != 0) {
                bitmap(id);
            }
        }
    }
    for (int sound : resource::sounds) {
        expected.insert({sound, "WAVE", "\"sounds/" + std::to_string(sound) + ".wav\""});
    }
    expected.insert({resource::icon, "ICON", "\"icon/tallyrope.ico\""});
    // The caption faces, in CaptionFace's order.
    const char* const faces[] = {"sans", "sans-bold", "sans-condensed-bold", "serif-bold",
                                 "serif-italic"};
    for (std::size_t face = 0; face < resource::captionFonts.size(); ++face) {
        expected.insert({resource::captionFonts[face], "RCDATA",
                         std::string("\"fonts/") + faces[face] + ".ttf\""});
    }
    return expected;
}

TEST(ResourceScript, NamesExactlyTheResourcesTheProgramLoads) {
    EXPECT_EQ(scriptEntries(), loadedResources());
}

TEST(ResourceScript, EveryFileItNamesExists) {
    for (const auto& [id, type, file] : scriptEntries()) {
        const std::string path = resources + file.substr(1, file.size() - 2);
        EXPECT_TRUE(std::ifstream(path).good()) << path;
    }
}

} // namespace
} // namespace tallyrope
