// Sound playback from the embedded wave resources with SDL2_mixer: one channel, a new sound
// cuts off the one playing. Without an audio device the game is simply silent.
#include "platform/system.h"
#include "platform/wx/wxplatform.h"
#include "res/resources.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <wx/app.h>
#include <wx/timer.h>

namespace {

enum class Audio { Unopened, Open, Failed };
Audio audio = Audio::Unopened;
// Each wave is decoded once; a null entry remembers that it would not decode.
std::map<int32_t, Mix_Chunk*> chunks;

// The audio back ends' libraries report a missing device on standard error themselves; the
// game's answer to that is silence, so their complaints are not shown either.
class QuietStderr {
  public:
    QuietStderr() : saved_(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        if (saved_ >= 0 && null >= 0)
            dup2(null, STDERR_FILENO);
        if (null >= 0)
            close(null);
    }
    ~QuietStderr() {
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }

  private:
    int saved_;
};

// An open device keeps an audio thread busy even in silence, so it is closed after a few
// quiet seconds; the decoded sounds stay, in the format the device gave the first time.
constexpr int QUIET_CLOSE_MS = 3000;
wxTimer* quietTimer = nullptr;
SDL_AudioSpec firstFormat;
bool haveFirstFormat = false;

void CloseAudio() {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio = Audio::Unopened;
}

void FreeChunks() {
    for (auto& [id, chunk] : chunks) {
        if (chunk != nullptr)
            Mix_FreeChunk(chunk);
    }
    chunks.clear();
}

void CloseWhenQuiet() {
    if (wxTheApp == nullptr)
        return;
    if (quietTimer == nullptr) {
        quietTimer = new wxTimer;
        quietTimer->Bind(wxEVT_TIMER, [](wxTimerEvent&) {
            if (audio != Audio::Open)
                return;
            if (Mix_Playing(0) != 0)
                quietTimer->StartOnce(QUIET_CLOSE_MS);
            else
                CloseAudio();
        });
    }
    quietTimer->StartOnce(QUIET_CLOSE_MS);
}

bool OpenAudio() {
    if (audio == Audio::Unopened) {
        audio = Audio::Failed; // tried once only, whatever happens
        // SDL would otherwise take SIGINT and SIGTERM for its own event queue, which nobody
        // reads here: the game could no longer be stopped by a signal.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        QuietStderr quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(1);
        SDL_AudioSpec opened{};
        Uint16 format = 0;
        Mix_QuerySpec(&opened.freq, &format, nullptr);
        opened.format = format;
        if (haveFirstFormat &&
            (opened.freq != firstFormat.freq || opened.format != firstFormat.format))
            FreeChunks(); // decoded for another format
        firstFormat = opened;
        haveFirstFormat = true;
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
    const bool started = Mix_PlayChannel(0, chunk, 0) == 0;
    CloseWhenQuiet();
    return started;
}

void StopSound() {
    if (quietTimer != nullptr) {
        quietTimer->Stop();
        delete quietTimer;
        quietTimer = nullptr;
    }
    if (audio == Audio::Open)
        CloseAudio();
    FreeChunks();
    audio = Audio::Unopened;
}
