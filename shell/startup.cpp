// The start-up sequence as a list of named steps, run in order. Steps owned by
// other subsystems join the list where their number puts them.
#include "shell/startup.h"

#include <array>

#include "assets/asset_table.h"
#include "assets/registry.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "services/settings_values.h"
#include "services/sound_startup.h"
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

struct Step {
    const char* name;
    void (*run)();
};

constexpr std::array kStartUp{
    Step{"start values of the game state", ResetGameState},
    Step{"register the embedded assets", assets::RegisterEmbeddedAssets},
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
    Step{"main menu", RunMainMenu},
};

}  // namespace

std::string WindowCaption() { return "Snatchkin: The Yule Caper - v" + std::string(services::GameVersion); }

void RunProgram() {
    for (const Step& step : kStartUp) step.run();
    platform::EndProgram();
}

}  // namespace shell
