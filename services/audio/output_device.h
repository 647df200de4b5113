// What pulls the mixer's output: the sound card, or a silent stand-in.
#pragma once

#include <memory>

namespace services::audio {

class Mixer;

class OutputDevice {
public:
    virtual ~OutputDevice() = default;
    // True when the mix reaches a sound card.
    virtual bool IsSoundCard() const = 0;
};

// The sound card through SDL, or nullptr when there is no audio driver or
// device (the caller then runs on in silence).
std::unique_ptr<OutputDevice> OpenSdlAudioDevice(Mixer& mixer);

// Pulls the mix on its own thread at the pace of the clock and discards it,
// so that sounds still end on time without a sound card.
std::unique_ptr<OutputDevice> OpenSilentDevice(Mixer& mixer);

}  // namespace services::audio
