// Checks the resource files the game embeds: every bitmap at its size and format, the art
// rules that keep controls from showing as pasted-on rectangles, the sound clips' formats,
// the icon's images and the compiled guide.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

const std::string kRoot = TALLYROPE_SOURCE_DIR;

Bytes readFile(const std::string& relative) {
    std::ifstream in(kRoot + "/" + relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t u16(const Bytes& d, size_t at) {
    return d[at] | (d[at + 1] << 8);
}
uint32_t u32(const Bytes& d, size_t at) {
    return u16(d, at) | (u16(d, at + 2) << 16);
}
int32_t i32(const Bytes& d, size_t at) {
    return static_cast<int32_t>(u32(d, at));
}

struct Rect {
    int x, y, w, h;
};

using Rgb = std::array<int, 3>;

// A 24-bit bottom-up BMP, read just enough to look at its pixels.
struct Bitmap {
    Bytes data;
    int width = 0, height = 0, bits = 0, compression = -1;
    size_t offset = 0, stride = 0;

    explicit Bitmap(int id) : data(readFile("resources/bitmaps/" + std::to_string(id) + ".bmp")) {
        if (data.size() < 54 || data[0] != 'B' || data[1] != 'M' || u32(data, 14) != 40)
            return;
        width = i32(data, 18);
        height = i32(data, 22);
        bits = static_cast<int>(u16(data, 28));
        compression = static_cast<int>(u32(data, 30));
        offset = u32(data, 10);
        stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    }
    bool complete() const {
        return bits == 24 && width > 0 && height > 0 && data.size() >= offset + stride * height;
    }
    // (x, y) counted from the top-left corner, as on screen.
    Rgb at(int x, int y) const {
        size_t p = offset + stride * (height - 1 - y) + 3 * static_cast<size_t>(x);
        return {data[p + 2], data[p + 1], data[p]};
    }
};

struct Expected {
    int id, w, h;
};

std::vector<Expected> allBitmaps() {
    std::vector<Expected> all = {
        {48, 900, 620},  {100, 699, 400}, {1870, 317, 100}, {2000, 48, 134}, {2050, 46, 132},
        {2100, 106, 47}, {2150, 104, 43}, {2200, 65, 107},  {2250, 81, 70},  {6050, 280, 376},
        {3750, 82, 43},  {3850, 53, 30},  {2700, 93, 30},   {2750, 93, 30},  {2850, 93, 27},
        {2900, 93, 27},  {3000, 102, 29}, {3050, 102, 29},  {3150, 102, 29}, {3200, 102, 29},
        {3300, 79, 27},  {3350, 79, 27},  {3450, 102, 28},  {3500, 102, 28}, {3600, 102, 28},
        {3650, 102, 28}, {3900, 23, 19},  {3950, 23, 19},   {4050, 23, 19},  {4100, 23, 19},
        {4200, 23, 19},  {4250, 23, 19},  {4800, 115, 34},  {4850, 115, 34}, {5100, 117, 34},
        {5150, 117, 34}, {2300, 42, 25},  {2650, 42, 25},   {5400, 115, 29}, {5450, 115, 29},
        {5850, 42, 28},  {5900, 42, 28},  {5750, 71, 28},   {5800, 71, 28}};
    const std::array<int, 26> tileWidths = {19, 16, 19, 17, 16, 15, 19, 16, 14, 15, 17, 15, 20,
                                            16, 19, 16, 20, 16, 17, 16, 17, 19, 26, 17, 18, 17};
    for (int k = 0; k < 26; ++k)
        all.push_back({130 + 60 * k, tileWidths[k], k == 16 ? 21 : 20});
    return all;
}

// Bitmap statics of the main window: bitmap id and where the control puts it.
struct Placed {
    int id;
    Rect at;
};

std::vector<Placed> mainWindowStatics() {
    std::vector<Placed> statics = {
        {2000, {331, 259, 48, 134}}, {2050, {285, 259, 46, 132}}, {2100, {363, 142, 106, 47}},
        {2150, {194, 143, 104, 43}}, {2200, {298, 152, 65, 107}}, {2250, {292, 82, 81, 70}},
        {6050, {194, 83, 280, 376}}, {3750, {125, 109, 82, 43}},  {3850, {457, 116, 53, 30}}};
    const std::array<int, 26> tileX = {86,  125, 160, 200, 237, 274, 309, 349, 380,
                                       411, 449, 487, 520, 88,  126, 162, 198, 237,
                                       272, 311, 349, 379, 408, 448, 485, 521};
    for (const Expected& e : allBitmaps())
        if (e.id >= 130 && e.id <= 1630 && (e.id - 130) % 60 == 0) {
            int k = (e.id - 130) / 60;
            statics.push_back({e.id, {tileX[k], k < 13 ? 479 : 512, e.w, e.h}});
        }
    return statics;
}

const std::vector<int> kFigureParts = {2000, 2050, 2100, 2150, 2200, 2250};

Placed placed(int id) {
    for (const Placed& s : mainWindowStatics())
        if (s.id == id)
            return s;
    ADD_FAILURE() << "no placement for bitmap " << id;
    return {id, {0, 0, 0, 0}};
}

bool inside(const Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

TEST(Bitmaps, EveryIdIsAnUncompressed24BitBitmapOfItsSize) {
    for (const Expected& e : allBitmaps()) {
        Bitmap bmp(e.id);
        if (bmp.data.empty()) {
            ADD_FAILURE() << "bitmap " << e.id << " is missing";
            continue;
        }
        EXPECT_EQ(bmp.width, e.w) << "width of bitmap " << e.id;
        EXPECT_EQ(bmp.height, e.h) << "height of bitmap " << e.id << " (positive: bottom-up)";
        EXPECT_EQ(bmp.bits, 24) << "depth of bitmap " << e.id;
        EXPECT_EQ(bmp.compression, 0) << "compression of bitmap " << e.id;
        EXPECT_TRUE(bmp.complete()) << "bitmap " << e.id << " is cut short";
    }
}

TEST(Bitmaps, TextControlsSitOnTheirOwnLightGrey) {
    const Rgb grey = {192, 192, 192};
    const std::vector<std::pair<int, std::vector<Rect>>> windows = {
        {48,
         {{28, 38, 846, 25},
          {760, 118, 106, 18},
          {760, 241, 106, 18},
          {760, 147, 40, 18},
          {760, 270, 40, 18},
          {826, 147, 40, 18},
          {826, 270, 40, 18},
          {647, 517, 218, 20},
          {668, 362, 60, 52},
          {845, 471, 14, 20},
          {150, 577, 333, 20}}},
        {100, {{261, 318, 284, 24}, {261, 366, 252, 24}}}};
    for (const auto& [id, fields] : windows) {
        Bitmap bg(id);
        ASSERT_TRUE(bg.complete()) << "background " << id;
        for (const Rect& r : fields) {
            int wrong = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    wrong += bg.at(x, y) != grey;
            EXPECT_EQ(wrong, 0) << "background " << id << " is not light grey under the field at "
                                << r.x << "," << r.y;
        }
    }
}

TEST(Bitmaps, StaticsShowTheBackgroundAtTheirCorners) {
    Bitmap bg(48);
    ASSERT_TRUE(bg.complete());
    for (const Placed& s : mainWindowStatics()) {
        Bitmap bmp(s.id);
        ASSERT_TRUE(bmp.complete()) << "bitmap " << s.id;
        for (auto [x, y] :
             {std::pair{0, 0}, {s.at.w - 1, 0}, {0, s.at.h - 1}, {s.at.w - 1, s.at.h - 1}})
            EXPECT_EQ(bmp.at(x, y), bg.at(s.at.x + x, s.at.y + y))
                << "corner " << x << "," << y << " of bitmap " << s.id << " shows its rectangle";
    }
}

// Parts and bubbles overlap each other's rectangles; whichever lies on top must not hide the
// other's strokes, so the shared margins show only the background.
TEST(Bitmaps, PicturesShownTogetherKeepSharedMarginsClear) {
    Bitmap bg(48);
    ASSERT_TRUE(bg.complete());
    std::vector<Placed> drawn;
    for (int id : kFigureParts)
        drawn.push_back(placed(id));
    drawn.push_back(placed(3750));
    drawn.push_back(placed(3850));
    for (const Placed& a : drawn) {
        Bitmap bmp(a.id);
        ASSERT_TRUE(bmp.complete()) << "bitmap " << a.id;
        int stray = 0;
        for (const Placed& b : drawn) {
            if (a.id == b.id)
                continue;
            for (int y = 0; y < a.at.h; ++y)
                for (int x = 0; x < a.at.w; ++x)
                    if (inside(b.at, a.at.x + x, a.at.y + y))
                        stray += bmp.at(x, y) != bg.at(a.at.x + x, a.at.y + y);
        }
        EXPECT_EQ(stray, 0) << "bitmap " << a.id << " draws where another picture lies";
    }
}

// The complete figure replaces the parts on a loss: it must be the same drawing in the same
// place, differing at most in the last stroke on the face.
TEST(Bitmaps, CompleteFigureRepeatsThePartsInPlace) {
    const Rect whole = {194, 83, 280, 376};
    Bitmap complete(6050);
    ASSERT_TRUE(complete.complete());
    for (int id : kFigureParts) {
        Placed part = placed(id);
        Bitmap bmp(part.id);
        ASSERT_TRUE(bmp.complete()) << "bitmap " << part.id;
        int compared = 0, different = 0;
        for (int y = 0; y < part.at.h; ++y)
            for (int x = 0; x < part.at.w; ++x) {
                int sx = part.at.x + x, sy = part.at.y + y;
                if (!inside(whole, sx, sy))
                    continue;
                ++compared;
                different += bmp.at(x, y) != complete.at(sx - whole.x, sy - whole.y);
            }
        int allowed = part.id == 2250 ? compared / 20 : 0;
        EXPECT_LE(different, allowed) << "part " << part.id << " differs from the complete figure";
    }
}

TEST(Bitmaps, PressedButtonFacesAreDarker) {
    const std::vector<std::pair<int, int>> faces = {
        {2700, 2750}, {2850, 2900}, {3000, 3050}, {3150, 3200}, {3300, 3350}, {3450, 3500},
        {3600, 3650}, {3900, 3950}, {4050, 4100}, {4200, 4250}, {4800, 4850}, {5100, 5150},
        {2300, 2650}, {5400, 5450}, {5850, 5900}, {5750, 5800}};
    auto brightness = [](const Bitmap& b) {
        long total = 0;
        for (int y = 0; y < b.height; ++y)
            for (int x = 0; x < b.width; ++x) {
                Rgb p = b.at(x, y);
                total += p[0] + p[1] + p[2];
            }
        return total;
    };
    for (auto [normal, pressed] : faces) {
        Bitmap up(normal), down(pressed);
        ASSERT_TRUE(up.complete() && down.complete()) << "button faces " << normal;
        EXPECT_LT(brightness(down) * 10, brightness(up) * 9)
            << "pressed face " << pressed << " is not clearly darker than " << normal;
    }
}

struct Clip {
    const char* id; // the file's name: the WAVE id, or the beep that stands in for a system sound
    int rate, bits, millis;
};

const std::vector<Clip> kClips = {
    {"4450", 22050, 16, 30},   {"4500", 8000, 8, 280},    {"4600", 11025, 16, 490},
    {"4650", 22050, 16, 390},  {"4700", 22050, 8, 660},   {"5600", 22050, 8, 280},
    {"5650", 11025, 16, 4470}, {"5700", 22050, 16, 2500}, {"beep", 22050, 16, 180}};

Bytes readClip(const std::string& id) {
    return readFile("resources/sounds/" + id + ".wav");
}

// Sample i as a fraction of full scale, from the data that starts at byte 44.
double sample(const Bytes& wav, int bits, size_t i) {
    if (bits == 8)
        return (wav[44 + i] - 128) / 128.0;
    return static_cast<int16_t>(u16(wav, 44 + 2 * i)) / 32768.0;
}

TEST(Sounds, EveryClipIsMonoPcmWithItsRateSizeAndLength) {
    for (const Clip& c : kClips) {
        Bytes wav = readClip(c.id);
        ASSERT_GE(wav.size(), 44u) << "sound " << c.id << " is missing";
        ASSERT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF") << "sound " << c.id;
        ASSERT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ") << "sound " << c.id;
        ASSERT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data")
            << "sound " << c.id << " lacks the canonical 44-byte header";
        EXPECT_EQ(u32(wav, 16), 16u) << "fmt size of sound " << c.id;
        EXPECT_EQ(u16(wav, 20), 1u) << "format tag (PCM) of sound " << c.id;
        EXPECT_EQ(u16(wav, 22), 1u) << "channels of sound " << c.id;
        EXPECT_EQ(u32(wav, 24), static_cast<uint32_t>(c.rate)) << "rate of sound " << c.id;
        EXPECT_EQ(u16(wav, 34), static_cast<uint32_t>(c.bits)) << "sample size of sound " << c.id;
        EXPECT_EQ(u16(wav, 32), static_cast<uint32_t>(c.bits / 8)) << "block of sound " << c.id;
        EXPECT_EQ(u32(wav, 28), static_cast<uint32_t>(c.rate * c.bits / 8))
            << "byte rate of sound " << c.id;
        uint32_t dataSize = u32(wav, 40);
        EXPECT_EQ(dataSize / (c.bits / 8), static_cast<uint32_t>((c.rate * c.millis + 500) / 1000))
            << "sample count of sound " << c.id;
        EXPECT_GE(wav.size(), 44u + dataSize) << "sound " << c.id << " is cut short";
        EXPECT_EQ(u32(wav, 4), wav.size() - 8) << "RIFF size of sound " << c.id;
    }
}

TEST(Sounds, ClipsFadeFromAndToSilenceWithoutClipping) {
    for (const Clip& c : kClips) {
        Bytes wav = readClip(c.id);
        ASSERT_GE(wav.size(), 44u) << "sound " << c.id;
        size_t count = u32(wav, 40) / (c.bits / 8);
        ASSERT_GT(count, 0u) << "sound " << c.id;
        ASSERT_GE(wav.size(), 44u + count * (c.bits / 8)) << "sound " << c.id;
        EXPECT_LT(std::abs(sample(wav, c.bits, 0)), 0.02)
            << "sound " << c.id << " starts with a click";
        EXPECT_LT(std::abs(sample(wav, c.bits, count - 1)), 0.02)
            << "sound " << c.id << " ends with a click";
        double peak = 0.0;
        for (size_t i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(sample(wav, c.bits, i)));
        EXPECT_LT(peak, 0.98) << "sound " << c.id << " reaches full scale";
        EXPECT_GT(peak, 0.2) << "sound " << c.id << " is nearly silent";
    }
}

TEST(Icon, HoldsSixteenAndThirtyTwoPixelImages) {
    Bytes ico = readFile("resources/icon/tallyrope.ico");
    ASSERT_GE(ico.size(), 6u) << "icon is missing";
    EXPECT_EQ(u16(ico, 0), 0u);
    EXPECT_EQ(u16(ico, 2), 1u) << "not an icon file";
    size_t count = u16(ico, 4);
    ASSERT_GE(ico.size(), 6 + 16 * count);
    bool small = false, large = false;
    for (size_t i = 0; i < count; ++i) {
        size_t entry = 6 + 16 * i;
        int w = ico[entry], h = ico[entry + 1], bits = static_cast<int>(u16(ico, entry + 6));
        size_t size = u32(ico, entry + 8), at = u32(ico, entry + 12);
        ASSERT_LE(at + size, ico.size()) << "icon image " << w << "x" << h << " is cut short";
        EXPECT_TRUE(bits == 24 || bits == 32) << "icon image " << w << "x" << h << " depth";
        EXPECT_EQ(i32(ico, at + 4), w) << "icon image header width";
        EXPECT_EQ(i32(ico, at + 8), 2 * h) << "icon image header height (image and mask)";
        small = small || (w == 16 && h == 16);
        large = large || (w == 32 && h == 32);
    }
    EXPECT_TRUE(small) << "no 16x16 image";
    EXPECT_TRUE(large) << "no 32x32 image";
}

uint32_t bigEndian32(const Bytes& d, size_t at) {
    return (uint32_t{d[at]} << 24) | (d[at + 1] << 16) | (d[at + 2] << 8) | d[at + 3];
}

// A desktop picks the picture by its folder's name, so each must be that size.
TEST(Icon, TheDesktopThemeHasAnRgbaPictureOfEachFoldersSize) {
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string side = std::to_string(size);
        Bytes png = readFile("resources/icon/hicolor/" + side + "x" + side + "/apps/tallyrope.png");
        ASSERT_GE(png.size(), 33u) << size << " pixel icon is missing";
        EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin())) << size;
        EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR") << size;
        EXPECT_EQ(bigEndian32(png, 16), static_cast<uint32_t>(size)) << "width";
        EXPECT_EQ(bigEndian32(png, 20), static_cast<uint32_t>(size)) << "height";
        EXPECT_EQ(png[24], 8) << size << " pixel icon's bit depth";
        EXPECT_EQ(png[25], 6) << size << " pixel icon is not RGBA";
    }
    Bytes svg = readFile("resources/icon/hicolor/scalable/apps/tallyrope.svg");
    const std::string root = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\"";
    EXPECT_TRUE(svg.size() > root.size() && std::equal(root.begin(), root.end(), svg.begin()))
        << "the scalable icon is not a 256-unit SVG picture";
}

TEST(Help, EachLanguagesGuideIsACompiledHelpFileTitledForTheViewerCheck) {
    // The game finds an open guide by its window title, which comes from the file.
    const std::pair<const char*, const char*> guides[] = {
        {"help/tallyrope-help.chm", "Tallyrope Guide"},
        {"help/de/tallyrope-help.chm", "Tallyrope-Anleitung"},
        {"help/es/tallyrope-help.chm", "Gu\xED"
                                       "a de Tallyrope"},
        {"help/fr/tallyrope-help.chm", "Guide de Tallyrope"},
        {"help/it/tallyrope-help.chm", "Guida di Tallyrope"},
        {"help/nl/tallyrope-help.chm", "Tallyrope-gids"},
        {"help/pt_BR/tallyrope-help.chm", "Guia do Tallyrope"},
    };
    for (const auto& [file, title] : guides) {
        Bytes chm = readFile(file);
        ASSERT_GE(chm.size(), 4u) << file << " is missing";
        EXPECT_EQ(std::string(chm.begin(), chm.begin() + 4), "ITSF");
        const std::string text(chm.begin(), chm.end());
        EXPECT_NE(text.find(title), std::string::npos)
            << file << " does not carry the title " << title;
    }
}

} // namespace
