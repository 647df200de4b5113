// The sound card through SDL2 audio: the callback mixes straight into SDL's
// buffer. The only file of the sound layer that includes SDL.
#include <SDL.h>

#include "services/audio/mixer.h"
#include "services/audio/output_device.h"

namespace services::audio {
namespace {

class SdlAudioDevice : public OutputDevice {
public:
    SdlAudioDevice(SDL_AudioDeviceID id) : id_(id) {}
    ~SdlAudioDevice() override {
        SDL_CloseAudioDevice(id_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool IsSoundCard() const override { return true; }

private:
    SDL_AudioDeviceID id_;
};

void MixCallback(void* mixer, Uint8* stream, int bytes) {
    static_cast<Mixer*>(mixer)->MixInto(reinterpret_cast<float*>(stream),
                                        bytes / static_cast<int>(2 * sizeof(float)));
}

}  // namespace

std::unique_ptr<OutputDevice> OpenSdlAudioDevice(Mixer& mixer) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    SDL_AudioSpec want{};
    want.freq = kOutputRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = MixCallback;
    want.userdata = &mixer;
    // No changes allowed: SDL converts to whatever the card needs, so the mix
    // is always 44 100 Hz stereo float.
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (id == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_PauseAudioDevice(id, 0);
    return std::make_unique<SdlAudioDevice>(id);
}

}  // namespace services::audio
