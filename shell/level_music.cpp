// The four in-game tunes, cycled across the whole run.
#include "shell/level_music.h"

#include <array>
#include <string_view>

#include "platform/state_registry.h"
#include "services/sound.h"

namespace shell {
namespace {

constexpr std::array<std::string_view, 4> kTunes{"Music2ingame1-loop", "Music2ingame2-loop",
                                                 "Music2ingame3-loop", "Music2ingame4-loop"};
constexpr float kTuneVolume = 33.0f;

}  // namespace

int TuneIndex = 1;
std::string TuneName;

void ResetLevelMusic() {
    TuneIndex = 1;
    TuneName.clear();
}

namespace {

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpInt("TuneIndex", TuneIndex);
    platform::RegisterDumpText("TuneName", TuneName);
    platform::RegisterReset(ResetLevelMusic);
});

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
