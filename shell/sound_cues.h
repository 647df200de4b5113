// The front end's sounds, each behind the switch that allows it: effects only
// while SoundOn is 1; tunes are started by callers that checked MusicOn.
#pragma once

#include <string_view>

#include "assets/asset_names.h"
#include "services/sound_effects.h"

namespace shell {

inline constexpr std::string_view kClickSound = assets::PlayName(assets::kBlipSound);
inline constexpr std::string_view kMenuTune = assets::PlayName(assets::kMenuMusic);

using services::PlayEffect;

void StartMenuTune();
void StopMenuTune();

}  // namespace shell
