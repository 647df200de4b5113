// Painting the whole art set, as the build does once.
#include <benchmark/benchmark.h>

#include "generators/art/artgen.h"

static void BM_PaintArtSet(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(art::PaintArtSet());
}
BENCHMARK(BM_PaintArtSet)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
