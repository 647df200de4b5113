// The sound manager's process-wide state.
#include "services/sound_state.h"

#include <string>

#include "platform/state_registry.h"

namespace services {

std::vector<Sound> SoundList;
float MasterVolume = 1.0f;
int SoundCounter = 0;
std::unique_ptr<audio::AudioEngine> AudioSystem;

void ResetSoundState() {
    // The audio system goes first: its voices read the sounds' bytes.
    AudioSystem.reset();
    SoundList.clear();
    MasterVolume = 1.0f;
    SoundCounter = 0;
}

namespace {

platform::DumpFields EntryFields(const Sound& s) {
    return {{"FX", s.FX},
            {"ChannelNr", std::to_string(s.ChannelNr)},
            {"Loop", std::to_string(s.Loop)},
            {"isplay", std::to_string(s.isplay)},
            {"channel", s.channel ? "1" : "0"},
            {"cvolume", std::to_string(s.cvolume)}};
}

// Registered so that a second run in one process starts again from channel 1,
// and so that a run's dump shows which sounds were started.
const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpInt("SoundCounter", SoundCounter);
    platform::RegisterDumpValue("MasterVolume", [] { return std::to_string(MasterVolume); });
    platform::RegisterDumpList("SoundList", [] {
        std::vector<platform::DumpFields> entries;
        for (const Sound& s : SoundList) entries.push_back(EntryFields(s));
        return entries;
    });
    platform::RegisterReset(ResetSoundState);
});

}  // namespace

}  // namespace services
