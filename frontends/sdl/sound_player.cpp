#include "frontends/sdl/sound_player.h"

#include "frontends/sdl/embedded_resources.h"
#include "ui/resource_ids.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace tallyrope {
namespace {

constexpr int kChannel = 0;

// Converted once to the device's format, so playing costs nothing but the mixing.
Mix_Chunk* decode(Blob wave) {
    if (!wave.data)
        return nullptr;
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.data, static_cast<int>(wave.size)), 1);
}

} // namespace

SoundPlayer::SoundPlayer() {
    audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!audio_)
        return;
    device_ = Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
    if (!device_)
        return;
    Mix_AllocateChannels(1);
    for (int id : resource::sounds)
        if (Mix_Chunk* chunk = decode(soundResource(id)))
            clips_[id] = chunk;
    beep_ = decode(beepSound());
}

SoundPlayer::~SoundPlayer() {
    if (device_) {
        Mix_HaltChannel(-1);
        for (auto& [id, chunk] : clips_)
            Mix_FreeChunk(chunk);
        Mix_FreeChunk(beep_);
        Mix_CloseAudio();
    }
    if (audio_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundPlayer::play(int waveId) {
    auto clip = clips_.find(waveId);
    start(clip != clips_.end() ? clip->second : beep_);
}

void SoundPlayer::beep() {
    start(beep_);
}

void SoundPlayer::start(Mix_Chunk* chunk) {
    if (!chunk)
        return;
    // Playing on a busy channel replaces its clip, which is the cut the game expects.
    Mix_PlayChannel(kChannel, chunk, 0);
}

} // namespace tallyrope
