// Test helper: a whole Ogg Vorbis file decoded with vorbisfile.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "services/audio/vorbis_memory.h"

namespace sound_test {

struct Decoded {
    bool ok = false;
    int rate = 0, channels = 0;
    long frames = 0;                 // ov_pcm_total
    std::vector<float> left, right;  // right == left for mono
};

inline Decoded Decode(std::span<const std::uint8_t> bytes) {
    Decoded d;
    services::audio::MemoryReader reader{bytes};
    OggVorbis_File file;
    if (!services::audio::OpenVorbisMemory(file, reader)) return d;
    d.rate = static_cast<int>(ov_info(&file, -1)->rate);
    d.channels = ov_info(&file, -1)->channels;
    d.frames = static_cast<long>(ov_pcm_total(&file, -1));
    float** pcm = nullptr;
    int section = 0;
    for (long n; (n = ov_read_float(&file, &pcm, 4096, &section)) > 0;)
        for (long i = 0; i < n; ++i) {
            d.left.push_back(pcm[0][i]);
            d.right.push_back(pcm[d.channels > 1 ? 1 : 0][i]);
        }
    ov_clear(&file);
    d.ok = true;
    return d;
}

}  // namespace sound_test
