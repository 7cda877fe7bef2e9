// The program's bitmaps, decoded once from the copies compiled into it.
#pragma once

#include <SDL.h>

#include <map>

namespace tallyrope {

class Bitmaps {
  public:
    Bitmaps() = default;
    Bitmaps(const Bitmaps&) = delete;
    Bitmaps& operator=(const Bitmaps&) = delete;
    ~Bitmaps();

    // Bitmap `id`, or nullptr when the program has none by that id.
    SDL_Surface* get(int id);

  private:
    std::map<int, SDL_Surface*> decoded_;
};

} // namespace tallyrope
