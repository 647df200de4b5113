// The start-up and shut-down sequences as lists of named steps, run in order.
// Steps owned by other subsystems join the lists where their order puts them.
#include "shell/startup.h"

#include <array>
#include <cstdio>

#include "assets/asset_table.h"
#include "assets/registry.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "services/settings_file.h"
#include "services/settings_values.h"
#include "services/sound.h"
#include "services/sound_startup.h"
#include "shell/asset_check.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/level_music.h"
#include "world/game_progress.h"
#include "world/terrain.h"
#include "world/view.h"

namespace shell {
namespace {

constexpr int kAudioChannels = 100;

// The process-wide values of every owner at their start values.
void ResetGameState() {
    services::ResetSettingsValues();
    world::ResetGameProgress();
    world::ResetView();
    ResetFrontEndState();
    ResetLevelMusic();
}

// Loads the pictures of the asset table in table order, from the entry at
// `from` up to the next mask (or the end); returns where it stopped.
std::size_t LoadPicturesFrom(std::size_t from) {
    auto table = assets::AssetTable();
    for (; from < table.size() && table[from].kind != assets::Kind::Mask; ++from) {
        const auto& a = table[from];
        if (a.kind == assets::Kind::Frames)
            platform::LoadFrames(a.name, a.cellWidth, a.cellHeight, 0, a.frames);
        if (a.kind == assets::Kind::Picture) platform::LoadPicture(a.name);
    }
    return from;
}

// The level picture comes before the masks in the table.
void LoadLevelPicture() { LoadPicturesFrom(0); }

// Every picture after the masks, from the font on.
void LoadRemainingPictures() {
    auto table = assets::AssetTable();
    std::size_t afterMasks = 0;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].kind == assets::Kind::Mask) afterMasks = i + 1;
    LoadPicturesFrom(afterMasks);
}

void RegisterAssets() {
    if (!assets::RegisterEmbeddedAssets())
        throw platform::FatalError("snatchkin: the embedded asset pack is damaged");
}

void SetCaption() { platform::SetWindowCaption(WindowCaption()); }
void SeedFromClock() { platform::SeedRandom(platform::ClockMs()); }
void OpenWindowedScreen() {
    platform::OpenScreen(platform::kScreenWidth, platform::kScreenHeight, false, platform::kFramesPerSecond);
}
void SelectAlphaBlend() { platform::SelectBlend(platform::BlendMode::Alpha); }

// Headless runs mix their audio in memory along the virtual clock instead of
// opening a device, so that nothing in them depends on a sound card or the
// wall clock, and sounds still end on time.
void CreateAudioSystem() {
    services::CreateAudioSystem(kAudioChannels, platform::IsHeadless()
                                                    ? services::audio::Backend::VirtualClock
                                                    : services::audio::Backend::Device);
}

void StopSounds() { services::Sound::AppExit(); }

constexpr std::array kStartUp{
    Step{"start values of the game state", ResetGameState},
    Step{"register the embedded assets", RegisterAssets},
    Step{"check the embedded assets", CheckEmbeddedAssets},
    Step{"empty sound list", services::CreateSoundList},
    Step{"window caption", SetCaption},
    Step{"seed the generator", SeedFromClock},
    Step{"level picture", LoadLevelPicture},
    Step{"terrain masks and colour keys", world::LoadTerrain},
    Step{"remaining pictures", LoadRemainingPictures},
    Step{"open the screen", OpenWindowedScreen},
    Step{"window icon", platform::SetWindowIcon},
    Step{"alpha blending", SelectAlphaBlend},
    Step{"audio system", CreateAudioSystem},
    Step{"sounds", services::LoadAllSounds},
    Step{"menu music volume", services::SetMenuMusicVolume},
};

constexpr std::array kShutDown{
    Step{"save settings", services::SaveSettings},
    Step{"stop sounds", StopSounds},
    Step{"close the window", platform::CloseScreen},
};
// After a failed start-up the settings may not have been read, so saving
// them would overwrite the player's file: the shut-down starts after it.
static_assert(kShutDown[0].name == "save settings");
constexpr std::size_t kShutDownAfterFailure = 1;

void Run(std::span<const Step> steps) {
    for (const Step& step : steps) step.run();
}

}  // namespace

std::span<const Step> StartUpSteps() { return kStartUp; }

std::span<const Step> ShutDownSteps() { return kShutDown; }

std::string WindowCaption() { return "Snatchkin: The Yule Caper - v" + std::string(services::GameVersion); }

int RunProgram() {
    try {
        Run(kStartUp);
        RunMainMenu();
    } catch (const platform::ProgramEnd&) {
        // EndProgram from anywhere ends the program as leaving the menu does.
    } catch (const platform::FatalError& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        Run(ShutDownSteps().subspan(kShutDownAfterFailure));
        return 1;
    }
    Run(kShutDown);
    return 0;
}

}  // namespace shell
