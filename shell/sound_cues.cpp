// Sound cues of the front end.
#include "shell/sound_cues.h"

#include "services/sound.h"

namespace shell {

void StartMenuTune() { services::Sound::Play(kMenuTune, 1); }

void StopMenuTune() { services::Sound::Stop(kMenuTune); }

}  // namespace shell
