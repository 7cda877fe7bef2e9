#include "frontends/sdl/bitmaps.h"

#include "frontends/sdl/embedded_resources.h"

namespace tallyrope {

Bitmaps::~Bitmaps() {
    for (const auto& [id, surface] : decoded_) {
        SDL_FreeSurface(surface);
    }
}

SDL_Surface* Bitmaps::get(int id) {
    const auto found = decoded_.find(id);
    if (found != decoded_.end()) {
        return found->second;
    }
    const Blob blob = bitmapResource(id);
    SDL_Surface* surface =
        blob.data == nullptr
            ? nullptr
            : SDL_LoadBMP_RW(SDL_RWFromConstMem(blob.data, static_cast<int>(blob.size)), 1);
    decoded_[id] = surface;
    return surface;
}

} // namespace tallyrope
