#include "tools/stand_in_resources/image_files.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

namespace tallyrope {

namespace {

class LittleEndian {
  public:
    void u8(unsigned value) { bytes_.push_back(static_cast<char>(value & 0xFF)); }
    void u16(unsigned value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void text(const char* four) { bytes_.append(four, 4); }
    void zeros(std::size_t count) { bytes_.append(count, '\0'); }
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

void save(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

constexpr std::uint32_t infoHeaderSize = 40;

// Rows bottom-up, each padded to four bytes.
void pixelRows(LittleEndian& out, const Image& image) {
    const int padding = (4 - image.width() * 3 % 4) % 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Colour c = image.at(x, y);
            out.u8(c.blue);
            out.u8(c.green);
            out.u8(c.red);
        }
        out.zeros(static_cast<std::size_t>(padding));
    }
}

void infoHeader(LittleEndian& out, int width, int height, unsigned bitsPerPixel,
                std::uint32_t imageSize) {
    out.u32(infoHeaderSize);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));
    out.u16(1);
    out.u16(bitsPerPixel);
    out.u32(0);
    out.u32(imageSize);
    out.u32(2835);
    out.u32(2835);
    out.u32(0);
    out.u32(0);
}

} // namespace

Image::Image(int width, int height, Colour colour)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), colour) {}

void Image::fill(int x, int y, int width, int height, Colour colour) {
    for (int row = std::max(0, y); row < std::min(height_, y + height); ++row) {
        for (int column = std::max(0, x); column < std::min(width_, x + width); ++column) {
            pixels_[static_cast<std::size_t>(row * width_ + column)] = colour;
        }
    }
}

void Image::frame(Colour colour) {
    fill(0, 0, width_, 1, colour);
    fill(0, height_ - 1, width_, 1, colour);
    fill(0, 0, 1, height_, colour);
    fill(width_ - 1, 0, 1, height_, colour);
}

void writeBitmap(const std::filesystem::path& path, const Image& image) {
    LittleEndian pixels;
    pixelRows(pixels, image);
    const auto imageSize = static_cast<std::uint32_t>(pixels.bytes().size());
    LittleEndian out;
    out.u8('B');
    out.u8('M');
    out.u32(14 + infoHeaderSize + imageSize);
    out.u32(0);
    out.u32(14 + infoHeaderSize);
    infoHeader(out, image.width(), image.height(), 24, imageSize);
    save(path, out.bytes() + pixels.bytes());
}

void writeSilence(const std::filesystem::path& path) {
    constexpr std::uint32_t sampleRate = 22050;
    constexpr std::uint32_t samples = sampleRate / 20;
    LittleEndian out;
    out.text("RIFF");
    out.u32(36 + samples * 2);
    out.text("WAVE");
    out.text("fmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(1); // mono
    out.u32(sampleRate);
    out.u32(sampleRate * 2);
    out.u16(2);
    out.u16(16);
    out.text("data");
    out.u32(samples * 2);
    out.zeros(samples * 2);
    save(path, out.bytes());
}

void writeIcon(const std::filesystem::path& path, Colour colour) {
    constexpr int sizes[] = {16, 32};
    std::string images[2];
    for (int i = 0; i < 2; ++i) {
        Image image(sizes[i], sizes[i], colour);
        image.frame(Colour{20, 20, 20});
        LittleEndian pixels;
        pixelRows(pixels, image);
        // The AND mask: every pixel opaque, rows of 32 bits.
        pixels.zeros(static_cast<std::size_t>(sizes[i] * ((sizes[i] + 31) / 32) * 4));
        LittleEndian entry;
        infoHeader(entry, sizes[i], sizes[i] * 2, 24, 0);
        images[i] = entry.bytes() + pixels.bytes();
    }
    LittleEndian out;
    out.u16(0);
    out.u16(1); // icon
    out.u16(2);
    std::uint32_t offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        out.u8(static_cast<unsigned>(sizes[i]));
        out.u8(static_cast<unsigned>(sizes[i]));
        out.u8(0);
        out.u8(0);
        out.u16(1);
        out.u16(24);
        out.u32(static_cast<std::uint32_t>(images[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    save(path, out.bytes() + images[0] + images[1]);
}

} // namespace tallyrope
