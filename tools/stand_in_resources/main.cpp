// Writes plain stand-ins for the program's bitmaps, clips and icon, at the sizes the windows
// need, so the Windows program can be built and tested before its art exists. The build takes
// them only for files missing under resources/; a distribution never ships them.
//
// Usage: stand_in_resources OUTPUT_FOLDER
#include "tools/stand_in_resources/image_files.h"
#include "ui/control_table.h"
#include "ui/resource_ids.h"
#include "ui/window_table.h"

#include <filesystem>
#include <iostream>
#include <map>

namespace tallyrope {
namespace {

constexpr Colour lightGrey{192, 192, 192};

Image background(const WindowSpec& spec) {
    Image image(spec.width, spec.height, Colour{70, 86, 96});
    image.fill(0, 0, spec.width, 25, Colour{30, 40, 48});
    // Text and edit controls sit on light-grey fields, as they will in the real art.
    for (const ControlSpec& control : controlTable()) {
        const bool text = control.kind != ControlKind::OwnerDrawnButton &&
                          control.kind != ControlKind::BitmapStatic;
        if (control.parent == spec.window && text) {
            image.fill(control.x, control.y, control.width, control.height, lightGrey);
        }
    }
    return image;
}

Image face(int width, int height, Colour colour) {
    Image image(width, height, colour);
    image.frame(Colour{20, 20, 20});
    return image;
}

// Size of each bitmap: its control's, or the odd size it is drawn at.
std::map<int, std::pair<int, int>> bitmapSizes() {
    std::map<int, std::pair<int, int>> sizes;
    for (const ControlSpec& control : controlTable()) {
        for (int bitmap : {control.bitmap, control.pressedBitmap}) {
            if (bitmap != 0) {
                sizes[bitmap] = {control.width, control.height};
            }
        }
    }
    for (const BitmapSize& odd : oddBitmapSizes()) {
        sizes[odd.bitmap] = {odd.width, odd.height};
    }
    return sizes;
}

bool isPressedFace(int bitmap) {
    for (const ControlSpec& control : controlTable()) {
        if (control.pressedBitmap == bitmap) {
            return true;
        }
    }
    return false;
}

Colour faceColour(int bitmap) {
    const ControlSpec* owner = nullptr;
    for (const ControlSpec& control : controlTable()) {
        if (control.bitmap == bitmap || control.pressedBitmap == bitmap) {
            owner = &control;
        }
    }
    if (owner != nullptr && owner->kind == ControlKind::BitmapStatic) {
        return owner->id < 1700 ? Colour{222, 200, 150} : Colour{235, 235, 235};
    }
    return isPressedFace(bitmap) ? Colour{120, 90, 40} : Colour{190, 150, 80};
}

void writeAll(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "bitmaps");
    std::filesystem::create_directories(folder / "sounds");
    std::filesystem::create_directories(folder / "icon");
    const auto bitmapPath = [&](int id) {
        return folder / "bitmaps" / (std::to_string(id) + ".bmp");
    };
    for (const WindowSpec& spec : windowTable()) {
        writeBitmap(bitmapPath(spec.background), background(spec));
    }
    for (const auto& [bitmap, size] : bitmapSizes()) {
        writeBitmap(bitmapPath(bitmap), face(size.first, size.second, faceColour(bitmap)));
    }
    for (int sound : resource::sounds) {
        writeSilence(folder / "sounds" / (std::to_string(sound) + ".wav"));
    }
    writeIcon(folder / "icon" / "tallyrope.ico", Colour{190, 150, 80});
}

} // namespace
} // namespace tallyrope

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stand_in_resources OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        tallyrope::writeAll(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "stand_in_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
