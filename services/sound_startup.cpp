// The sound steps of start-up.
#include "services/sound_startup.h"

#include "assets/asset_names.h"
#include "assets/asset_table.h"
#include "platform/platform.h"
#include "services/sound.h"
#include "services/sound_state.h"

namespace services {

void CreateSoundList() { SoundList.clear(); }

void CreateAudioSystem(int channels, audio::Backend backend) {
    AudioSystem.reset();
    AudioSystem = std::make_unique<audio::AudioEngine>(channels, backend);
}

void LoadAllSounds() {
    for (const auto& a : assets::AssetTable())
        if (a.kind == assets::Kind::Sound && Sound::Load(a.name, 1) == 0)
            throw platform::FatalError("snatchkin: embedded asset " + std::string(a.name) +
                                       " does not decode");
}

void SetMenuMusicVolume() { Sound::ChannelVolume(assets::PlayName(assets::kMenuMusic), 25.0f); }

}  // namespace services
