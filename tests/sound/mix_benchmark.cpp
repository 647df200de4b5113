// Mixing cost: one second of output with ten streams playing at once (the
// five music loops and five effects, all looped), in callback-sized buffers.
// The time per iteration is the share of one core that mixing takes.
// Also the cost of starting a sound on the game thread.
#include <benchmark/benchmark.h>

#include <vector>

#include "assets/asset_table.h"
#include "assets/registry.h"
#include "services/audio/audio_engine.h"

namespace {

void BM_MixOneSecondOfTenStreams(benchmark::State& state) {
    if (!assets::RegisterEmbeddedAssets()) return state.SkipWithError("the embedded asset pack is damaged");
    const char* names[] = {"snd\\Music1menu-loop.ogg",    "snd\\Music2ingame1-loop.ogg",
                           "snd\\Music2ingame2-loop.ogg", "snd\\Music2ingame3-loop.ogg",
                           "snd\\Music2ingame4-loop.ogg", "snd\\Poof.ogg",
                           "snd\\teleport.ogg",           "snd\\DeadSND.ogg",
                           "snd\\SnowStep1SND.ogg",       "snd\\DingSND.ogg"};
    services::audio::AudioEngine engine(100, services::audio::Backend::Headless);
    int voice = 1;
    for (const char* n : names)
        engine.Play(voice++, services::audio::OpenSoundData(*assets::Lookup(n)), true, 0.3f);
    std::vector<float> buffer(2 * 1024);
    for (auto _ : state) {
        for (int done = 0; done < engine.OutputRate(); done += 1024) engine.MixInto(buffer.data(), 1024);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_MixOneSecondOfTenStreams)->Unit(benchmark::kMillisecond);

// What a start costs the game thread: opening the stream (its headers and
// codebooks) and decoding its first packets. Footsteps start every 11 frames.
void BM_StartAFootstep(benchmark::State& state) {
    if (!assets::RegisterEmbeddedAssets()) return state.SkipWithError("the embedded asset pack is damaged");
    services::audio::AudioEngine engine(100, services::audio::Backend::Headless);
    auto sound = services::audio::OpenSoundData(*assets::Lookup("snd\\SnowStep1SND.ogg"));
    std::vector<float> buffer(2 * 64);
    for (auto _ : state) {
        engine.Play(14, sound, false, 1.0f);
        engine.MixInto(buffer.data(), 64);  // applies the start and frees the replaced stream
    }
}
BENCHMARK(BM_StartAFootstep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
