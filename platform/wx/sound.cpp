// Sound playback from the embedded wave resources with SDL2_mixer: one channel, a new sound
// cuts off the one playing. Without an audio device the game is simply silent.
#include "platform/system.h"
#include "platform/wx/wxplatform.h"
#include "res/resources.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <map>

namespace {

enum class Audio { Unopened, Open, Failed };
Audio audio = Audio::Unopened;
// Each wave is decoded once; a null entry remembers that it would not decode.
std::map<int32_t, Mix_Chunk*> chunks;

bool OpenAudio() {
    if (audio == Audio::Unopened) {
        audio = Audio::Failed; // tried once only, whatever happens
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(1);
        audio = Audio::Open;
    }
    return audio == Audio::Open;
}

Mix_Chunk* Chunk(int32_t resourceId) {
    auto found = chunks.find(resourceId);
    if (found != chunks.end())
        return found->second;
    Mix_Chunk* chunk = nullptr;
    ResourceData data;
    if (FindResourceData(resourceId, &data) && data.size > 0) {
        SDL_RWops* rw = SDL_RWFromConstMem(data.data, static_cast<int>(data.size));
        if (rw != nullptr)
            chunk = Mix_LoadWAV_RW(rw, 1);
    }
    chunks[resourceId] = chunk;
    return chunk;
}

} // namespace

bool PlatformPlaySound(int32_t resourceId) {
    ResourceData data;
    if (!FindResourceData(resourceId, &data) || !OpenAudio())
        return false;
    Mix_Chunk* chunk = Chunk(resourceId);
    if (chunk == nullptr)
        return false;
    Mix_HaltChannel(0);
    return Mix_PlayChannel(0, chunk, 0) == 0;
}

void StopSound() {
    if (audio != Audio::Open)
        return;
    Mix_HaltChannel(-1);
    for (auto& [id, chunk] : chunks) {
        if (chunk != nullptr)
            Mix_FreeChunk(chunk);
    }
    chunks.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio = Audio::Unopened;
}
