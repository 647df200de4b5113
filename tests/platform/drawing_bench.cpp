// Drawing costs on the headless back end: a full-screen backdrop with a few
// hundred small frames, and FramesCollide on 64 by 64 frames.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "assets/registry.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace {

void Setup() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!assets::RegisterEmbeddedAssets()) std::abort();  // a damaged pack: nothing to measure
    platform::InstallBackend(std::make_unique<platform::HeadlessBackend>(platform::HeadlessConfig{}));
    platform::LoadFrames("gfx\\level.png", 1024, 768, 0, 2);
    platform::LoadFrames("gfx\\poof.png", 4, 4, 0, 64);
    platform::LoadFrames("gfx\\bman.png", 64, 64, 0, 70);
    platform::OpenScreen(1024, 768, false, 60);
    platform::SelectBlend(platform::BlendMode::Alpha);
}

// One play-like frame: the level and 300 particle fragments (no pacing).
void BM_BackdropAndParticles(benchmark::State& state) {
    Setup();
    for (auto _ : state) {
        platform::ClearScreen();
        platform::DrawFrame("gfx\\level.png", 0, 0, 0);
        for (int i = 0; i < 300; ++i) platform::DrawFrame("gfx\\poof.png", i * 3 % 1024, i * 7 % 768, i % 64);
        benchmark::DoNotOptimize(
            static_cast<platform::HeadlessBackend&>(platform::CurrentBackend()).Capture().argb[0]);
    }
}
BENCHMARK(BM_BackdropAndParticles)->Unit(benchmark::kMillisecond);

void BM_FramesCollide64(benchmark::State& state) {
    Setup();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            platform::FramesCollide("gfx\\bman.png", 100, 100, 0, "gfx\\bman.png", 130, 120, 5));
}
BENCHMARK(BM_FramesCollide64);

}  // namespace

BENCHMARK_MAIN();
