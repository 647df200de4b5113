// The sound manager's process-wide state and its reset to start values.
#pragma once

#include <memory>
#include <vector>

#include "services/audio/audio_engine.h"
#include "services/sound.h"

namespace services {

// Every registered sound, in registration order; entries are never removed.
extern std::vector<Sound> SoundList;
// Factor applied to every channel's volume; 1.0 at start.
extern float MasterVolume;
// Advanced by every Sound::Load, successful or not.
extern int SoundCounter;
// The one audio system; null until CreateAudioSystem and after AppExit.
extern std::unique_ptr<audio::AudioEngine> AudioSystem;

// Shuts the audio system down and returns all of the above to start values.
void ResetSoundState();

}  // namespace services
