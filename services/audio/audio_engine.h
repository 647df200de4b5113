// The audio system: a mixer of numbered voices and the back end that pulls
// its output (the sound card, a silent stand-in, or the caller).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "services/audio/channel.h"
#include "services/audio/sound_data.h"

namespace services::audio {

enum class Backend {
    Device,        // the sound card; without one, a silent clock-driven stand-in
    Headless,      // nothing pulls the mix: the caller renders it with MixInto
    VirtualClock,  // headless game runs: the mix, heard by no one, keeps pace
                   // with the game's virtual clock through FollowClock
};

class Mixer;
class OutputDevice;

class AudioEngine {
public:
    AudioEngine(int voices, Backend backend);
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Volumes are factors, held to 0.0 .. 1.0.
    // Starts the sound on voice `index`, replacing what it played; no channel
    // when the index is out of range or the stream cannot be opened.
    std::optional<Channel> Play(int index, std::shared_ptr<const SoundData> sound, bool loop, float volume);
    void SetVolume(Channel channel, float volume);
    void SetPaused(Channel channel, bool paused);
    void Stop(Channel channel);
    // True from the start until the sound ends by itself or is stopped
    // (a paused channel still counts as playing).
    bool IsPlaying(Channel channel) const;

    int OutputRate() const;
    // True when a sound card plays the mix.
    bool HasDevice() const;

    // Headless back end only: renders the next `frames` stereo frames
    // (interleaved) into `out`.
    void MixInto(float* out, int frames);

    // Virtual-clock back end only: mixes (and drops) everything due from the
    // first call up to `nowMs`, so that sounds end when their time is up.
    bool FollowsClock() const { return followsClock_; }
    void FollowClock(std::int64_t nowMs);

private:
    std::unique_ptr<Mixer> mixer_;
    std::unique_ptr<OutputDevice> device_;
    bool followsClock_ = false;
    std::optional<std::int64_t> clockStartMs_;
    std::int64_t framesMixed_ = 0;
};

}  // namespace services::audio
