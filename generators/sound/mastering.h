// Finishing touches on a rendered track.
#pragma once

#include "generators/sound/track.h"

namespace assets::sound {

// A small room: a few damped echoes under the track. A looped track gets the
// echoes of its own end at its start, so the loop stays seamless.
void AddReverb(Track& track);

// Scales the track so that its loudest sample is `peak`.
void Normalize(Track& track, double peak);

// A short fade to silence over the last `seconds` (one-shots only).
void FadeOutEnd(Track& track, double seconds);

}  // namespace assets::sound
