#include "frontends/sdl/front_end.h"

namespace tallyrope {

namespace {

Paths pathsIn(const std::string& dataFolder, const std::string& guide) {
    Paths paths = Paths::inFolder(dataFolder);
    paths.HelpFiler = guide;
    return paths;
}

} // namespace

SdlVideo::SdlVideo() {
    // The windows are painted in software into their own surfaces: no GL is needed.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    ready = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!ready) {
        error = SDL_GetError();
    }
}

SdlVideo::~SdlVideo() {
    if (ready) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

FrontEnd::FrontEnd(const std::string& dataFolder, const std::string& guide,
                   const std::string& scaleOption, UsableBounds usableBounds)
    : usableBounds(usableBounds),
      scale(video.ready ? scaleForDisplay(scaleOption, usableBounds) : Scale()), fonts(scale),
      ui(fonts, sounds, scale), session(ui, random, pathsIn(dataFolder, guide)) {}

} // namespace tallyrope
