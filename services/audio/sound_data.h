// A loaded sound: the bytes of one Ogg Vorbis file, checked to be decodable,
// with its rate and channel count. Decoded only while it plays.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace services::audio {

struct SoundData {
    std::span<const std::uint8_t> bytes;  // embedded bytes, or `owned`
    std::vector<std::uint8_t> owned;      // a file read from disk
    int rate = 0;
    int channels = 0;
};

// The sound over the bytes (which must outlive it), or nullptr when they are
// not an Ogg Vorbis file of one or two channels.
std::shared_ptr<const SoundData> OpenSoundData(std::span<const std::uint8_t> bytes);

// The same for a file read from disk; nullptr when it cannot be read or decoded.
std::shared_ptr<const SoundData> ReadSoundFile(const std::string& path);

}  // namespace services::audio
