// The program's bitmaps at a scale: pixel for pixel at whole scales, smoothly stretched at
// fractions.
#pragma once

#include "ui/scale.h"

#include <functional>

#include <windows.h>

namespace tallyrope {

// Bitmap resource `id` as a device-independent section; the caller deletes it.
HBITMAP loadBitmap(HINSTANCE instance, int id);

SIZE bitmapSize(HBITMAP bitmap);

// Runs `draw` on a memory context that `bitmap` is selected into, to write over the picture.
void drawInto(HBITMAP bitmap, const std::function<void(HDC)>& draw);

// Has StretchBlt onto `target` smooth a bitmap drawn at a fractional `scale`; at whole scales
// the plain stretch copies each pixel whole.
void stretchFor(HDC target, Scale scale);

// Bitmap `id` grown from its own size, from the origin, to where `scale` puts its far edges when
// its top-left corner lies at table point `corner`: its size at scale 1 is its own. The caller
// deletes it.
HBITMAP scaledBitmap(HINSTANCE instance, int id, Point corner, Scale scale);

} // namespace tallyrope
