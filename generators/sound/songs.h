// The music: traditional carol melodies and the two short tunes as note
// tables, each with the ensemble that plays every pass through it.
#pragma once

#include <span>
#include <string_view>

#include "generators/sound/tone.h"

namespace assets::sound {

// How one pass through the melody is played. Each pattern is one bar of
// equal steps ('.' holds or rests):
//   bass:   R root, F fifth, O root an octave up (held to the next step)
//   chords: c the whole chord (held to the next step), a the next arpeggio note
//   drums:  k kick, s snare, h closed hat, o open hat, b sleigh bells
struct Groove {
    Wave lead;
    double duty;     // pulse lead
    int octave;      // lead transposed by this many octaves
    bool echo;       // a quiet delayed copy of the lead on the right
    double vibrato;  // lead vibrato depth, semitones
    std::string_view bass, chords, drums;
};

struct Song {
    std::string_view name;  // registered name
    int beatsPerBar;
    // Notes as "C#5:1.5" (name, octave, beats; beats default to 1), "r:2" a rest.
    std::string_view melody;
    // Chords as "F#m:2" (root, quality "", "m", "7" or "dim", beats), as long as the melody.
    std::string_view harmony;
    std::span<const Groove> passes;  // the melody is played once per groove
    bool loop;                       // music loop, or a one-shot with a tail
    double tailBeats;                // one-shot: beats of ring-out after the last pass
    double peak;                     // loudness: the peak it is scaled to
};

// The song of that name, or nullptr.
const Song* FindSong(std::string_view name);

}  // namespace assets::sound
