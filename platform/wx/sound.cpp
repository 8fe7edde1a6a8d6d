// Sound playback from the embedded wave resources with SDL2_mixer: one channel, a new sound cuts
// off the one playing. The audio device is opened, and the sounds decoded, on a thread of their
// own once the first frame is on the screen, so that no window waits for the sound system; a cue
// that comes before then plays as soon as it is ready (a later cue replaces it, as it would cut
// it off). SDL2_mixer itself is loaded then, on that thread: its libraries and their codecs'
// (some thirty) stay out of the game's start. Without it, or without an audio device, the game
// is simply silent.
#include "platform/wx/sound.h"
#include "platform/system.h"
#include "res/resources.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <atomic>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <thread>
#include <unistd.h>
#include <wx/app.h>
#include <wx/timer.h>

namespace {

// The calls the game makes, found in the library once it is loaded.
struct Mixer {
    decltype(&SDL_SetHint) setHint;
    decltype(&SDL_InitSubSystem) initSubSystem;
    decltype(&SDL_QuitSubSystem) quitSubSystem;
    decltype(&SDL_RWFromConstMem) rwFromConstMem;
    decltype(&Mix_OpenAudio) openAudio;
    decltype(&Mix_CloseAudio) closeAudio;
    decltype(&Mix_AllocateChannels) allocateChannels;
    decltype(&Mix_LoadWAV_RW) loadWav;
    decltype(&Mix_FreeChunk) freeChunk;
    decltype(&Mix_PlayChannelTimed) playChannel;
    decltype(&Mix_HaltChannel) haltChannel;
    decltype(&Mix_Playing) playing;
};
Mixer mix;

template <typename F> bool Find(void* library, const char* name, F* fn) {
    *fn = reinterpret_cast<F>(dlsym(library, name));
    return *fn != nullptr;
}

// Once per run, on the opening thread; false when the library or a call is missing.
bool LoadMixer() {
    static bool loaded = false;
    if (loaded)
        return true;
    void* lib = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr)
        return false;
    loaded =
        Find(lib, "SDL_SetHint", &mix.setHint) &&
        Find(lib, "SDL_InitSubSystem", &mix.initSubSystem) &&
        Find(lib, "SDL_QuitSubSystem", &mix.quitSubSystem) &&
        Find(lib, "SDL_RWFromConstMem", &mix.rwFromConstMem) &&
        Find(lib, "Mix_OpenAudio", &mix.openAudio) &&
        Find(lib, "Mix_CloseAudio", &mix.closeAudio) &&
        Find(lib, "Mix_AllocateChannels", &mix.allocateChannels) &&
        Find(lib, "Mix_LoadWAV_RW", &mix.loadWav) && Find(lib, "Mix_FreeChunk", &mix.freeChunk) &&
        Find(lib, "Mix_PlayChannelTimed", &mix.playChannel) &&
        Find(lib, "Mix_HaltChannel", &mix.haltChannel) && Find(lib, "Mix_Playing", &mix.playing);
    if (!loaded)
        dlclose(lib);
    return loaded;
}

enum Audio { UNOPENED, OPENING, OPEN, FAILED };
std::atomic<int> audio{UNOPENED};
std::thread opener;
// The decoded sounds, by resource; filled by the opening thread, then read by the ui thread.
std::map<int32_t, Mix_Chunk*> chunks;
int32_t pendingCue = 0;
bool started = false;

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

// An open device keeps an audio thread busy even in silence, so it is closed after a few quiet
// seconds; the decoded sounds stay, and the device reopens in the format they were made for.
constexpr int QUIET_CLOSE_MS = 3000;
wxTimer* quietTimer = nullptr;

void PlayNow(int32_t resourceId) {
    auto found = chunks.find(resourceId);
    if (found == chunks.end() || found->second == nullptr)
        return;
    mix.haltChannel(0);
    mix.playChannel(0, found->second, 0, -1);
    if (quietTimer != nullptr)
        quietTimer->StartOnce(QUIET_CLOSE_MS);
}

void CloseDevice() {
    mix.haltChannel(-1);
    mix.closeAudio();
    mix.quitSubSystem(SDL_INIT_AUDIO);
    audio = UNOPENED;
}

// On the opening thread: the device, then every sound decoded once for it.
void OpenDevice() {
    QuietStderr quiet;
    bool ok = LoadMixer();
    // SDL would otherwise take SIGINT and SIGTERM for its own event queue, which nobody reads.
    if (ok)
        mix.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ok = ok && mix.initSubSystem(SDL_INIT_AUDIO) == 0;
    // A buffer of 256 frames (12 ms): a cue starts within about one buffer of its trigger.
    if (ok && mix.openAudio(22050, AUDIO_S16SYS, 2, 256) != 0) {
        mix.quitSubSystem(SDL_INIT_AUDIO);
        ok = false;
    }
    if (ok) {
        mix.allocateChannels(1);
        for (int32_t id = IDW_FIVE_ALIKE; id <= IDW_BONUS && chunks.size() < 7; id++) {
            ResourceData data;
            Mix_Chunk* chunk = nullptr;
            if (FindResourceData(id, &data) && data.size > 0)
                chunk = mix.loadWav(mix.rwFromConstMem(data.data, static_cast<int>(data.size)), 1);
            chunks[id] = chunk;
        }
    }
    audio = ok ? OPEN : FAILED;
}

// Back on the ui thread once the opening thread is done.
void Opened() {
    if (opener.joinable())
        opener.join();
    if (audio != OPEN)
        return;
    if (quietTimer == nullptr) {
        quietTimer = new wxTimer;
        quietTimer->Bind(wxEVT_TIMER, [](wxTimerEvent&) {
            if (audio != OPEN)
                return;
            if (mix.playing(0) != 0)
                quietTimer->StartOnce(QUIET_CLOSE_MS);
            else
                CloseDevice();
        });
    }
    if (pendingCue != 0)
        PlayNow(pendingCue);
    else
        quietTimer->StartOnce(QUIET_CLOSE_MS);
    pendingCue = 0;
}

void BeginOpening() {
    if (audio != UNOPENED || wxTheApp == nullptr)
        return;
    audio = OPENING;
    opener = std::thread([] {
        OpenDevice();
        if (wxTheApp != nullptr)
            wxTheApp->CallAfter([] { Opened(); });
    });
}

// The first frame is still on its way to the screen when its expose comes: the libraries and
// the device wait a moment more, so as not to take the processor from it.
constexpr int OPEN_DELAY_MS = 150;
wxTimer* openTimer = nullptr;

} // namespace

void StartAudio() {
    if (openTimer != nullptr || wxTheApp == nullptr)
        return;
    openTimer = new wxTimer;
    openTimer->Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        started = true;
        BeginOpening();
    });
    openTimer->StartOnce(OPEN_DELAY_MS);
}

bool PlatformPlaySound(int32_t resourceId) {
    ResourceData data;
    if (!FindResourceData(resourceId, &data) || audio == FAILED)
        return false;
    if (audio == OPEN) {
        PlayNow(resourceId);
        return true;
    }
    pendingCue = resourceId;
    if (started)
        BeginOpening(); // reopened after a quiet spell
    return true;
}

void StopSound() {
    delete openTimer;
    openTimer = nullptr;
    if (opener.joinable())
        opener.join();
    if (quietTimer != nullptr) {
        quietTimer->Stop();
        delete quietTimer;
        quietTimer = nullptr;
    }
    if (audio == OPEN)
        CloseDevice();
    for (auto& [id, chunk] : chunks)
        if (chunk != nullptr)
            mix.freeChunk(chunk);
    chunks.clear();
    audio = UNOPENED;
    started = false;
}
