// Sound playback from the embedded wave resources with SDL2_mixer: one channel, a new sound cuts
// off the one playing. The audio device is opened, and the sounds decoded, on a thread of their
// own once the first frame is on the screen, so that no window waits for the sound system; a cue
// that comes before then plays as soon as it is ready (a later cue replaces it, as it would cut
// it off). Without an audio device the game is simply silent.
#include "platform/wx/sound.h"
#include "platform/system.h"
#include "res/resources.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <atomic>
#include <fcntl.h>
#include <map>
#include <thread>
#include <unistd.h>
#include <wx/app.h>
#include <wx/timer.h>

namespace {

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
    Mix_HaltChannel(0);
    Mix_PlayChannel(0, found->second, 0);
    if (quietTimer != nullptr)
        quietTimer->StartOnce(QUIET_CLOSE_MS);
}

void CloseDevice() {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio = UNOPENED;
}

// On the opening thread: the device, then every sound decoded once for it.
void OpenDevice() {
    QuietStderr quiet;
    bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    // A buffer of 256 frames (12 ms): a cue starts within about one buffer of its trigger.
    if (ok && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 256) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ok = false;
    }
    if (ok) {
        Mix_AllocateChannels(1);
        for (int32_t id = IDW_FIVE_ALIKE; id <= IDW_BONUS && chunks.size() < 7; id++) {
            ResourceData data;
            Mix_Chunk* chunk = nullptr;
            if (FindResourceData(id, &data) && data.size > 0)
                chunk =
                    Mix_LoadWAV_RW(SDL_RWFromConstMem(data.data, static_cast<int>(data.size)), 1);
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
            if (Mix_Playing(0) != 0)
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
    // SDL would otherwise take SIGINT and SIGTERM for its own event queue, which nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    opener = std::thread([] {
        OpenDevice();
        if (wxTheApp != nullptr)
            wxTheApp->CallAfter([] { Opened(); });
    });
}

} // namespace

void StartAudio() {
    started = true;
    BeginOpening();
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
            Mix_FreeChunk(chunk);
    chunks.clear();
    audio = UNOPENED;
    started = false;
}
