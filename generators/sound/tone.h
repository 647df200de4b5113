// One synthesized event: an oscillator or noise source with a pitch glide,
// an envelope, vibrato and filters. Effects are tables of tones; the music
// arranger turns notes into tones.
#pragma once

#include <cstdint>

#include "generators/sound/track.h"

namespace assets::sound {

enum class Wave {
    Sine,
    Triangle,
    Pulse,    // band-limited, width `duty`
    Noise,    // white, or sample-and-hold at `freq` when it is above 0
    Crackle,  // noise in short random grains (snow, gravel, splinters)
};

struct Tone {
    Wave wave = Wave::Sine;
    double start = 0.0;    // seconds from the start of the track
    double length = 0.1;   // seconds, release included
    double freq = 440.0;   // Hz at the start
    double endFreq = 0.0;  // Hz at the end (exponential glide); 0: none
    double gain = 1.0;
    double pan = 0.0;       // -1 left .. 1 right
    double attack = 0.002;  // seconds
    double decay = 0.0;     // seconds to fall by 1/e toward `sustain`; 0: level stays 1
    double sustain = 0.0;
    double release = 0.01;      // fade to silence at the end, seconds
    double duty = 0.5;          // pulse width
    double vibrato = 0.0;       // depth in semitones
    double vibratoRate = 5.5;   // Hz
    double vibratoDelay = 0.0;  // seconds before the vibrato sets in
    double lowpass = 0.0;       // Hz at the start; 0: open
    double endLowpass = 0.0;    // Hz at the end; 0: as at the start
    double highpass = 0.0;      // Hz; 0: none
    double grains = 0.0;        // Crackle: grains per second
    std::uint32_t seed = 1;     // noise sequence
};

// Adds the tone into the track at its start time.
void RenderTone(const Tone& tone, Track& track);

}  // namespace assets::sound
