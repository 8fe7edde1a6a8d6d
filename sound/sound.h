// The four sound cues. Each checks its option and draws its variant only when it plays.
#pragma once
#include <cstdint>

bool PlaySoundResource(int32_t resourceId);
void PlayFiveOfAKindSound();
void PlayThrowSound();
void PlayCrossOutSound();
void PlayBonusSound();
// The cues as the game logic reaches them (core/hooks.h).
void InstallSoundCues();
