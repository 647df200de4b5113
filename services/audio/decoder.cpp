// Frame-by-frame reading of a vorbisfile stream, straight from its own
// decode buffers (no copy, no allocation of ours).
#include "services/audio/decoder.h"

namespace services::audio {

Decoder::Decoder(std::shared_ptr<const SoundData> sound) : sound_(std::move(sound)), reader_{sound_->bytes} {}

std::unique_ptr<Decoder> Decoder::Open(std::shared_ptr<const SoundData> sound) {
    if (!sound) return nullptr;
    std::unique_ptr<Decoder> d(new Decoder(std::move(sound)));
    if (!OpenVorbisMemory(d->file_, d->reader_)) {
        d->sound_ = nullptr;
        return nullptr;
    }
    d->Refill(false);
    return d;
}

Decoder::~Decoder() {
    if (sound_) ov_clear(&file_);
}

bool Decoder::Refill(bool loop) {
    at_ = 0;
    available_ = 0;
    for (int tries = 0; tries < 2; ++tries) {
        int section = 0;
        long n = ov_read_float(&file_, &pcm_, 4096, &section);
        // A hole (a lost page) is passed over; a broken stream ends.
        while (n == OV_HOLE) n = ov_read_float(&file_, &pcm_, 4096, &section);
        if (n > 0) {
            available_ = n;
            return true;
        }
        if (!loop || ov_pcm_seek(&file_, 0) != 0) return false;
    }
    return false;
}

bool Decoder::Next(float& left, float& right, bool loop) {
    if (at_ >= available_ && !Refill(loop)) return false;
    left = pcm_[0][at_];
    right = sound_->channels > 1 ? pcm_[1][at_] : left;
    ++at_;
    return true;
}

}  // namespace services::audio
