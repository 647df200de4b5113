// Test helper: the loudest momentary loudness of a decoded sound, K-weighted
// as a broadcast loudness meter weights it (ITU-R BS.1770: a high shelf of
// +4 dB from about 1.7 kHz and a low cut at 38 Hz, over 400 ms windows), so
// that a bright chime and a deep thump of equal level read alike.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tests/sound/decode.h"

namespace sound_test {

struct Biquad {
    double b0, b1, b2, a1, a2, z1 = 0.0, z2 = 0.0;
    double Filter(double x) {
        double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

inline Biquad HighShelf(double rate) {
    const double k = std::tan(std::numbers::pi * 1681.974450955533 / rate), q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0), vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

inline Biquad LowCut(double rate) {
    const double k = std::tan(std::numbers::pi * 38.13547087602444 / rate), q = 0.5003270373238773;
    const double a0 = 1.0 + k / q + k * k;
    return {1.0 / a0, -2.0 / a0, 1.0 / a0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

// LUFS of the loudest 400 ms window (a shorter sound counts as followed by
// silence), with every sample scaled by `gain` as the game's volume would.
inline double MaxMomentaryLufs(const Decoded& d, double gain) {
    const long window = std::lround(0.4 * d.rate), hop = std::lround(0.1 * d.rate);
    std::vector<double> power(std::max(d.frames, window), 0.0);
    Biquad shelf[2] = {HighShelf(d.rate), HighShelf(d.rate)}, cut[2] = {LowCut(d.rate), LowCut(d.rate)};
    for (long i = 0; i < d.frames; ++i)
        for (int c = 0; c < 2; ++c) {
            double y = cut[c].Filter(shelf[c].Filter(gain * (c == 0 ? d.left[i] : d.right[i])));
            power[i] += y * y;
        }
    double loudest = 0.0;
    for (long start = 0; start + window <= static_cast<long>(power.size()); start += hop) {
        double sum = 0.0;
        for (long i = start; i < start + window; ++i) sum += power[i];
        loudest = std::max(loudest, sum / window);
    }
    return -0.691 + 10.0 * std::log10(loudest + 1e-20);
}

}  // namespace sound_test
