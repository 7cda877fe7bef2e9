// The game's eight clips and the default beep, played through SDL_mixer.
#pragma once

#include <map>

struct Mix_Chunk;

namespace tallyrope {

// Takes the SDL audio subsystem for its lifetime (SDL_InitSubSystem, SDL_QuitSubSystem), so the
// caller need not initialise it. Uses mixer channel 0 and owns the mixer's device while it lives:
// one player at a time.
class SoundPlayer {
  public:
    // Opens the audio device and decodes every clip once. Without an audio device the player
    // stays silent.
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts a clip and returns at once. One clip plays at a time, so a clip that starts cuts
    // the one playing; an id the program has no clip for plays the beep.
    void play(int waveId);
    void beep();

  private:
    void start(Mix_Chunk* chunk);

    bool audio_ = false;
    bool device_ = false;
    std::map<int, Mix_Chunk*> clips_;
    Mix_Chunk* beep_ = nullptr;
};

} // namespace tallyrope
