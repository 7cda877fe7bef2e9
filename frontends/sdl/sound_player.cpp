#include "frontends/sdl/sound_player.h"

#include "frontends/sdl/embedded_resources.h"
#include "ui/resource_ids.h"

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

// Runs on SDL's audio thread: wakes the event loop waiting in SDL_WaitEvent.
void clipEnded(int) {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    SDL_PushEvent(&event);
}

} // namespace

// The quiet time keeps a closing device from delaying a clip while the game is played.
SoundPlayer::SoundPlayer(Uint32 quietMilliseconds) : quietMilliseconds_(quietMilliseconds) {
    audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!audio_)
        return;
    device_ = Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
    if (!device_)
        return;
    Mix_QuerySpec(&frequency_, &format_, &channels_);
    Mix_AllocateChannels(1);
    Mix_ChannelFinished(clipEnded);
    for (int id : resource::sounds)
        if (Mix_Chunk* chunk = decode(soundResource(id)))
            clips_[id] = chunk;
    beep_ = decode(beepSound());
}

SoundPlayer::~SoundPlayer() {
    closed();
    if (device_) {
        Mix_ChannelFinished(nullptr);
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    for (auto& [id, chunk] : clips_)
        Mix_FreeChunk(chunk);
    Mix_FreeChunk(beep_);
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

int SoundPlayer::rest() {
    if (!device_)
        return -1;
    if (Mix_Playing(kChannel) != 0) {
        quietSince_ = 0;
        return -1;
    }
    const Uint32 now = SDL_GetTicks();
    if (quietSince_ == 0)
        quietSince_ = now;
    const Uint32 quiet = now - quietSince_;
    if (quiet < quietMilliseconds_)
        return static_cast<int>(quietMilliseconds_ - quiet);
    // SDL waits for its audio thread to finish, which can take seconds on PulseAudio.
    closing_ = std::thread(Mix_CloseAudio);
    device_ = false;
    return -1;
}

void SoundPlayer::start(Mix_Chunk* chunk) {
    if (!chunk || !open())
        return;
    quietSince_ = 0;
    // Playing on a busy channel replaces its clip, which is the cut the game expects.
    Mix_PlayChannel(kChannel, chunk, 0);
}

bool SoundPlayer::open() {
    if (device_)
        return true;
    if (frequency_ == 0)
        return false; // there never was a device
    closed();
    // Exactly the format the clips were converted to.
    device_ = Mix_OpenAudioDevice(frequency_, format_, channels_, 1024, nullptr, 0) == 0;
    if (device_) {
        Mix_AllocateChannels(1);
        Mix_ChannelFinished(clipEnded);
    }
    return device_;
}

void SoundPlayer::closed() {
    if (closing_.joinable())
        closing_.join();
}

} // namespace tallyrope
