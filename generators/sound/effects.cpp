// Every sound effect, designed for its event. Times in seconds, pitches in Hz.
#include "generators/sound/effects.h"

#include <array>

#include "assets/asset_names.h"

namespace assets::sound {
namespace {

using W = Wave;

// The tables keep a tone to a line or two, which reads better than one field per line.
// clang-format off

// Menu move: a short two-step pulse blip.
constexpr Tone kBlip[] = {
    {.wave = W::Pulse, .start = 0.0, .length = 0.07, .freq = 988, .gain = 0.5, .release = 0.01, .duty = 0.25,
     .lowpass = 7000},
    {.wave = W::Pulse, .start = 0.06, .length = 0.16, .freq = 1480, .gain = 0.5, .decay = 0.05, .release = 0.03,
     .duty = 0.25, .lowpass = 7000},
};

// Key redefinition: a tiny bright ding.
constexpr Tone kDing[] = {
    {.wave = W::Sine, .length = 0.05, .freq = 1760, .gain = 0.8, .attack = 0.001, .decay = 0.018, .release = 0.008},
    {.wave = W::Sine, .length = 0.05, .freq = 5280, .gain = 0.25, .attack = 0.001, .decay = 0.008, .release = 0.008},
};

// Pick-up: a rising chime arpeggio, C6 E6 G6 C7, with an airy octave above.
constexpr Tone kItemCollect[] = {
    {.wave = W::Triangle, .start = 0.00, .length = 0.40, .freq = 1046.5, .gain = 0.5, .decay = 0.12, .release = 0.05},
    {.wave = W::Triangle, .start = 0.07, .length = 0.40, .freq = 1318.5, .gain = 0.5, .decay = 0.12, .release = 0.05},
    {.wave = W::Triangle, .start = 0.14, .length = 0.40, .freq = 1568.0, .gain = 0.5, .decay = 0.14, .release = 0.05},
    {.wave = W::Triangle, .start = 0.21, .length = 0.62, .freq = 2093.0, .gain = 0.55, .decay = 0.22, .release = 0.1,
     .vibrato = 0.15, .vibratoRate = 7, .vibratoDelay = 0.1},
    {.wave = W::Sine, .start = 0.21, .length = 0.62, .freq = 4186.0, .gain = 0.15, .pan = 0.4, .decay = 0.15,
     .release = 0.1},
    {.wave = W::Sine, .start = 0.14, .length = 0.5, .freq = 3136.0, .gain = 0.12, .pan = -0.4, .decay = 0.12,
     .release = 0.1},
};

// The last pick-up of a level: the chime climbs higher and lands on a chord with sparkle.
constexpr Tone kFinalItemCollect[] = {
    {.wave = W::Triangle, .start = 0.00, .length = 0.30, .freq = 1046.5, .gain = 0.45, .decay = 0.1, .release = 0.05},
    {.wave = W::Triangle, .start = 0.06, .length = 0.30, .freq = 1318.5, .gain = 0.45, .decay = 0.1, .release = 0.05},
    {.wave = W::Triangle, .start = 0.12, .length = 0.30, .freq = 1568.0, .gain = 0.45, .decay = 0.1, .release = 0.05},
    {.wave = W::Triangle, .start = 0.18, .length = 0.30, .freq = 2093.0, .gain = 0.45, .decay = 0.1, .release = 0.05},
    {.wave = W::Triangle, .start = 0.24, .length = 0.75, .freq = 2637.0, .gain = 0.5, .decay = 0.3, .release = 0.15,
     .vibrato = 0.2, .vibratoRate = 7, .vibratoDelay = 0.1},
    {.wave = W::Pulse, .start = 0.24, .length = 0.75, .freq = 1046.5, .gain = 0.18, .pan = -0.5, .decay = 0.3,
     .release = 0.15, .duty = 0.25, .lowpass = 5000},
    {.wave = W::Pulse, .start = 0.24, .length = 0.75, .freq = 1568.0, .gain = 0.18, .pan = 0.5, .decay = 0.3,
     .release = 0.15, .duty = 0.25, .lowpass = 5000},
    {.wave = W::Crackle, .start = 0.22, .length = 0.7, .gain = 0.25, .attack = 0.05, .decay = 0.25, .release = 0.2,
     .highpass = 6000, .grains = 60, .seed = 7},
};

// The axe strikes the wall: a dull thump with brick grit.
constexpr Tone kWallHit[] = {
    {.wave = W::Sine, .length = 0.16, .freq = 150, .endFreq = 55, .gain = 0.9, .attack = 0.001, .decay = 0.05,
     .release = 0.03},
    {.wave = W::Noise, .length = 0.12, .freq = 0, .gain = 0.6, .attack = 0.001, .decay = 0.03, .release = 0.03,
     .lowpass = 3000, .endLowpass = 400},
    {.wave = W::Crackle, .start = 0.01, .length = 0.17, .gain = 0.5, .attack = 0.002, .decay = 0.06, .release = 0.04,
     .lowpass = 5000, .highpass = 600, .grains = 500, .seed = 3},
};

// A present goes into the wheelbarrow: a wooden clunk and a small rattle.
constexpr Tone kItemPlaced[] = {
    {.wave = W::Triangle, .length = 0.12, .freq = 260, .endFreq = 170, .gain = 0.8, .attack = 0.001, .decay = 0.04,
     .release = 0.03},
    {.wave = W::Noise, .length = 0.08, .gain = 0.4, .attack = 0.001, .decay = 0.02, .release = 0.02, .lowpass = 1800,
     .highpass = 300},
    {.wave = W::Triangle, .start = 0.12, .length = 0.10, .freq = 330, .endFreq = 250, .gain = 0.4, .attack = 0.001,
     .decay = 0.03, .release = 0.03},
    {.wave = W::Crackle, .start = 0.1, .length = 0.24, .gain = 0.3, .decay = 0.08, .release = 0.06, .lowpass = 3000,
     .highpass = 500, .grains = 120, .seed = 11},
};

// A minecart hits the hero: an iron clank over a heavy thud, then clatter.
constexpr Tone kHitMineCart[] = {
    {.wave = W::Sine, .length = 0.3, .freq = 110, .endFreq = 45, .gain = 0.9, .attack = 0.001, .decay = 0.08,
     .release = 0.05},
    {.wave = W::Sine, .length = 0.3, .freq = 312, .gain = 0.35, .pan = -0.3, .attack = 0.001, .decay = 0.09,
     .release = 0.05},
    {.wave = W::Sine, .length = 0.25, .freq = 861, .gain = 0.25, .pan = 0.3, .attack = 0.001, .decay = 0.06,
     .release = 0.05},
    {.wave = W::Sine, .length = 0.2, .freq = 1693, .gain = 0.15, .attack = 0.001, .decay = 0.04, .release = 0.04},
    {.wave = W::Noise, .length = 0.1, .gain = 0.5, .attack = 0.001, .decay = 0.025, .release = 0.03, .lowpass = 4000,
     .endLowpass = 800},
    {.wave = W::Crackle, .start = 0.05, .length = 0.33, .gain = 0.45, .decay = 0.12, .release = 0.08,
     .lowpass = 6000, .highpass = 1200, .grains = 90, .seed = 5},
};

// A package hits the floor: a soft cardboard thump.
constexpr Tone kDropPackage[] = {
    {.wave = W::Sine, .length = 0.15, .freq = 120, .endFreq = 65, .gain = 0.9, .attack = 0.002, .decay = 0.05,
     .release = 0.04},
    {.wave = W::Noise, .length = 0.12, .gain = 0.45, .attack = 0.001, .decay = 0.03, .release = 0.04, .lowpass = 1200,
     .endLowpass = 300},
};

// The axe is dropped: a short metallic clink.
constexpr Tone kDropAxe[] = {
    {.wave = W::Sine, .length = 0.08, .freq = 2350, .gain = 0.5, .attack = 0.0005, .decay = 0.025, .release = 0.02},
    {.wave = W::Sine, .length = 0.07, .freq = 3910, .gain = 0.3, .pan = 0.3, .attack = 0.0005, .decay = 0.018,
     .release = 0.02},
    {.wave = W::Sine, .length = 0.06, .freq = 5630, .gain = 0.2, .pan = -0.3, .attack = 0.0005, .decay = 0.012,
     .release = 0.02},
    {.wave = W::Noise, .length = 0.03, .gain = 0.35, .attack = 0.0005, .decay = 0.006, .release = 0.01,
     .highpass = 2500},
};

// The axe knocks the floor while carried: a light wooden tick.
constexpr Tone kFloorAxeHit[] = {
    {.wave = W::Triangle, .length = 0.05, .freq = 900, .endFreq = 600, .gain = 0.6, .attack = 0.0005, .decay = 0.01,
     .release = 0.015},
    {.wave = W::Noise, .length = 0.03, .gain = 0.35, .attack = 0.0005, .decay = 0.006, .release = 0.01,
     .lowpass = 5000, .highpass = 1500},
};

// An elf is stunned: a crunchy bonk that wobbles down.
constexpr Tone kCrunch[] = {
    {.wave = W::Crackle, .length = 0.2, .gain = 0.8, .attack = 0.001, .decay = 0.07, .release = 0.04, .lowpass = 4500,
     .highpass = 400, .grains = 1500, .seed = 9},
    {.wave = W::Sine, .length = 0.12, .freq = 180, .endFreq = 70, .gain = 0.8, .attack = 0.001, .decay = 0.04,
     .release = 0.03},
    {.wave = W::Triangle, .start = 0.03, .length = 0.23, .freq = 700, .endFreq = 330, .gain = 0.3, .decay = 0.08,
     .release = 0.05, .vibrato = 1.0, .vibratoRate = 22},
};

// Footsteps on snow: a soft packed crunch; the second foot slightly darker.
constexpr Tone kSnowStep1[] = {
    {.wave = W::Crackle, .length = 0.22, .gain = 0.8, .attack = 0.012, .decay = 0.06, .release = 0.06,
     .lowpass = 5500, .endLowpass = 2500, .highpass = 700, .grains = 1800, .seed = 21},
    {.wave = W::Noise, .length = 0.12, .gain = 0.35, .attack = 0.005, .decay = 0.03, .release = 0.04, .lowpass = 500},
};
constexpr Tone kSnowStep2[] = {
    {.wave = W::Crackle, .length = 0.24, .gain = 0.8, .attack = 0.015, .decay = 0.065, .release = 0.06,
     .lowpass = 4500, .endLowpass = 2000, .highpass = 600, .grains = 1700, .seed = 22},
    {.wave = W::Noise, .length = 0.12, .gain = 0.35, .attack = 0.005, .decay = 0.03, .release = 0.04, .lowpass = 420,
     .seed = 2},
};

// A falling item lands: a short thud.
constexpr Tone kFallingItemLands[] = {
    {.wave = W::Sine, .length = 0.1, .freq = 105, .endFreq = 50, .gain = 0.9, .attack = 0.001, .decay = 0.03,
     .release = 0.03},
    {.wave = W::Noise, .length = 0.07, .gain = 0.45, .attack = 0.001, .decay = 0.015, .release = 0.03,
     .lowpass = 1500},
};

// The minecart panel: a friendly two-note ding-dong.
constexpr Tone kCartInfo[] = {
    {.wave = W::Pulse, .length = 0.25, .freq = 1318.5, .gain = 0.45, .decay = 0.09, .release = 0.05, .duty = 0.125,
     .lowpass = 6000},
    {.wave = W::Sine, .length = 0.25, .freq = 2637, .gain = 0.15, .decay = 0.06, .release = 0.05},
    {.wave = W::Pulse, .start = 0.17, .length = 0.4, .freq = 1046.5, .gain = 0.45, .decay = 0.14, .release = 0.1,
     .duty = 0.125, .vibrato = 0.12, .vibratoRate = 6, .vibratoDelay = 0.08, .lowpass = 6000},
    {.wave = W::Sine, .start = 0.17, .length = 0.4, .freq = 2093, .gain = 0.15, .decay = 0.1, .release = 0.1},
};

// Out of the cart: a quick hop upwards.
constexpr Tone kJumpOutOfCart[] = {
    {.wave = W::Pulse, .length = 0.2, .freq = 280, .endFreq = 900, .gain = 0.45, .decay = 0.08, .release = 0.05,
     .duty = 0.25, .lowpass = 5000},
    {.wave = W::Noise, .length = 0.05, .gain = 0.25, .decay = 0.015, .release = 0.02, .lowpass = 3000,
     .highpass = 500},
};

// A puff of smoke: a breathy whoosh that darkens as it spreads.
constexpr Tone kPoof[] = {
    {.wave = W::Noise, .length = 0.8, .gain = 0.8, .pan = -0.35, .attack = 0.015, .decay = 0.22, .release = 0.25,
     .lowpass = 7000, .endLowpass = 250, .highpass = 150, .seed = 31},
    {.wave = W::Noise, .length = 0.8, .gain = 0.8, .pan = 0.35, .attack = 0.02, .decay = 0.24, .release = 0.25,
     .lowpass = 6000, .endLowpass = 220, .highpass = 150, .seed = 32},
    {.wave = W::Sine, .length = 0.25, .freq = 160, .endFreq = 60, .gain = 0.35, .attack = 0.005, .decay = 0.06,
     .release = 0.05},
};

// Teleport: a shimmering climb with a sparkle on top.
constexpr Tone kTeleport[] = {
    {.wave = W::Sine, .length = 1.6, .freq = 300, .endFreq = 2400, .gain = 0.35, .attack = 0.05, .decay = 0.8,
     .sustain = 0.2, .release = 0.4, .vibrato = 0.6, .vibratoRate = 9},
    {.wave = W::Pulse, .length = 1.2, .freq = 600, .endFreq = 3000, .gain = 0.15, .pan = -0.5, .attack = 0.02,
     .decay = 0.5, .release = 0.3, .duty = 0.125, .vibrato = 1.0, .vibratoRate = 13, .lowpass = 6000},
    {.wave = W::Pulse, .start = 0.1, .length = 1.2, .freq = 900, .endFreq = 3600, .gain = 0.12, .pan = 0.5,
     .attack = 0.02, .decay = 0.5, .release = 0.3, .duty = 0.125, .vibrato = 1.0, .vibratoRate = 11,
     .lowpass = 6000},
    {.wave = W::Crackle, .start = 0.2, .length = 1.5, .gain = 0.3, .attack = 0.3, .decay = 0.6, .release = 0.5,
     .highpass = 5000, .grains = 150, .seed = 41},
};

// Grabbing a handle: a short rising knock.
constexpr Tone kHandleUp[] = {
    {.wave = W::Triangle, .length = 0.12, .freq = 480, .endFreq = 820, .gain = 0.6, .attack = 0.001, .decay = 0.04,
     .release = 0.03},
    {.wave = W::Noise, .length = 0.03, .gain = 0.3, .attack = 0.0005, .decay = 0.006, .release = 0.01,
     .highpass = 2000},
};

// Letting go of a handle: a falling whistle with a little swoosh.
constexpr Tone kHandleDown[] = {
    {.wave = W::Triangle, .length = 0.4, .freq = 820, .endFreq = 300, .gain = 0.5, .attack = 0.005, .decay = 0.15,
     .release = 0.08},
    {.wave = W::Noise, .length = 0.35, .gain = 0.25, .attack = 0.05, .decay = 0.1, .release = 0.1, .lowpass = 3000,
     .endLowpass = 600, .highpass = 300},
};

// A present is delivered: a bright little fanfare that lands on a chord.
constexpr Tone kPackageCollected[] = {
    {.wave = W::Pulse, .start = 0.00, .length = 0.12, .freq = 523.3, .gain = 0.4, .release = 0.02, .duty = 0.25,
     .lowpass = 6000},
    {.wave = W::Pulse, .start = 0.11, .length = 0.12, .freq = 659.3, .gain = 0.4, .release = 0.02, .duty = 0.25,
     .lowpass = 6000},
    {.wave = W::Pulse, .start = 0.22, .length = 0.12, .freq = 784.0, .gain = 0.4, .release = 0.02, .duty = 0.25,
     .lowpass = 6000},
    {.wave = W::Pulse, .start = 0.33, .length = 0.74, .freq = 1046.5, .gain = 0.42, .decay = 0.35, .sustain = 0.2,
     .release = 0.2, .duty = 0.25, .vibrato = 0.2, .vibratoRate = 6, .vibratoDelay = 0.15, .lowpass = 6000},
    {.wave = W::Triangle, .start = 0.33, .length = 0.74, .freq = 261.6, .gain = 0.5, .decay = 0.4, .sustain = 0.3,
     .release = 0.2},
    {.wave = W::Pulse, .start = 0.33, .length = 0.74, .freq = 659.3, .gain = 0.16, .pan = -0.5, .decay = 0.3,
     .release = 0.2, .duty = 0.125, .lowpass = 5000},
    {.wave = W::Pulse, .start = 0.33, .length = 0.74, .freq = 784.0, .gain = 0.16, .pan = 0.5, .decay = 0.3,
     .release = 0.2, .duty = 0.125, .lowpass = 5000},
    {.wave = W::Crackle, .start = 0.3, .length = 0.7, .gain = 0.22, .attack = 0.02, .decay = 0.2, .release = 0.2,
     .highpass = 6500, .grains = 80, .seed = 51},
};

// Peaks set by ear and loudness meter: the effects land within a few LU of
// each other (momentary loudness about -15 LUFS, footsteps and ticks lower),
// several LU above the level music at the third of full volume it plays at.
// Bright sustained chimes need lower peaks than short thumps to match them.
constexpr auto kEffects = std::to_array<Effect>({
    {assets::kBlipSound, 0.6, kBlip},
    {assets::kDingSound, 0.6, kDing},
    {assets::kItemCollectSound, 0.4, kItemCollect},
    {assets::kFinalItemCollectSound, 0.44, kFinalItemCollect},
    {assets::kWallHitSound, 0.8, kWallHit},
    {assets::kItemPlacedInWheelbarrowSound, 0.7, kItemPlaced},
    {assets::kHitMineCartSound, 0.85, kHitMineCart},
    {assets::kDropPackageSound, 0.7, kDropPackage},
    {assets::kDropAxeSound, 0.55, kDropAxe},
    {assets::kFloorAxeHitSound, 0.35, kFloorAxeHit},
    {assets::kCrunchSound, 0.75, kCrunch},
    {assets::kSnowStep1Sound, 0.3, kSnowStep1},
    {assets::kSnowStep2Sound, 0.3, kSnowStep2},
    {assets::kFallingItemLandsSound, 0.7, kFallingItemLands},
    {assets::kCartInfoSound, 0.6, kCartInfo},
    {assets::kJumpOutOfCartSound, 0.55, kJumpOutOfCart},
    {assets::kPoofSound, 0.6, kPoof},
    {assets::kTeleportSound, 0.36, kTeleport},
    {assets::kHandleUpSound, 0.5, kHandleUp},
    {assets::kHandleDownSound, 0.5, kHandleDown},
    {assets::kPackageCollectedSound, 0.52, kPackageCollected},
});

// clang-format on

}  // namespace

const Effect* FindEffect(std::string_view name) {
    for (const auto& e : kEffects)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace assets::sound
