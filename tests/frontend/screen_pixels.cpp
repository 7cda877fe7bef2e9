#include "screen_pixels.h"

#include "ui/resource_ids.h"

namespace tallyrope::testing {

Pixels pixelsOf(HDC source, int x, int y, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    Pixels pixels{width, height, {}};
    const auto* colours = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.colours.push_back(colours[i] & 0xFFFFFF);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(copy);
    return pixels;
}

Pixels withoutCaption(Pixels face, int percent) {
    const int across = (5 * percent + 99) / 100;
    const int down = (4 * percent + 99) / 100;
    for (int y = down; y < face.height - down; ++y) {
        for (int x = across; x < face.width - across; ++x) {
            face.colours[static_cast<std::size_t>(y * face.width + x)] = 0;
        }
    }
    return face;
}

Pixels screenPixels(const RECT& rect) {
    HDC screen = GetDC(nullptr);
    Pixels pixels =
        pixelsOf(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(nullptr, screen);
    return pixels;
}

ProgramBitmaps::ProgramBitmaps(const GameCopy& game)
    : program_(LoadLibraryExA((game.folder() + "tallyrope.exe").c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ProgramBitmaps::~ProgramBitmaps() {
    if (program_ != nullptr) {
        FreeLibrary(program_);
    }
}

Pixels ProgramBitmaps::bitmap(int id) const {
    HBITMAP loaded = static_cast<HBITMAP>(
        LoadImageA(program_, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP size{};
    GetObjectA(loaded, sizeof size, &size);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, loaded);
    Pixels pixels = pixelsOf(memory, 0, 0, size.bmWidth, size.bmHeight);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(loaded);
    return pixels;
}

void ProgramBitmaps::addFonts() const {
    for (int id : resource::captionFonts) {
        HRSRC found = FindResourceA(program_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
        DWORD added = 0;
        AddFontMemResourceEx(LockResource(LoadResource(program_, found)),
                             SizeofResource(program_, found), nullptr, &added);
    }
}

} // namespace tallyrope::testing
