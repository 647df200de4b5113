// The sound manager's process-wide state.
#include "services/sound_state.h"

namespace services {

std::vector<Sound> SoundList;
float MasterVolume = 1.0f;
int SoundCounter = 0;
std::unique_ptr<audio::AudioEngine> AudioSystem;

void ResetSoundState() {
    // The audio system goes first: its voices read the sounds' bytes.
    AudioSystem.reset();
    SoundList.clear();
    MasterVolume = 1.0f;
    SoundCounter = 0;
}

}  // namespace services
