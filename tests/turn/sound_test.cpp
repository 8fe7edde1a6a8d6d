// The four cues: each plays only while its option is on and draws its variant only then.
#include "core/dice.h"
#include "sound/sound.h"
#include "tests/support/logic_platform.h"
#include "tests/turn/turn_fixture.h"
#include <set>

namespace {

using Sounds = std::vector<int>;

class SoundCue : public TurnTest {};

// Runs the cue from a known generator state; returns the sounds and the generator's next value.
template <typename Cue> std::pair<Sounds, int32_t> play(Cue cue, uint32_t seed) {
    ClearPlatformRecords();
    crtSrand(seed);
    cue();
    return {recordedSounds, crtRand()};
}

int32_t valueAfterDraws(uint32_t seed, int draws) {
    crtSrand(seed);
    for (int i = 0; i < draws; i++)
        crtRand();
    return crtRand();
}

// A variant cue draws exactly one value for its variant, and every variant is heard; a fixed cue
// draws nothing.
TEST_F(SoundCue, EachCueDrawsOnlyForItsVariant) {
    const struct {
        void (*cue)();
        int first, variants;
    } cues[] = {{PlayThrowSound, 2402, 3},
                {PlayCrossOutSound, 2405, 2},
                {PlayFiveOfAKindSound, 2401, 1},
                {PlayBonusSound, 2407, 1}};
    for (const auto& c : cues) {
        SCOPED_TRACE(c.first);
        const int draws = c.variants > 1 ? 1 : 0;
        std::set<int> heard;
        for (uint32_t i = 0; i < 200; i++) {
            const uint32_t seed = i * 2654435761u; // small seeds all start alike
            crtSrand(seed);
            const int expected = c.first + (draws ? randomCrt(0, c.variants - 1) : 0);
            const auto [sounds, next] = play(c.cue, seed);
            ASSERT_EQ(sounds, Sounds{expected});
            EXPECT_EQ(next, valueAfterDraws(seed, draws));
            heard.insert(sounds[0]);
        }
        EXPECT_EQ(static_cast<int>(heard.size()), c.variants);
    }
}

TEST_F(SoundCue, AnOptionThatIsOffSilencesItsCuesAndDrawsNothing) {
    const int32_t untouched = valueAfterDraws(9, 0);
    options.throwSound = 0;
    EXPECT_EQ(play(PlayThrowSound, 9), std::make_pair(Sounds{}, untouched));
    // The robot's cues hang on the other option.
    EXPECT_EQ(play(PlayBonusSound, 9).first, Sounds{2407});

    options.throwSound = 1;
    options.robotSound = 0;
    for (void (*cue)() : {PlayFiveOfAKindSound, PlayCrossOutSound, PlayBonusSound}) {
        EXPECT_EQ(play(cue, 9), std::make_pair(Sounds{}, untouched));
    }
    EXPECT_EQ(play(PlayThrowSound, 9).first.size(), 1u);

    options.robotSound = 7; // any nonzero value is on
    EXPECT_EQ(play(PlayBonusSound, 9).first, Sounds{2407});
}

} // namespace
