// snatchkin-soundgen OUTDIR: synthesizes every sound of the asset table and
// writes it as OUTDIR/snd/<file>.ogg. The same bytes on every build.
#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "assets/asset_table.h"
#include "generators/sound/effects.h"
#include "generators/sound/mastering.h"
#include "generators/sound/music.h"
#include "generators/sound/vorbis_writer.h"

namespace {

using namespace assets::sound;

constexpr float kQuality = 0.4f;

// Renders one sound; false (with a message) when it has no design or fails.
bool Generate(const assets::AssetInfo& a, const std::filesystem::path& out) {
    long frames = std::lround(a.seconds * a.sampleRate);
    Track track(a.sampleRate, frames, false);
    if (const Effect* effect = FindEffect(a.name)) {
        for (const auto& tone : effect->tones) RenderTone(tone, track);
        Normalize(track, effect->peak);
        FadeOutEnd(track, 0.004);
    } else if (const Song* song = FindSong(a.name)) {
        try {
            track = RenderSong(*song, a.sampleRate, frames);
        } catch (const SongError& e) {
            std::fprintf(stderr, "%s: %s\n", std::string(a.name).c_str(), e.what());
            return false;
        }
        Normalize(track, song->peak);
        if (!song->loop) FadeOutEnd(track, 0.05);
    } else {
        std::fprintf(stderr, "no sound design for %s\n", std::string(a.name).c_str());
        return false;
    }
    std::filesystem::path path = out / assets::FilePathOf(a.name);
    if (!WriteOggVorbis(track, a.channels, kQuality, path.string())) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: snatchkin-soundgen OUTDIR\n");
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::vector<const assets::AssetInfo*> sounds;
    for (const auto& a : assets::AssetTable())
        if (a.source == assets::Source::Audio) sounds.push_back(&a);
    std::filesystem::create_directories(out / "snd");
    // Two workers share the list; each sound is rendered and written on its own.
    std::atomic<std::size_t> next{0};
    std::atomic<bool> ok{true};
    auto work = [&] {
        for (std::size_t i; (i = next++) < sounds.size();)
            if (!Generate(*sounds[i], out)) ok = false;
    };
    std::thread helper(work);
    work();
    helper.join();
    return ok ? 0 : 1;
}
