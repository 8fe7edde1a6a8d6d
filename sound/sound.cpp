#include "sound/sound.h"
#include "core/hooks.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/system.h"
#include "res/resources.h"

int32_t cuesSilenced;

bool PlaySoundResource(int32_t resourceId) {
    return cuesSilenced == 0 && PlatformPlaySound(resourceId);
}

// A cue whose option is off must not draw: the variant draws share the dice's generator.
void PlayFiveOfAKindSound() {
    if (SettingOn(&Settings::robotSound))
        PlaySoundResource(IDW_FIVE_ALIKE);
}

void PlayThrowSound() {
    if (SettingOn(&Settings::throwSound))
        PlaySoundResource(IDW_THROW_FIRST + randomCrt(0, 2));
}

void PlayCrossOutSound() {
    if (SettingOn(&Settings::robotSound))
        PlaySoundResource(IDW_CROSS_OUT_FIRST + randomCrt(0, 1));
}

void PlayBonusSound() {
    if (SettingOn(&Settings::robotSound))
        PlaySoundResource(IDW_BONUS);
}

void InstallSoundCues() {
    services.playThrowSound = PlayThrowSound;
    services.playFiveOfAKindSound = PlayFiveOfAKindSound;
    services.playBonusSound = PlayBonusSound;
    services.playCrossOutSound = PlayCrossOutSound;
}
