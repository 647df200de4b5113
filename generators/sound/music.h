// Turns a song into tones and renders it at the length the asset table gives.
#pragma once

#include <stdexcept>

#include "generators/sound/songs.h"
#include "generators/sound/track.h"

namespace assets::sound {

// A song table that cannot be read (a bad note, chords longer or shorter than
// the melody, a melody that does not fill whole bars).
struct SongError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The song at `frames` frames: a loop is laid out so that its last bar flows
// into its first; a one-shot ends after its tail.
Track RenderSong(const Song& song, int rate, long frames);

}  // namespace assets::sound
