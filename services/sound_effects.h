// One-shot sound effects behind the sound switch: every effect of the game is
// started only while SoundOn is 1.
#pragma once

#include <string_view>

namespace services {

// Plays the effect by its short name ("DeadSND") when SoundOn is 1.
void PlayEffect(std::string_view name);

}  // namespace services
