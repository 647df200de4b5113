// Reverb, loudness and the end fade.
#include "generators/sound/mastering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace assets::sound {
namespace {

constexpr double kWet = 0.22;
constexpr float kFeedback = 0.8f, kDamp = 0.3f;

// A damped feedback comb, the building block of the room.
struct Comb {
    std::vector<float> line;
    std::size_t at = 0;
    float store = 0.0f;
    float Process(float in) {
        float out = line[at];
        store = out * (1.0f - kDamp) + store * kDamp;
        line[at] = in + store * kFeedback;
        at = (at + 1) % line.size();
        return out;
    }
};

struct Allpass {
    std::vector<float> line;
    std::size_t at = 0;
    float Process(float in) {
        float delayed = line[at];
        line[at] = in + delayed * 0.5f;
        at = (at + 1) % line.size();
        return delayed - in;
    }
};

// One channel of the room; the right channel's delays are a little longer.
struct Room {
    Room(int rate, int spread) {
        for (int d : {1116, 1277, 1422, 1557})
            combs.push_back({std::vector<float>((d + spread) * rate / 44100)});
        for (int d : {556, 341}) passes.push_back({std::vector<float>((d + spread) * rate / 44100)});
    }
    float Process(float in) {
        float sum = 0.0f;
        for (auto& c : combs) sum += c.Process(in * 0.25f);
        for (auto& a : passes) sum = a.Process(sum);
        return sum;
    }
    std::vector<Comb> combs;
    std::vector<Allpass> passes;
};

void Reverberate(std::vector<float>& samples, int rate, int spread, bool wrap) {
    Room room(rate, spread);
    std::vector<float> dry = samples;
    // A loop runs through twice; the second pass starts with the room already
    // ringing from the loop's end.
    for (int pass = wrap ? 0 : 1; pass < 2; ++pass)
        for (std::size_t i = 0; i < dry.size(); ++i) {
            float wet = room.Process(dry[i]);
            if (pass == 1) samples[i] = dry[i] + static_cast<float>(kWet) * wet;
        }
}

}  // namespace

void AddReverb(Track& track) {
    Reverberate(track.left, track.rate, 0, track.wrap);
    Reverberate(track.right, track.rate, 23, track.wrap);
}

void Normalize(Track& track, double peak) {
    float loudest = 0.0f;
    for (float v : track.left) loudest = std::max(loudest, std::abs(v));
    for (float v : track.right) loudest = std::max(loudest, std::abs(v));
    if (loudest <= 0.0f) return;
    float scale = static_cast<float>(peak / loudest);
    for (float& v : track.left) v *= scale;
    for (float& v : track.right) v *= scale;
}

void FadeOutEnd(Track& track, double seconds) {
    long n = std::min(track.Frames(), std::lround(seconds * track.rate));
    for (long i = 0; i < n; ++i) {
        float g = static_cast<float>(i) / n;
        track.left[track.Frames() - 1 - i] *= g;
        track.right[track.Frames() - 1 - i] *= g;
    }
}

}  // namespace assets::sound
