// The arranger: parses the note and chord tables and lays out the ensemble
// (lead with echo, bass, chords or arpeggios, drums) pass by pass.
#include "generators/sound/music.h"

#include <cmath>
#include <string>
#include <vector>

#include "generators/sound/mastering.h"

namespace assets::sound {
namespace {

struct Note {
    double beat, beats;
    int midi;  // -1: rest
};

struct Chord {
    double beat, beats;
    int root;  // pitch class, C = 0
    std::vector<int> intervals;
};

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        if (end > at) words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// "C#" at the front of `word` -> pitch class; moves `at` past it.
int PitchClass(std::string_view word, std::size_t& at) {
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (word.empty() || word[0] < 'A' || word[0] > 'G') throw SongError("bad note " + std::string(word));
    int pc = kLetters[word[0] - 'A'];
    at = 1;
    if (at < word.size() && word[at] == '#')
        ++pc, ++at;
    else if (at < word.size() && word[at] == 'b')
        pc += 11, ++at;
    return pc % 12;
}

// "name:beats" -> name and beats (1 when left out).
std::pair<std::string_view, double> Split(std::string_view word) {
    std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) return {word, 1.0};
    return {word.substr(0, colon), std::stod(std::string(word.substr(colon + 1)))};
}

std::vector<Note> ParseMelody(std::string_view text, double& total) {
    std::vector<Note> notes;
    total = 0.0;
    for (auto word : Words(text)) {
        auto [name, beats] = Split(word);
        int midi = -1;
        if (name != "r") {
            std::size_t at = 0;
            int pc = PitchClass(name, at);
            if (at + 1 != name.size() || name[at] < '0' || name[at] > '8')
                throw SongError("bad note " + std::string(word));
            midi = 12 * (name[at] - '0' + 1) + pc;
        }
        notes.push_back({total, beats, midi});
        total += beats;
    }
    return notes;
}

std::vector<Chord> ParseHarmony(std::string_view text, double& total) {
    std::vector<Chord> chords;
    total = 0.0;
    for (auto word : Words(text)) {
        auto [name, beats] = Split(word);
        std::size_t at = 0;
        int root = PitchClass(name, at);
        std::string_view quality = name.substr(at);
        std::vector<int> intervals = quality == ""      ? std::vector<int>{0, 4, 7}
                                     : quality == "m"   ? std::vector<int>{0, 3, 7}
                                     : quality == "7"   ? std::vector<int>{0, 4, 7, 10}
                                     : quality == "dim" ? std::vector<int>{0, 3, 6}
                                                        : std::vector<int>{};
        if (intervals.empty()) throw SongError("bad chord " + std::string(word));
        chords.push_back({total, beats, root, intervals});
        total += beats;
    }
    return chords;
}

const Chord& ChordAt(const std::vector<Chord>& chords, double beat) {
    for (const auto& c : chords)
        if (beat < c.beat + c.beats - 1e-9) return c;
    return chords.back();
}

double Hz(int midi) { return 440.0 * std::exp2((midi - 69) / 12.0); }

// Lays out the tones of one song; times in beats until Place converts them.
class Arranger {
public:
    Arranger(const Song& song, double beatSeconds) : song_(song), beat_(beatSeconds) {}

    std::vector<Tone> Arrange(const std::vector<Note>& melody, const std::vector<Chord>& chords,
                              double length) {
        int bars = static_cast<int>(std::lround(length / song_.beatsPerBar));
        for (std::size_t p = 0; p < song_.passes.size(); ++p) {
            const Groove& g = song_.passes[p];
            double offset = static_cast<double>(p) * length;
            for (const auto& n : melody) Lead(g, n, offset);
            for (int bar = 0; bar < bars; ++bar) {
                double start = bar * song_.beatsPerBar;
                Bass(g.bass, chords, offset, start);
                Harmony(g.chords, chords, offset, start);
                Drums(g.drums, offset + start);
            }
        }
        return std::move(tones_);
    }

private:
    double Step(std::string_view pattern) const {
        return static_cast<double>(song_.beatsPerBar) / pattern.size();
    }

    // Beats from step i of the pattern to its next step that is not '.'.
    double Held(std::string_view pattern, std::size_t i) const {
        std::size_t j = i + 1;
        while (j < pattern.size() && pattern[j] == '.') ++j;
        return (j - i) * Step(pattern);
    }

    Tone Make(Wave wave, double beat, double beats, double hz, double gain) const {
        Tone t;
        t.wave = wave;
        t.start = beat * beat_;
        t.length = beats * beat_;
        t.freq = hz;
        t.gain = gain;
        t.seed = static_cast<std::uint32_t>(tones_.size() + 1);
        return t;
    }

    void Lead(const Groove& g, const Note& n, double offset) {
        if (n.midi < 0) return;
        bool pulse = g.lead == Wave::Pulse;
        Tone t = Make(g.lead, offset + n.beat, n.beats * 0.92, Hz(n.midi + 12 * g.octave), pulse ? 0.3 : 0.5);
        t.attack = 0.006;
        t.decay = 0.25;
        t.sustain = 0.6;
        t.release = std::min(0.06, t.length * 0.3);
        t.duty = g.duty;
        t.vibrato = g.vibrato;
        t.vibratoDelay = std::min(0.18, t.length * 0.5);
        t.lowpass = pulse ? 6000 : 0;
        tones_.push_back(t);
        if (!g.echo) return;
        t.start += 0.5 * beat_;
        t.gain *= 0.3;
        t.pan = 0.5;
        tones_.push_back(t);
    }

    void Bass(std::string_view pattern, const std::vector<Chord>& chords, double offset, double bar) {
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            char c = pattern[i];
            if (c == '.') continue;
            double beat = bar + i * Step(pattern);
            int root = 40 + (ChordAt(chords, beat).root + 8) % 12;  // E2 .. D#3
            int midi = root + (c == 'F' ? 7 : c == 'O' ? 12 : 0);
            Tone t = Make(Wave::Triangle, offset + beat, Held(pattern, i) * 0.85, Hz(midi), 0.55);
            t.attack = 0.004;
            t.decay = 0.3;
            t.sustain = 0.7;
            t.release = 0.03;
            tones_.push_back(t);
        }
    }

    void Harmony(std::string_view pattern, const std::vector<Chord>& chords, double offset, double bar) {
        int arp = 0;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            char c = pattern[i];
            if (c == '.') continue;
            double beat = bar + i * Step(pattern);
            const Chord& chord = ChordAt(chords, beat);
            int base = 55 + (chord.root + 5) % 12;  // G3 .. F#4
            if (c == 'c') {
                for (std::size_t k = 0; k < chord.intervals.size(); ++k) {
                    Tone t = Make(Wave::Pulse, offset + beat, Held(pattern, i) * 0.8,
                                  Hz(base + chord.intervals[k]), 0.09);
                    t.duty = 0.25;
                    t.decay = 0.15;
                    t.sustain = 0.35;
                    t.release = 0.04;
                    t.pan = k % 2 ? 0.45 : -0.45;
                    t.lowpass = 3500;
                    tones_.push_back(t);
                }
                continue;
            }
            // Up through the chord and to the octave, then back down.
            std::vector<int> run(chord.intervals.begin(), chord.intervals.end());
            run.push_back(12);
            for (std::size_t k = chord.intervals.size() - 1; k > 0; --k) run.push_back(chord.intervals[k]);
            Tone t = Make(Wave::Pulse, offset + beat, Step(pattern) * 0.9,
                          Hz(base + 12 + run[arp++ % run.size()]), 0.08);
            t.duty = 0.125;
            t.decay = 0.08;
            t.sustain = 0.3;
            t.release = 0.02;
            t.pan = -0.4;
            t.lowpass = 5000;
            tones_.push_back(t);
        }
    }

    void Drums(std::string_view pattern, double bar) {
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            double beat = bar + i * Step(pattern);
            switch (pattern[i]) {
                case 'k':
                    Kick(beat);
                    break;
                case 's':
                    Snare(beat);
                    break;
                case 'h':
                    Hat(beat, 0.05, 0.012);
                    break;
                case 'o':
                    Hat(beat, 0.22, 0.07);
                    break;
                case 'b':
                    Bells(beat);
                    break;
                default:
                    break;
            }
        }
    }

    void Kick(double beat) {
        Tone t = Make(Wave::Sine, beat, 0.0, 150, 0.8);
        t.length = 0.2;
        t.endFreq = 45;
        t.attack = 0.001;
        t.decay = 0.07;
        t.release = 0.04;
        tones_.push_back(t);
    }

    void Snare(double beat) {
        Tone n = Make(Wave::Noise, beat, 0.0, 0, 0.35);
        n.length = 0.16;
        n.attack = 0.001;
        n.decay = 0.05;
        n.release = 0.04;
        n.lowpass = 7000;
        n.highpass = 400;
        tones_.push_back(n);
        Tone t = Make(Wave::Triangle, beat, 0.0, 220, 0.35);
        t.length = 0.08;
        t.endFreq = 150;
        t.attack = 0.001;
        t.decay = 0.03;
        t.release = 0.03;
        tones_.push_back(t);
    }

    void Hat(double beat, double length, double decay) {
        Tone t = Make(Wave::Noise, beat, 0.0, 0, 0.16);
        t.length = length;
        t.attack = 0.001;
        t.decay = decay;
        t.release = 0.02;
        t.highpass = 7000;
        t.pan = 0.35;
        tones_.push_back(t);
    }

    // A shake of the bells: noise grains for the rattle and a few inharmonic
    // partials, as small metal bells ring, each a little detuned per shake.
    void Bells(double beat) {
        Tone t = Make(Wave::Crackle, beat, 0.0, 0, 0.3);
        t.length = 0.16;
        t.attack = 0.003;
        t.decay = 0.05;
        t.release = 0.04;
        t.highpass = 5500;
        t.grains = 700;
        t.pan = -0.35;
        tones_.push_back(t);
        static constexpr double kPartials[] = {3150.0, 4470.0, 5930.0};
        const double detune = 1.0 + 0.004 * static_cast<double>(tones_.size() % 5);
        for (double hz : kPartials) {
            Tone ring = Make(Wave::Sine, beat, 0.0, hz * detune, 0.05);
            ring.length = 0.12;
            ring.attack = 0.002;
            ring.decay = 0.03;
            ring.release = 0.03;
            ring.pan = -0.35;
            tones_.push_back(ring);
        }
    }

    const Song& song_;
    double beat_;
    std::vector<Tone> tones_;
};

}  // namespace

Track RenderSong(const Song& song, int rate, long frames) {
    double length = 0.0, harmonyLength = 0.0;
    auto melody = ParseMelody(song.melody, length);
    auto chords = ParseHarmony(song.harmony, harmonyLength);
    if (std::abs(length - harmonyLength) > 1e-9) throw SongError("chords and melody differ in length");
    if (std::abs(std::fmod(length, song.beatsPerBar)) > 1e-9)
        throw SongError("melody does not fill whole bars");
    double beats = length * song.passes.size() + (song.loop ? 0.0 : song.tailBeats);
    Track track(rate, frames, song.loop);
    for (const auto& t :
         Arranger(song, static_cast<double>(frames) / rate / beats).Arrange(melody, chords, length))
        RenderTone(t, track);
    AddReverb(track);
    return track;
}

}  // namespace assets::sound
