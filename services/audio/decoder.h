// One playing stream of a sound: decodes its Ogg Vorbis bytes frame by frame
// while it plays. Opened on the game thread; then read only by the mixer.
#pragma once

#include <memory>

#include "services/audio/sound_data.h"
#include "services/audio/vorbis_memory.h"

namespace services::audio {

class Decoder {
public:
    // Opens the stream and decodes its first packets here, so that the mixer
    // starts on warm decoder buffers; nullptr when it cannot be opened.
    static std::unique_ptr<Decoder> Open(std::shared_ptr<const SoundData> sound);
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // The next frame (a mono sound on both sides). At the end a looped stream
    // goes on from its first frame; a one-shot answers false.
    bool Next(float& left, float& right, bool loop);

    int Rate() const { return sound_->rate; }

private:
    explicit Decoder(std::shared_ptr<const SoundData> sound);
    bool Refill(bool loop);

    std::shared_ptr<const SoundData> sound_;
    MemoryReader reader_;
    OggVorbis_File file_;
    float** pcm_ = nullptr;
    long available_ = 0;
    long at_ = 0;
};

}  // namespace services::audio
