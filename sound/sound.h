// The four sound cues. Each checks its option and draws its variant only when it plays.
#pragma once
#include <cstdint>

// While set, the cues draw their variants as always but nothing is heard (a game that is being
// finished after its window was closed).
extern int32_t cuesSilenced;

bool PlaySoundResource(int32_t resourceId);
void PlayFiveOfAKindSound();
void PlayThrowSound();
void PlayCrossOutSound();
void PlayBonusSound();
// The cues as the game logic reaches them (core/hooks.h).
void InstallSoundCues();
