// The sound manager's class-level functions: linear walks over SoundList.
#include "services/sound.h"

#include <algorithm>
#include <cctype>

#include "assets/registry.h"
#include "platform/platform.h"
#include "services/sound_state.h"

namespace services {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// "snd\\WallHit.ogg" -> "wallhit".
std::string RegisteredName(std::string_view path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return Lower(file.substr(0, file.rfind('.')));
}

Sound* FindFirst(std::string_view name) {
    std::string key = Lower(name);
    auto it = std::find_if(SoundList.begin(), SoundList.end(), [&](const Sound& s) { return s.FX == key; });
    return it == SoundList.end() ? nullptr : &*it;
}

void ApplyVolume(const Sound& s) {
    if (s.channel && AudioSystem) AudioSystem->SetVolume(*s.channel, MasterVolume * s.cvolume);
}

// In headless runs the mix keeps pace with the virtual clock; it catches up
// before each call, so that every start, stop and question happens at the
// game's own time.
void CatchUp() {
    if (AudioSystem && AudioSystem->FollowsClock()) AudioSystem->FollowClock(platform::ClockMs());
}

std::shared_ptr<const audio::SoundData> CreateSound(std::string_view path) {
    if (auto bytes = assets::Lookup(path); bytes && !bytes->empty()) return audio::OpenSoundData(*bytes);
    return audio::ReadSoundFile(std::string(path));
}

}  // namespace

int Sound::AppExit() {
    AudioSystem.reset();
    return 0;
}

int Sound::ChannelVolume(std::string_view name, float percent) {
    CatchUp();
    std::string key = Lower(name);
    for (auto& s : SoundList) {
        if (s.FX != key) continue;
        s.cvolume = percent * 0.01f;
        ApplyVolume(s);
    }
    return 0;
}

int Sound::GlobalVolume(float percent) {
    CatchUp();
    MasterVolume = percent * 0.01f;
    for (const auto& s : SoundList) ApplyVolume(s);
    return 0;
}

int Sound::IsPlaying(std::string_view name) {
    CatchUp();
    const Sound* s = FindFirst(name);
    return s && s->channel && AudioSystem && AudioSystem->IsPlaying(*s->channel) ? 1 : 0;
}

// Every sound streams from memory while it plays, so the stream flag changes
// nothing here; it stays for the callers that pass it.
int Sound::Load(std::string_view path, [[maybe_unused]] int stream) {
    ++SoundCounter;
    Sound entry;
    entry.soundFX = CreateSound(path);
    // A failed load is dropped, but the counter keeps its step: the next
    // sound's channel index is one higher.
    if (!entry.soundFX) return 0;
    entry.FX = RegisteredName(path);
    entry.ChannelNr = SoundCounter;
    SoundList.push_back(std::move(entry));
    return 1;
}

int Sound::Play(std::string_view name, int loop) {
    CatchUp();
    Sound* s = FindFirst(name);
    if (!s) return 0;
    // A looped tune that is marked playing goes on as it is.
    if (s->isplay == 1 && loop == 1) return 0;
    s->Loop = loop;
    s->channel.reset();
    if (AudioSystem)
        s->channel = AudioSystem->Play(s->ChannelNr, s->soundFX, loop == 1, MasterVolume * s->cvolume);
    s->isplay = 1;
    return 0;
}

int Sound::Pause(std::string_view name, int play) {
    CatchUp();
    std::string key = Lower(name);
    for (auto& s : SoundList) {
        if ((key != "all" && s.FX != key) || !s.channel) continue;
        if (AudioSystem) AudioSystem->SetPaused(*s.channel, play == 0);
        s.isplay = play == 0 ? 0 : 1;
        if (play != 0) ApplyVolume(s);
    }
    return 0;
}

int Sound::Stop(std::string_view name) {
    CatchUp();
    std::string key = Lower(name);
    for (auto& s : SoundList) {
        if (key != "all" && s.FX != key) continue;
        // A looped tune that is not marked playing ends the walk: the entries
        // after it are left as they are.
        if (s.isplay == 0 && s.Loop == 1) return 0;
        if (!s.channel) continue;
        s.count = 0;
        if (AudioSystem) AudioSystem->Stop(*s.channel);
        s.channel.reset();
        s.isplay = 0;
    }
    return 0;
}

}  // namespace services
