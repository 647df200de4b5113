// Checking that bytes are a playable Ogg Vorbis file, without decoding audio.
#include "services/audio/sound_data.h"

#include <fstream>
#include <iterator>

#include "services/audio/vorbis_memory.h"

namespace services::audio {
namespace {

bool ReadFormat(std::span<const std::uint8_t> bytes, SoundData& sound) {
    MemoryReader reader{bytes};
    OggVorbis_File file;
    if (!OpenVorbisMemory(file, reader)) return false;
    const vorbis_info* info = ov_info(&file, -1);
    sound.rate = info ? static_cast<int>(info->rate) : 0;
    sound.channels = info ? info->channels : 0;
    ov_clear(&file);
    return sound.rate > 0 && (sound.channels == 1 || sound.channels == 2);
}

}  // namespace

std::shared_ptr<const SoundData> OpenSoundData(std::span<const std::uint8_t> bytes) {
    auto sound = std::make_shared<SoundData>();
    sound->bytes = bytes;
    if (!ReadFormat(bytes, *sound)) return nullptr;
    return sound;
}

std::shared_ptr<const SoundData> ReadSoundFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    auto sound = std::make_shared<SoundData>();
    sound->owned.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    sound->bytes = sound->owned;
    if (!ReadFormat(sound->bytes, *sound)) return nullptr;
    return sound;
}

}  // namespace services::audio
