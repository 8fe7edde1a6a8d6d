// cue_latency: how long after its trigger a sound cue reaches the audio device, once the device
// is open: the time from PlatformPlaySound to the first mixed buffer that carries the sound.
// Needs a display (the sound reports back through the toolkit's loop) and an audio device
// (SDL_AUDIODRIVER=dummy will do). Prints the median and the worst of 50 cues.
#include "platform/system.h"
#include "platform/window.h"
#include "platform/wx/sound.h"
#include "res/resources.h"
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>
#include <wx/app.h>
#include <wx/evtloop.h>

using Clock = std::chrono::steady_clock;

namespace {

std::atomic<bool> armed{false};
std::atomic<int64_t> heard{0};

// The mixer's last step before the device: the first buffer that is not silence since the cue.
void OnMix(void*, Uint8* stream, int length) {
    if (!armed)
        return;
    for (int i = 0; i < length; i++)
        if (stream[i] != 0) {
            heard = Clock::now().time_since_epoch().count();
            armed = false;
            return;
        }
}

void Pump(int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < end) {
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_ALL);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

int main() {
    if (!PlatformStart())
        return 1;
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    StartAudio();
    PlatformPlaySound(IDW_BONUS); // opens the device; this one is not counted
    Pump(1500);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        std::fprintf(stderr, "cue_latency: no audio device\n");
        return 1;
    }
    Mix_SetPostMix(OnMix, nullptr);
    std::vector<double> ms;
    for (int i = 0; i < 50; i++) {
        armed = true;
        const auto start = Clock::now();
        PlatformPlaySound(IDW_THROW_FIRST + i % 3);
        while (armed && Clock::now() - start < std::chrono::seconds(1))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const Clock::time_point at{Clock::duration{heard.load()}};
        ms.push_back(std::chrono::duration<double, std::milli>(at - start).count());
        Pump(60);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("cue to device, 50 cues at %d Hz: median %.1f ms, worst %.1f ms\n", frequency,
                ms[ms.size() / 2], ms.back());
    PlatformStop();
    return 0;
}
