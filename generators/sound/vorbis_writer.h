// Encoding a track as Ogg Vorbis, byte for byte the same on every build.
#pragma once

#include <string>

#include "generators/sound/track.h"

namespace assets::sound {

// Writes the track with `channels` channels (1: the two sides mixed down) at
// VBR `quality`; false when the file cannot be written.
bool WriteOggVorbis(const Track& track, int channels, float quality, const std::string& path);

}  // namespace assets::sound
