// A handle to one start of a sound on a voice: the voice index and the start's
// generation, so a handle of an earlier start never touches a later one.
#pragma once

#include <cstdint>

namespace services::audio {

struct Channel {
    int index = 0;
    std::uint32_t generation = 0;
};

}  // namespace services::audio
