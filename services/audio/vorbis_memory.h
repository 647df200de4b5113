// Opening an Ogg Vorbis stream over bytes in memory with vorbisfile.
#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <span>

namespace services::audio {

// The read position in the bytes; must stay at one address while the stream is open.
struct MemoryReader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

// ov_open_callbacks on the reader; true when the stream opened (then ov_clear it).
bool OpenVorbisMemory(OggVorbis_File& file, MemoryReader& reader);

}  // namespace services::audio
