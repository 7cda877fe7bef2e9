// Checks the Linux program's media: the resources compiled into it.
#include "ui/control_table.h"
#include "ui/resource_ids.h"
#include "ui/sdl/embedded_resources.h"
#include "ui/window_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace tallyrope {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes readSourceFile(const std::string& relative) {
    std::ifstream in(std::string(TALLYROPE_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes bytes(Blob blob) {
    return Bytes(blob.data, blob.data + blob.size);
}

std::set<int> bitmapsTheTablesName() {
    std::set<int> ids;
    for (const ControlRow& row : controlTable())
        for (int id : {row.bitmap, row.pressedBitmap})
            if (id != 0)
                ids.insert(id);
    for (const WindowRow& row : windowTable())
        ids.insert(row.background);
    return ids;
}

TEST(MediaEmbedding, EveryResourceIsItsFileByteForByte) {
    for (int id : bitmapsTheTablesName()) {
        Bytes file = readSourceFile("resources/bitmaps/" + std::to_string(id) + ".bmp");
        ASSERT_FALSE(file.empty()) << "bitmap " << id << " has no file";
        EXPECT_EQ(bytes(bitmapResource(id)), file) << "bitmap " << id;
    }
    for (int id : resource::sounds)
        EXPECT_EQ(bytes(soundResource(id)),
                  readSourceFile("resources/sounds/" + std::to_string(id) + ".wav"))
            << "sound " << id;
    EXPECT_EQ(bytes(beepSound()), readSourceFile("resources/sounds/beep.wav"));
    EXPECT_EQ(bytes(iconResource()), readSourceFile("resources/icon/tallyrope.ico"));
}

TEST(MediaEmbedding, AnIdOfAnotherKindHasNoBlob) {
    EXPECT_EQ(bitmapResource(4450).data, nullptr) << "a sound id found a bitmap";
    EXPECT_EQ(soundResource(48).data, nullptr) << "a bitmap id found a sound";
    EXPECT_EQ(bitmapResource(0).size, 0u);
}

} // namespace
} // namespace tallyrope
