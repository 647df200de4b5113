// The sound manager: every sound and tune of the game by its short name
// ("BlipSND", "Music1menu-loop"). One entry per registered sound; the
// class-level functions load, start, stop, pause and set volumes by name.
// Names are matched without regard to letter case. Called from the game
// thread only; the audio layer under it plays on its own.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "services/audio/channel.h"
#include "services/audio/sound_data.h"

namespace services {

class Sound {
public:
    // Shuts the audio system down; 0.
    static int AppExit();
    // Sets the volume factor (percent / 100) of every entry of that name,
    // applied at once to a running channel and at every later start; 0.
    static int ChannelVolume(std::string_view name, float percent);
    // Sets MasterVolume (percent / 100) and applies it to every channel; 0.
    static int GlobalVolume(float percent);
    // 1 while the first entry of that name still sounds; 0 otherwise,
    // also for a name no entry carries.
    static int IsPlaying(std::string_view name);
    // Registers the embedded file (or else the file on disk) at path; 1 on
    // success, 0 on failure. SoundCounter advances either way.
    static int Load(std::string_view path, int stream);
    // Starts the first entry of that name (loop 1: looped); a looped start of
    // an entry marked playing does nothing; 0.
    static int Play(std::string_view name, int loop);
    // Pauses (play 0) or resumes (other) the entries of that name, or "all"; 0.
    static int Pause(std::string_view name, int play);
    // Stops the entries of that name, or "all"; 0.
    static int Stop(std::string_view name);

    std::shared_ptr<const audio::SoundData> soundFX;  // the decodable file
    std::optional<audio::Channel> channel;            // the latest start's voice
    int Loop = 0;                                     // loop argument of the latest start
    std::string FX;                                   // registered name, lower case
    int ChannelNr = 0;                                // fixed voice index
    int isplay = 0;                                   // 1 after start/resume, 0 after stop/pause
    int count = 0;                                    // zeroed by Stop; read nowhere
    float cvolume = 1.0f;                             // own volume factor, 0.0 to 1.0
};

}  // namespace services
