// Sound cues of the front end.
#include "shell/sound_cues.h"

#include "services/settings_values.h"
#include "services/sound.h"

namespace shell {

void PlayEffect(std::string_view name) {
    if (services::SoundOn == 1) services::Sound::Play(name, 0);
}

void StartMenuTune() { services::Sound::Play(kMenuTune, 1); }

void StopMenuTune() { services::Sound::Stop(kMenuTune); }

}  // namespace shell
