// Time per FindPath on the game's grid, over every pair of junctions the
// junction network can ask for (the blocked record 22 left out).
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "actors/pathfinder/pathfinder.h"
#include "platform/random.h"
#include "world/level_tables.h"

namespace {

using actors::TPathfinder;

struct Cells {
    int startX, startY, endX, endY;
};

// Destination first: the junction network asks for the route from the
// destination back to the standing junction.
std::vector<Cells> JunctionPairs() {
    std::vector<Cells> pairs;
    const auto& t = world::JunctionTable;
    for (int from = 0; from < world::JunctionCount; ++from)
        for (int to = 0; to < world::JunctionCount; ++to) {
            const int* a = &t[5 * from];
            const int* b = &t[5 * to];
            bool blocked = (a[0] == 0 && a[1] == 0) || (b[0] == 0 && b[1] == 0);
            if (!blocked && a[0] != b[0] && a[1] != b[1]) pairs.push_back({b[3], b[4], a[3], a[4]});
        }
    return pairs;
}

std::vector<float> GameMap() {
    std::vector<float> map(world::PathGridSize);
    for (int y = 0; y < world::PathGridHeight; ++y)
        for (int x = 0; x < world::PathGridWidth; ++x)
            map[x * world::PathGridHeight + y] =
                static_cast<float>(world::PathGrid[y * world::PathGridWidth + x]);
    return map;
}

void BM_FindPathOnTheGameGrid(benchmark::State& state) {
    const std::vector<float> map = GameMap();
    const std::vector<Cells> pairs = JunctionPairs();
    TPathfinder::SetMap(map, world::PathGridWidth, world::PathGridHeight);
    platform::SeedRandom(1);
    int found = 0;
    for (auto _ : state)
        for (const Cells& c : pairs) found += TPathfinder::FindPath(c.startX, c.startY, c.endX, c.endY);
    benchmark::DoNotOptimize(found);
    state.counters["searches"] = static_cast<double>(pairs.size());
    // Seconds per search, shown with a unit prefix (u = microseconds).
    state.counters["per_search"] =
        benchmark::Counter(static_cast<double>(state.iterations() * pairs.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FindPathOnTheGameGrid)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
