// Preparing headless runs of the front end.
#include "front_end_run.h"

#include <algorithm>
#include <cctype>

#include "assets/asset_table.h"
#include "assets/registry.h"
#include "platform/platform.h"
#include "services/sound.h"
#include "services/sound_startup.h"
#include "services/sound_state.h"
#include "shell/front_end.h"

namespace frontend_test {
namespace {

void LoadPictures() {
    for (const auto& a : assets::AssetTable()) {
        if (a.kind == assets::Kind::Frames)
            platform::LoadFrames(a.name, a.cellWidth, a.cellHeight, 0, a.frames);
        if (a.kind == assets::Kind::Picture) platform::LoadPicture(a.name);
    }
}

void PrepareSounds() {
    services::ResetSoundState();
    services::CreateSoundList();
    services::CreateAudioSystem(100, services::audio::Backend::VirtualClock);
    services::LoadAllSounds();
    services::SetMenuMusicVolume();
}

}  // namespace

shell::HeadlessResult RunScreen(const ScreenRun& run) {
    shell::HeadlessRun headless;
    headless.script = run.script;
    headless.captures = run.captures;
    headless.frameLimit = run.frameLimit;
    headless.program = [&run] {
        assets::ClearRegistry();
        assets::RegisterEmbeddedAssets();
        LoadPictures();
        platform::OpenScreen(1024, 768, false, 60);
        platform::SelectBlend(platform::BlendMode::Alpha);
        PrepareSounds();
        if (run.setup) run.setup();
        if (run.screen) {
            run.screen();
        } else {
            shell::RunMainMenu();
        }
        platform::EndProgram();
    };
    return shell::RunHeadless(headless);
}

// The manager's own mark: set by a start, cleared by a stop, whether or not
// the sound has since ended by itself.
bool Started(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto& s : services::SoundList)
        if (s.FX == key) return s.isplay == 1;
    return false;
}

}  // namespace frontend_test
