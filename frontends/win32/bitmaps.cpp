#include "frontends/win32/bitmaps.h"

namespace tallyrope {

HBITMAP loadBitmap(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    return {size.bmWidth, size.bmHeight};
}

void drawInto(HBITMAP bitmap, const std::function<void(HDC)>& draw) {
    HDC drawing = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(drawing, bitmap);
    draw(drawing);
    SelectObject(drawing, before);
    DeleteDC(drawing);
}

void stretchFor(HDC target, Scale scale) {
    if (!scale.whole()) {
        SetStretchBltMode(target, HALFTONE);
        // HALFTONE asks for the brush origin to be set again after it is chosen.
        SetBrushOrgEx(target, 0, 0, nullptr);
    }
}

HBITMAP scaledBitmap(HINSTANCE instance, int id, Point corner, Scale scale) {
    HBITMAP original = loadBitmap(instance, id);
    if (original == nullptr || scale.percent() == smallestScale) {
        return original;
    }
    const SIZE size = bitmapSize(original);
    const int width = scale.toDevice(corner.x + size.cx) - scale.toDevice(corner.x);
    const int height = scale.toDevice(corner.y + size.cy) - scale.toDevice(corner.y);
    // 24 bits a pixel, bottom-up, like the resources: a static control shows it as it is.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    void* pixels = nullptr;
    HBITMAP scaled = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (scaled == nullptr) {
        // Out of memory for the large copy: the picture at its own size beats none.
        return original;
    }
    HDC source = CreateCompatibleDC(nullptr);
    HDC target = CreateCompatibleDC(nullptr);
    HGDIOBJ sourceBefore = SelectObject(source, original);
    HGDIOBJ targetBefore = SelectObject(target, scaled);
    stretchFor(target, scale);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(source, sourceBefore);
    SelectObject(target, targetBefore);
    DeleteDC(source);
    DeleteDC(target);
    DeleteObject(original);
    return scaled;
}

} // namespace tallyrope
