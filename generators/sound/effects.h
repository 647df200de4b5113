// The sound effects as tables of tones, by registered name.
#pragma once

#include <span>
#include <string_view>

#include "generators/sound/tone.h"

namespace assets::sound {

struct Effect {
    std::string_view name;  // registered name, e.g. "snd\\BlipSND.ogg"
    double peak;            // loudness: the peak it is scaled to
    std::span<const Tone> tones;
};

// The effect of that name, or nullptr (the tunes are music, not effects).
const Effect* FindEffect(std::string_view name);

}  // namespace assets::sound
