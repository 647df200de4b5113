// The audio system: a mixer and the back end that pulls it.
#include "services/audio/audio_engine.h"

#include <algorithm>

#include "services/audio/mixer.h"
#include "services/audio/output_device.h"

namespace services::audio {

AudioEngine::AudioEngine(int voices, Backend backend)
    : mixer_(std::make_unique<Mixer>(voices)), followsClock_(backend == Backend::VirtualClock) {
    if (backend != Backend::Device) return;
    device_ = OpenSdlAudioDevice(*mixer_);
    if (!device_) device_ = OpenSilentDevice(*mixer_);
}

// The device goes first: it stops pulling before the mixer goes away.
AudioEngine::~AudioEngine() { device_.reset(); }

std::optional<Channel> AudioEngine::Play(int index, std::shared_ptr<const SoundData> sound, bool loop,
                                         float volume) {
    return mixer_->Start(index, Decoder::Open(std::move(sound)), loop, std::clamp(volume, 0.0f, 1.0f));
}

void AudioEngine::SetVolume(Channel channel, float volume) {
    mixer_->SetVolume(channel, std::clamp(volume, 0.0f, 1.0f));
}
void AudioEngine::SetPaused(Channel channel, bool paused) { mixer_->SetPaused(channel, paused); }
void AudioEngine::Stop(Channel channel) { mixer_->Stop(channel); }
bool AudioEngine::IsPlaying(Channel channel) const { return mixer_->IsPlaying(channel); }
int AudioEngine::OutputRate() const { return kOutputRate; }
bool AudioEngine::HasDevice() const { return device_ && device_->IsSoundCard(); }

void AudioEngine::MixInto(float* out, int frames) {
    if (!device_) mixer_->MixInto(out, frames);
}

void AudioEngine::FollowClock(std::int64_t nowMs) {
    if (!followsClock_) return;
    if (!clockStartMs_) clockStartMs_ = nowMs;
    const std::int64_t due = (nowMs - *clockStartMs_) * kOutputRate / 1000;
    constexpr int kChunk = 1024;
    float scratch[2 * kChunk];
    while (framesMixed_ < due) {
        int frames = static_cast<int>(std::min<std::int64_t>(kChunk, due - framesMixed_));
        mixer_->MixInto(scratch, frames);
        framesMixed_ += frames;
    }
}

}  // namespace services::audio
