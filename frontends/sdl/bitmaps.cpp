#include "frontends/sdl/bitmaps.h"

#include "frontends/sdl/embedded_resources.h"

namespace tallyrope {

Bitmaps::~Bitmaps() {
    for (const auto& [id, surface] : decoded_) {
        SDL_FreeSurface(surface);
    }
    for (const auto& [size, surface] : smoothed_) {
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

SDL_Surface* Bitmaps::smoothed(int id, int width, int height) {
    const auto key = std::make_tuple(id, width, height);
    const auto found = smoothed_.find(key);
    if (found != smoothed_.end()) {
        return found->second;
    }
    SDL_Surface* stretched = nullptr;
    if (SDL_Surface* bitmap = get(id)) {
        // The linear stretch takes 32-bit pixels on both sides.
        SDL_Surface* source = SDL_ConvertSurfaceFormat(bitmap, SDL_PIXELFORMAT_RGB888, 0);
        stretched = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
        if (source == nullptr || stretched == nullptr ||
            SDL_SoftStretchLinear(source, nullptr, stretched, nullptr) != 0) {
            SDL_FreeSurface(stretched);
            stretched = nullptr;
        }
        SDL_FreeSurface(source);
    }
    smoothed_[key] = stretched;
    return stretched;
}

} // namespace tallyrope
