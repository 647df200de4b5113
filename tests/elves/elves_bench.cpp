// Time of one frame of the elves with 1000 of them on the real maze: the
// movement pass, the drawing pass with the contact tests, and the rail check.
#include <benchmark/benchmark.h>

#include "actors/elves.h"
#include "actors/hero_state.h"
#include "actors/junction_network.h"
#include "platform/random.h"
#include "platform/state_registry.h"
#include "shell/startup.h"
#include "world/game_progress.h"
#include "world/junctions.h"

namespace {

void StartUp() {
    platform::ResetAllState();
    for (const shell::Step& step : shell::StartUpSteps()) step.run();
    world::LoadJunctions();
    actors::LoadPathGrid();
}

// 1000 elves from the spawn points, and the hero on the top floor, where
// elves walk past him.
void PrepareFrame() {
    StartUp();
    platform::SeedRandom(1);
    actors::SpawnElves(1000, 0);
    actors::HeroX = 600;
    actors::HeroY = 32;
}

void BM_FrameWith1000Elves(benchmark::State& state) {
    PrepareFrame();
    for (auto _ : state) {
        world::Dying = 0;  // every frame tests every elf against him
        actors::UpdateElves();
        actors::DrawElves();
        actors::CheckElfRails();
    }
    state.counters["elves"] = static_cast<double>(actors::ElfList.size());
}
BENCHMARK(BM_FrameWith1000Elves)->Unit(benchmark::kMicrosecond);

// The two passes apart, to see where a frame's time goes.
void BM_UpdateElves1000(benchmark::State& state) {
    PrepareFrame();
    for (auto _ : state) actors::UpdateElves();
}
BENCHMARK(BM_UpdateElves1000)->Unit(benchmark::kMicrosecond);

void BM_DrawElves1000(benchmark::State& state) {
    PrepareFrame();
    for (auto _ : state) {
        world::Dying = 0;
        actors::DrawElves();
    }
}
BENCHMARK(BM_DrawElves1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
