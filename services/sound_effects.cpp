// One-shot effects behind the sound switch.
#include "services/sound_effects.h"

#include "services/settings_values.h"
#include "services/sound.h"

namespace services {

void PlayEffect(std::string_view name) {
    if (SoundOn == 1) Sound::Play(name, 0);
}

}  // namespace services
