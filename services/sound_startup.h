// The sound steps of start-up, in the order start-up calls them.
#pragma once

#include "services/audio/audio_engine.h"

namespace services {

// Creates the empty SoundList (before anything is loaded).
void CreateSoundList();

// Creates AudioSystem with `channels` voices on the given back end. The device
// back end plays through the sound card, or runs on in silence without one.
void CreateAudioSystem(int channels, audio::Backend backend = audio::Backend::Device);

// Loads every sound of the asset table by its embedded name, stream flag 1.
// A sound that does not load is a platform::FatalError naming it.
void LoadAllSounds();

// The menu music starts at a quarter of full volume.
void SetMenuMusicVolume();

}  // namespace services
