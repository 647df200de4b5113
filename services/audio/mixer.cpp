// Voice bookkeeping on both threads and the mix itself.
#include "services/audio/mixer.h"

#include <algorithm>
#include <cmath>

namespace services::audio {

Mixer::Mixer(int voices)
    : issued_(static_cast<std::size_t>(std::max(voices, 0))),
      voices_(issued_.size()),
      tails_(issued_.size()),
      ended_(new std::atomic<std::uint32_t>[issued_.size()]) {
    for (std::size_t i = 0; i < issued_.size(); ++i) ended_[i].store(0);
}

Mixer::~Mixer() {
    FreeRetired();
    for (auto& v : voices_) delete v.decoder;
    for (auto& v : tails_) delete v.decoder;
    Command c;
    while (commands_.Pop(c)) delete c.decoder;
}

bool Mixer::Valid(Channel channel) const {
    return channel.index >= 0 && channel.index < static_cast<int>(issued_.size()) &&
           issued_[channel.index].generation == channel.generation;
}

void Mixer::FreeRetired() {
    Decoder* d = nullptr;
    while (retired_.Pop(d)) delete d;
}

void Mixer::Send(const Command& command) {
    FreeRetired();
    // The mixing side drains the queue every callback; a full queue means the
    // mix has stalled, and a lost volume or pause change is then the lesser harm.
    commands_.Push(command);
}

std::optional<Channel> Mixer::Start(int index, std::unique_ptr<Decoder> decoder, bool loop, float volume) {
    FreeRetired();
    if (!decoder || index < 0 || index >= static_cast<int>(issued_.size())) return std::nullopt;
    Channel channel{index, nextGeneration_++};
    Command c{Op::Start, index, channel.generation, decoder.get(), loop, volume};
    if (!commands_.Push(c)) return std::nullopt;
    decoder.release();
    issued_[index] = {channel.generation, false};
    return channel;
}

void Mixer::SetVolume(Channel channel, float volume) {
    if (Valid(channel)) Send({Op::Volume, channel.index, channel.generation, nullptr, false, volume});
}

void Mixer::SetPaused(Channel channel, bool paused) {
    if (Valid(channel)) Send({Op::Pause, channel.index, channel.generation, nullptr, paused, 0.0f});
}

void Mixer::Stop(Channel channel) {
    if (!Valid(channel)) return;
    issued_[channel.index].stopped = true;
    Send({Op::Stop, channel.index, channel.generation, nullptr, false, 0.0f});
}

bool Mixer::IsPlaying(Channel channel) const {
    return Valid(channel) && !issued_[channel.index].stopped &&
           ended_[channel.index].load(std::memory_order_acquire) != channel.generation;
}

void Mixer::Retire(Voice& voice) {
    // The queue holds more than the decoders that can be alive at once (every
    // voice and tail plus a full command queue), so this push cannot fail.
    if (voice.decoder) retired_.Push(voice.decoder);
    voice.decoder = nullptr;
}

// The voice's sound moves to its tail and fades out there; one that is paused
// or has not been heard yet is silent already and simply ends.
void Mixer::FadeOut(std::size_t index) {
    Voice& v = voices_[index];
    if (!v.decoder || v.paused || !v.sounded) {
        Retire(v);
        return;
    }
    Retire(tails_[index]);
    tails_[index] = v;
    tails_[index].fade = kFadeFrames;
    v.decoder = nullptr;
}

void Mixer::Apply(const Command& c) {
    Voice& v = voices_[c.index];
    if (c.op == Op::Start) {
        FadeOut(c.index);
        v = Voice{c.decoder, c.generation, c.flag,
                  false,     c.volume,     static_cast<double>(c.decoder->Rate()) / kOutputRate};
        if (!v.decoder->Next(v.a[0], v.a[1], v.loop) || !v.decoder->Next(v.b[0], v.b[1], v.loop)) {
            ended_[c.index].store(v.generation, std::memory_order_release);
            Retire(v);
        }
        return;
    }
    if (v.generation != c.generation || !v.decoder) return;
    if (c.op == Op::Stop) FadeOut(c.index);
    if (c.op == Op::Volume) v.volume = c.volume;
    if (c.op == Op::Pause) v.paused = c.flag;
}

// Adds the voice's current frame at `gain` into `frame` and steps it on;
// false when its stream has ended.
bool Mixer::MixFrame(Voice& v, float gain, float* frame) {
    float t = static_cast<float>(v.frac);
    frame[0] += (v.a[0] + (v.b[0] - v.a[0]) * t) * gain;
    frame[1] += (v.a[1] + (v.b[1] - v.a[1]) * t) * gain;
    for (v.frac += v.step; v.frac >= 1.0; v.frac -= 1.0) {
        v.a[0] = v.b[0];
        v.a[1] = v.b[1];
        if (!v.decoder->Next(v.b[0], v.b[1], v.loop)) return false;
    }
    return true;
}

void Mixer::MixVoice(Voice& v, int index, float* out, int frames) {
    v.sounded = true;
    for (int i = 0; i < frames; ++i) {
        if (!MixFrame(v, v.volume, out + 2 * i)) {
            ended_[index].store(v.generation, std::memory_order_release);
            Retire(v);
            return;
        }
    }
}

// The tail's end says nothing about the voice's current start, so it is not
// reported as an ending.
void Mixer::MixTail(Voice& v, float* out, int frames) {
    for (int i = 0; i < frames && v.fade > 0; ++i) {
        --v.fade;
        if (!MixFrame(v, v.volume * static_cast<float>(v.fade) / kFadeFrames, out + 2 * i)) v.fade = 0;
    }
    if (v.fade == 0) Retire(v);
}

namespace {

constexpr float kCeiling = 0.9f;

// Above the ceiling the wave bends smoothly towards full scale instead of
// being cut flat.
float SoftClip(float x) {
    float size = std::abs(x);
    if (size <= kCeiling) return x;
    return std::copysign(kCeiling + (1.0f - kCeiling) * std::tanh((size - kCeiling) / (1.0f - kCeiling)), x);
}

}  // namespace

// The gain follows frames louder than the ceiling down within a tenth of a
// millisecond and recovers over about 80 ms; the soft clip rounds off what
// gets past in that time. Anything that stays under the ceiling passes
// untouched.
void Mixer::Limit(float* out, int frames) {
    const double attack = 1.0 - std::exp(-1.0 / (0.0001 * kOutputRate));
    const double release = 1.0 - std::exp(-1.0 / (0.08 * kOutputRate));
    for (int i = 0; i < frames; ++i) {
        float peak = std::max(std::abs(out[2 * i]), std::abs(out[2 * i + 1]));
        double target = peak > kCeiling ? kCeiling / peak : 1.0;
        limit_ += (target - limit_) * (target < limit_ ? attack : release);
        if (limit_ > 0.9999) limit_ = 1.0;
        float gain = static_cast<float>(limit_);
        out[2 * i] = SoftClip(out[2 * i] * gain);
        out[2 * i + 1] = SoftClip(out[2 * i + 1] * gain);
    }
}

void Mixer::MixInto(float* out, int frames) {
    Command c;
    while (commands_.Pop(c)) Apply(c);
    std::fill(out, out + 2 * frames, 0.0f);
    for (std::size_t i = 0; i < voices_.size(); ++i) {
        Voice& v = voices_[i];
        if (v.decoder && !v.paused) MixVoice(v, static_cast<int>(i), out, frames);
        if (tails_[i].decoder) MixTail(tails_[i], out, frames);
    }
    Limit(out, frames);
}

}  // namespace services::audio
