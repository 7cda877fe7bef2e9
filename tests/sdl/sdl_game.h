// The Linux program in a fresh folder of its own on SDL's offscreen driver, driven by the SDL
// events a player's pointer and keyboard would make.
#pragma once

#include "../temp_folder.h"

#include "frontends/sdl/program.h"

#include <map>
#include <string>

namespace tallyrope::test {

class SdlGame {
  public:
    // A folder holding one puzzle, "BIG TOP", some scores, unlocked console locks and `files`
    // (name to bytes); started at `scale` (as --scale takes it) on a display whose usable area
    // `usableBounds` reads.
    explicit SdlGame(const std::string& scale = "1",
                     UsableBounds usableBounds = SDL_GetDisplayUsableBounds,
                     const std::map<std::string, std::string>& files = {});

    std::string file(const std::string& name) const;
    void writeFile(const std::string& name, const std::string& bytes) const;

    // Events, each handled before the call returns, at device points. False once the run has
    // ended.
    bool click(Window window, Point client);
    bool clickControl(int id);                      // at the device point of its middle
    bool pressOn(int id);                           // the button goes down and stays down
    bool releaseOn(int id);                         // and comes up over it
    bool drag(Window window, Point from, Point to); // down, moved and up with the left button
    bool key(SDL_Keycode key, Uint16 mod = KMOD_NONE);
    bool typeText(const std::string& utf8);
    bool closeWindow(Window window);
    bool push(SDL_Event event);

    // What the screen state holds for control `id`: an edit box's text or a static's.
    std::string text(int id);
    bool visible(int id);
    // A pixel of `window` as painted now, as 0xRRGGBB.
    Uint32 pixel(Window window, Point client);

    FrontEnd& frontEnd() { return program.frontEnd(); }
    // A left button event at a client point of `window`.
    SDL_Event mouse(Uint32 type, Window window, Point client);

    testing::TempFolder folder;
    Program program;
};

// A pixel of a bitmap file of the source tree, as 0xRRGGBB.
Uint32 bitmapPixel(int bitmap, Point at);

} // namespace tallyrope::test
