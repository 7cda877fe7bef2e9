// Checks the Linux program's media: the resources compiled into it, the clips decoded by
// SDL_mixer on the dummy audio driver, and the three fonts at the heights of the Windows ones.
#include "frontends/sdl/embedded_resources.h"
#include "frontends/sdl/fonts.h"
#include "frontends/sdl/sound_player.h"
#include "ui/control_table.h"
#include "ui/resource_ids.h"
#include "ui/window_table.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
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

// Milliseconds of the clip the player left on its channel, in the device's format.
int millisOnChannel() {
    Mix_Chunk* chunk = Mix_GetChunk(0);
    if (!chunk)
        return -1;
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    int frameBytes = channels * SDL_AUDIO_BITSIZE(format) / 8;
    return static_cast<int>(1000.0 * chunk->alen / frameBytes / rate + 0.5);
}

TEST(MediaSound, EveryClipDecodesAndPlaysAloneOnTheOneChannel) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player;
    ASSERT_NE(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "no device on the dummy driver";
    ASSERT_EQ(Mix_AllocateChannels(-1), 1) << "clips could overlap";
    const std::vector<std::pair<int, int>> lengths = {{4450, 30},   {4500, 280}, {4600, 490},
                                                      {4650, 390},  {4700, 660}, {5600, 280},
                                                      {5650, 4470}, {5700, 2500}};
    for (auto [id, millis] : lengths) {
        player.play(id);
        EXPECT_NEAR(millisOnChannel(), millis, 2) << "sound " << id;
    }
    player.play(4449);
    EXPECT_NEAR(millisOnChannel(), 180, 2) << "an unknown id does not play the beep";
    player.play(4450);
    player.beep();
    EXPECT_NEAR(millisOnChannel(), 180, 2) << "the beep";
}

TEST(MediaSound, AClipAfterTheIdleDeviceClosedOpensItAgainAsBefore) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player(0);
    player.play(4450);
    EXPECT_EQ(player.rest(), -1) << "waits for the clip's end";
    Mix_HaltChannel(0);
    EXPECT_EQ(player.rest(), -1);
    player.play(4700);
    ASSERT_EQ(Mix_AllocateChannels(-1), 1) << "clips could overlap";
    EXPECT_NEAR(millisOnChannel(), 660, 2) << "not in the format the clips were decoded for";
    EXPECT_EQ(Mix_Playing(0), 1);
    Mix_HaltChannel(0);
    player.rest();
    player.beep();
    EXPECT_NEAR(millisOnChannel(), 180, 2) << "the beep";
}

TEST(MediaSound, TheDeviceStaysOpenThroughTheQuietTimeAfterAClipAndClosesAfterIt) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player(200);
    player.play(4450);
    Mix_HaltChannel(0); // the clip's end
    EXPECT_EQ(player.rest(), 200) << "no wait for the quiet time";
    EXPECT_NE(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "closed as the clip ended";
    SDL_Delay(200);
    EXPECT_EQ(player.rest(), -1) << "still open after the quiet time";
}

TEST(MediaFonts, EachKindHasItsFaceAtTheWindowsHeight) {
    struct Expected {
        ControlFont kind;
        const char* family;
        const char* style;
        int height;
    };
    const std::vector<Expected> expected = {
        {ControlFont::Phrase, "Liberation Mono", "Bold", 22},
        {ControlFont::DefaultGui, "Liberation Sans", "Regular", 13},
        {ControlFont::System, "Liberation Sans", "Bold", 15}};
    Fonts fonts;
    EXPECT_TRUE(fonts.complete());
    for (const Expected& e : expected) {
        TTF_Font* font = fonts.font(e.kind);
        ASSERT_NE(font, nullptr) << e.family << " " << e.style;
        EXPECT_STREQ(TTF_FontFaceFamilyName(font), e.family);
        EXPECT_STREQ(TTF_FontFaceStyleName(font), e.style) << e.family;
        EXPECT_EQ(TTF_FontHeight(font), e.height) << e.family << " " << e.style;
    }
}

} // namespace
} // namespace tallyrope
