// vorbisfile callbacks that read from memory instead of a file.
#include "services/audio/vorbis_memory.h"

#include <cstdio>
#include <cstring>

namespace services::audio {
namespace {

std::size_t Read(void* out, std::size_t size, std::size_t count, void* source) {
    auto& r = *static_cast<MemoryReader*>(source);
    if (size == 0) return 0;
    std::size_t n = std::min(count, (r.bytes.size() - r.at) / size);
    std::memcpy(out, r.bytes.data() + r.at, n * size);
    r.at += n * size;
    return n;
}

int Seek(void* source, ogg_int64_t offset, int whence) {
    auto& r = *static_cast<MemoryReader*>(source);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<ogg_int64_t>(r.at)
                                            : static_cast<ogg_int64_t>(r.bytes.size());
    ogg_int64_t to = base + offset;
    if (to < 0 || to > static_cast<ogg_int64_t>(r.bytes.size())) return -1;
    r.at = static_cast<std::size_t>(to);
    return 0;
}

long Tell(void* source) { return static_cast<long>(static_cast<MemoryReader*>(source)->at); }

}  // namespace

bool OpenVorbisMemory(OggVorbis_File& file, MemoryReader& reader) {
    reader.at = 0;
    ov_callbacks callbacks{Read, Seek, nullptr, Tell};
    return ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) == 0;
}

}  // namespace services::audio
