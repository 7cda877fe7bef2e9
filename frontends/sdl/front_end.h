// What one run of the Linux program holds: SDL, the fonts, clips, bitmaps and captions, the screen
// and the session of the rules.
#pragma once

#include "frontends/sdl/bitmaps.h"
#include "frontends/sdl/captions.h"
#include "frontends/sdl/desktop_scale.h"
#include "frontends/sdl/fonts.h"
#include "frontends/sdl/scale.h"
#include "frontends/sdl/sdl_ui.h"
#include "frontends/sdl/sound_player.h"
#include "state/random.h"
#include "state/session.h"

#include <SDL.h>

#include <string>

namespace tallyrope {

// SDL's video for the lifetime of the run.
struct SdlVideo {
    SdlVideo();
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;
    ~SdlVideo();
    bool ready = false;
    std::string error; // SDL's, when it is not ready
};

struct FrontEnd {
    // The data files live in `dataFolder` (ending with '/'); `guide` is the help's first page;
    // `scaleOption` is --scale's value, empty to take the desktop's; the scale steps down to fit
    // the usable area `usableBounds` reads.
    FrontEnd(const std::string& dataFolder, const std::string& guide,
             const std::string& scaleOption, UsableBounds usableBounds);

    SdlVideo video;
    UsableBounds usableBounds;
    Scale scale; // of every window and text
    Fonts fonts;
    SoundPlayer sounds;
    Bitmaps bitmaps;
    Captions captions;
    SdlUi ui;
    MersenneRandom random;
    Session session;
    // The caret blinks from the last edit on, so that it shows while the player types.
    Uint32 caretSince = 0;
    bool caretShown = true;
};

} // namespace tallyrope
