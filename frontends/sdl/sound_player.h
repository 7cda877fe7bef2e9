// The game's eight clips and the default beep, played through SDL_mixer.
#pragma once

#include <SDL.h>

#include <map>
#include <thread>

struct Mix_Chunk;

namespace tallyrope {

// Takes the SDL audio subsystem for its lifetime (SDL_InitSubSystem, SDL_QuitSubSystem), so the
// caller need not initialise it. Uses mixer channel 0 and owns the mixer's device while it lives:
// one player at a time.
//
// SDL's audio thread wakes 43 times a second while the device is open, even paused, so the
// device is closed once the game has been quiet a while and opened again for the next clip.
class SoundPlayer {
  public:
    // Opens the audio device and decodes every clip once. Without an audio device the player
    // stays silent. Quiet for `quietMilliseconds`, the game is taken to be idle.
    explicit SoundPlayer(Uint32 quietMilliseconds = 3000);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts a clip and returns at once. One clip plays at a time, so a clip that starts cuts
    // the one playing; an id the program has no clip for plays the beep.
    void play(int waveId);
    void beep();

    // Closes the device, in the background, once no clip has played for a while. Returns the
    // milliseconds after which to call it again, or -1 when only a clip's end can change that:
    // that end pushes an SDL event.
    int rest();

  private:
    void start(Mix_Chunk* chunk);
    // Opens the device as the clips were decoded for; false without one.
    bool open();
    // Waits for a close still running in the background.
    void closed();

    Uint32 quietMilliseconds_;
    bool audio_ = false;
    bool device_ = false;
    int frequency_ = 0;
    Uint16 format_ = 0;
    int channels_ = 0;
    Uint32 quietSince_ = 0; // SDL ticks when rest() first found nothing playing, 0 while unknown
    std::thread closing_;
    std::map<int, Mix_Chunk*> clips_;
    Mix_Chunk* beep_ = nullptr;
};

} // namespace tallyrope
