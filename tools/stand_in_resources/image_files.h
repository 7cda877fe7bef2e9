// Minimal writers for 24-bit bitmaps, silent PCM clips and a one-colour icon.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tallyrope {

struct Colour {
    std::uint8_t red, green, blue;
};

class Image {
  public:
    Image(int width, int height, Colour colour);
    void fill(int x, int y, int width, int height, Colour colour);
    // A one-pixel border.
    void frame(Colour colour);
    int width() const { return width_; }
    int height() const { return height_; }
    Colour at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

  private:
    int width_, height_;
    std::vector<Colour> pixels_;
};

// Throw std::runtime_error when the file cannot be written.
void writeBitmap(const std::filesystem::path& path, const Image& image);
void writeSilence(const std::filesystem::path& path);
void writeIcon(const std::filesystem::path& path, Colour colour);

} // namespace tallyrope
