// A stereo float buffer that sounds are rendered into. A looped track wraps:
// whatever rings past its end is added onto its start, so the end flows into
// the beginning without a seam.
#pragma once

#include <vector>

namespace assets::sound {

struct Track {
    Track(int rate, long frames, bool wrap) : rate(rate), wrap(wrap), left(frames), right(frames) {}

    long Frames() const { return static_cast<long>(left.size()); }

    void Add(long i, float l, float r) {
        long n = Frames();
        if (wrap)
            i = ((i % n) + n) % n;
        else if (i < 0 || i >= n)
            return;
        left[i] += l;
        right[i] += r;
    }

    int rate;
    bool wrap;
    std::vector<float> left, right;
};

}  // namespace assets::sound
