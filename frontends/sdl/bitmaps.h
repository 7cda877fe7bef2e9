// The program's bitmaps, decoded once from the copies compiled into it.
#pragma once

#include <SDL.h>

#include <map>
#include <tuple>

namespace tallyrope {

class Bitmaps {
  public:
    Bitmaps() = default;
    Bitmaps(const Bitmaps&) = delete;
    Bitmaps& operator=(const Bitmaps&) = delete;
    ~Bitmaps();

    // Bitmap `id`, or nullptr when the program has none by that id.
    SDL_Surface* get(int id);
    // Bitmap `id` stretched smoothly to `width` x `height`, made once; nullptr as get().
    SDL_Surface* smoothed(int id, int width, int height);

  private:
    std::map<int, SDL_Surface*> decoded_;
    std::map<std::tuple<int, int, int>, SDL_Surface*> smoothed_; // by id, width, height
};

} // namespace tallyrope
