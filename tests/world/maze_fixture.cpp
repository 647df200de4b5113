// Shared set-up of the maze tests: the real masks and the level tables.
#include "tests/world/maze_fixture.h"

#include "assets/registry.h"
#include "world/level_tables.h"
#include "world/terrain.h"

namespace mazetest {

void MazeTest::SetUpTestSuite() {
    assets::ClearRegistry();
    EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    world::LoadTerrain();
}

bool RectsOverlap(Rect a, Rect b) {
    return a.x <= b.x + b.w && b.x <= a.x + a.w && a.y <= b.y + b.h && b.y <= a.y + a.h;
}

Rect Ladder(int index) {
    const int* r = &world::LadderTable[1 + 4 * index];
    return {r[0], r[1], r[2], r[3]};
}

std::vector<Junction> Junctions() {
    std::vector<Junction> out;
    for (int j = 0; j < world::JunctionCount; ++j) {
        const int* r = &world::JunctionTable[5 * j];
        out.push_back({r[0], r[1], r[3], r[4]});
    }
    return out;
}

std::vector<Item> Layout(int layout) {
    auto table = world::ItemLayoutTable(layout);
    std::vector<Item> out;
    for (int i = 0; i < table[0]; ++i) out.push_back({table[1 + 3 * i], table[2 + 3 * i], table[3 + 3 * i]});
    return out;
}

std::vector<Lift> Lifts() {
    std::vector<Lift> out;
    std::size_t at = 0;
    for (int l = 0; l < world::LiftCount; ++l) {
        Lift lift{world::LiftTable[at], {}};
        int stops = world::LiftTable[at + 3];
        for (int k = 0; k < stops; ++k) lift.ypos.push_back(world::LiftTable[at + 4 + k] - 10);
        out.push_back(lift);
        at += 4 + stops;
    }
    return out;
}

std::vector<Cart> Carts() {
    std::vector<Cart> out;
    for (int c = 0; c < world::CartCount; ++c) {
        const int* r = &world::CartTable[5 * c];
        out.push_back({r[0], r[1] - 16, r[2] - 32});
    }
    return out;
}

}  // namespace mazetest
