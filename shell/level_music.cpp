// The four in-game tunes, cycled across the whole run.
#include "shell/level_music.h"

#include <array>
#include <string_view>

#include "services/sound.h"
#include "shell/game_state.h"

namespace shell {
namespace {

constexpr std::array<std::string_view, 4> kTunes{"Music2ingame1-loop", "Music2ingame2-loop",
                                                 "Music2ingame3-loop", "Music2ingame4-loop"};
constexpr float kTuneVolume = 33.0f;

}  // namespace

void StartLevelMusic() {
    if (TuneIndex >= 1 && TuneIndex <= static_cast<int>(kTunes.size())) TuneName = kTunes[TuneIndex - 1];
    services::Sound::Play(TuneName, 1);
    services::Sound::ChannelVolume(TuneName, kTuneVolume);
}

void StopLevelMusic() {
    services::Sound::Stop(TuneName);
    TuneIndex += 1;
    if (TuneIndex > static_cast<int>(kTunes.size())) TuneIndex = 1;
}

}  // namespace shell
