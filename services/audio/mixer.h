// The mixer: numbered voices, each playing at most one stream, summed into
// stereo float frames at the output rate. The game thread starts, stops and
// changes voices through a lock-free command queue; the thread that pulls
// the mix (the audio callback) applies them and hands finished decoders back
// to be freed on the game thread, so mixing neither allocates nor locks.
// A sound that is stopped or replaced while it sounds fades out over a few
// milliseconds instead of being cut, which would click. Loud sounds that
// coincide (a cart hit, the death tune and a dropped present start together)
// are held under full scale by a limiter rather than clipped, which would
// rasp.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "services/audio/channel.h"
#include "services/audio/decoder.h"
#include "services/audio/spsc_queue.h"

namespace services::audio {

inline constexpr int kOutputRate = 44100;
// Frames over which a stopped or replaced sound fades out (about 6 ms).
inline constexpr int kFadeFrames = 256;

class Mixer {
public:
    explicit Mixer(int voices);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Game thread.
    std::optional<Channel> Start(int index, std::unique_ptr<Decoder> decoder, bool loop, float volume);
    void SetVolume(Channel channel, float volume);
    void SetPaused(Channel channel, bool paused);
    void Stop(Channel channel);
    bool IsPlaying(Channel channel) const;

    // Mixing thread: the next `frames` interleaved stereo frames.
    void MixInto(float* out, int frames);

private:
    enum class Op : std::uint8_t { Start, Stop, Volume, Pause };
    struct Command {
        Op op = Op::Stop;
        int index = 0;
        std::uint32_t generation = 0;
        Decoder* decoder = nullptr;
        bool flag = false;  // Start: loop; Pause: paused
        float volume = 0.0f;
    };
    // What the game thread knows of a voice.
    struct Issued {
        std::uint32_t generation = 0;
        bool stopped = true;
    };
    // What the mixing thread plays on a voice.
    struct Voice {
        Decoder* decoder = nullptr;
        std::uint32_t generation = 0;
        bool loop = false;
        bool paused = false;
        float volume = 0.0f;
        double step = 1.0;  // source frames per output frame
        double frac = 0.0;  // position between `a` and `b`
        float a[2] = {0, 0}, b[2] = {0, 0};
        bool sounded = false;  // has been mixed since its start
        int fade = 0;          // a fading tail: frames left
    };
    static constexpr std::size_t kQueueSize = 1024;

    bool Valid(Channel channel) const;
    void Send(const Command& command);
    void FreeRetired();
    void Apply(const Command& command);
    void Retire(Voice& voice);
    void FadeOut(std::size_t index);
    bool MixFrame(Voice& voice, float gain, float* frame);
    void MixVoice(Voice& voice, int index, float* out, int frames);
    void MixTail(Voice& tail, float* out, int frames);
    void Limit(float* out, int frames);

    std::vector<Issued> issued_;
    std::uint32_t nextGeneration_ = 1;
    std::vector<Voice> voices_;
    std::vector<Voice> tails_;                             // per voice: the fading end of its previous start
    std::unique_ptr<std::atomic<std::uint32_t>[]> ended_;  // generation that ended by itself, per voice
    SpscQueue<Command, kQueueSize> commands_;
    SpscQueue<Decoder*, kQueueSize * 2> retired_;
    double limit_ = 1.0;  // the limiter's gain, mixing thread only
};

}  // namespace services::audio
