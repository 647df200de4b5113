// Sample-by-sample rendering of a tone. Glides and filter sweeps are
// exponential; the pulse is band-limited with polyBLEP so high notes stay clean.
#include "generators/sound/tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets::sound {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A small deterministic generator: the same seed gives the same noise on every build.
struct Rng {
    std::uint32_t state;
    double Next() {  // -1 .. 1
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};

double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// One-pole filter coefficient for a cutoff in Hz.
double Coefficient(double hz, int rate) {
    double w = kTwoPi * std::min(hz, rate * 0.45) / rate;
    return w / (1.0 + w);
}

struct Source {
    const Tone& tone;
    int rate;
    Rng rng{tone.seed * 2654435761u + 12345u};
    double phase = 0.0, held = 0.0, grain = 0.0;
    double grainFall = std::exp(-1.0 / (0.0025 * rate));

    double Sample(double hz) {
        double dt = hz / rate;
        double v = 0.0;
        switch (tone.wave) {
            case Wave::Sine:
                v = std::sin(kTwoPi * phase);
                break;
            case Wave::Triangle:
                v = 4.0 * std::abs(phase - 0.5) - 1.0;
                break;
            case Wave::Pulse:
                v = (phase < tone.duty ? 1.0 : -1.0) + PolyBlep(phase, dt) -
                    PolyBlep(std::fmod(phase + 1.0 - tone.duty, 1.0), dt);
                v -= 2.0 * tone.duty - 1.0;  // no offset from narrow pulses
                break;
            case Wave::Noise:
                if (hz <= 0.0 || phase + dt >= 1.0) held = rng.Next();
                v = held;
                break;
            case Wave::Crackle:
                if ((rng.Next() + 1.0) * 0.5 < tone.grains / rate)
                    grain = 0.4 + 0.6 * (rng.Next() + 1.0) * 0.5;
                grain *= grainFall;
                v = rng.Next() * grain;
                break;
        }
        phase += dt;
        phase -= std::floor(phase);
        return v;
    }
};

}  // namespace

void RenderTone(const Tone& t, Track& track) {
    const int rate = track.rate;
    const long first = std::lround(t.start * rate);
    const long n = std::lround(t.length * rate);
    if (n <= 0) return;
    const double glide = t.endFreq > 0.0 ? std::pow(t.endFreq / t.freq, 1.0 / n) : 1.0;
    const double lowEnd = t.endLowpass > 0.0 ? t.endLowpass : t.lowpass;
    const double sweep = t.lowpass > 0.0 ? std::pow(lowEnd / t.lowpass, 1.0 / n) : 1.0;
    const double fall = t.decay > 0.0 ? std::exp(-1.0 / (t.decay * rate)) : 1.0;
    const double hp = t.highpass > 0.0 ? Coefficient(t.highpass, rate) : 0.0;
    const double angle = (std::clamp(t.pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0;
    const double gl = t.gain * std::cos(angle) * std::numbers::sqrt2,
                 gr = t.gain * std::sin(angle) * std::numbers::sqrt2;
    Source source{t, rate};
    double hz = t.freq, cutoff = t.lowpass, decayed = 1.0;
    double lp1 = 0.0, lp2 = 0.0, hpLow = 0.0;
    for (long i = 0; i < n; ++i) {
        double time = static_cast<double>(i) / rate;
        double pitch = hz;
        if (t.vibrato > 0.0 && time > t.vibratoDelay) {
            double depth = t.vibrato * std::min(1.0, (time - t.vibratoDelay) * 4.0);
            pitch *= std::exp2(depth / 12.0 * std::sin(kTwoPi * t.vibratoRate * (time - t.vibratoDelay)));
        }
        double v = source.Sample(pitch);
        if (t.lowpass > 0.0) {
            double a = Coefficient(cutoff, rate);
            lp1 += a * (v - lp1);
            lp2 += a * (lp1 - lp2);
            v = lp2;
            cutoff *= sweep;
        }
        if (hp > 0.0) {
            hpLow += hp * (v - hpLow);
            v -= hpLow;
        }
        double level = t.sustain + (1.0 - t.sustain) * decayed;
        double env = level * std::min(1.0, time / std::max(t.attack, 1e-4)) *
                     std::min(1.0, (t.length - time) / std::max(t.release, 1e-4));
        track.Add(first + i, static_cast<float>(v * env * gl), static_cast<float>(v * env * gr));
        hz *= glide;
        decayed *= fall;
    }
}

}  // namespace assets::sound
