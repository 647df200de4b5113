// The four in-game tunes, cycled across the whole run.
#include "shell/level_music.h"

#include <array>
#include <string_view>

#include "assets/asset_names.h"
#include "platform/state_registry.h"
#include "services/sound.h"

namespace shell {
namespace {

constexpr std::array<std::string_view, 4> kTunes{
    assets::PlayName(assets::kInGameMusic1), assets::PlayName(assets::kInGameMusic2),
    assets::PlayName(assets::kInGameMusic3), assets::PlayName(assets::kInGameMusic4)};
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
