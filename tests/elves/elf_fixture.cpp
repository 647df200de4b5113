// The elves' test set-up on the real maze.
#include "tests/elves/elf_fixture.h"

#include "actors/hero_state.h"
#include "actors/junction_network.h"
#include "assets/asset_names.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "world/junctions.h"
#include "world/level_tables.h"
#include "world/terrain_state.h"

namespace elves_test {

void ElfTest::SetUp() {
    PlayFixture::SetUp();
    world::LoadJunctions();
    actors::LoadPathGrid();
    actors::ElfList.clear();
    actors::HeroX = -1000;
    actors::HeroY = -1000;
}

actors::elfs& AddElf(int x, int y, const std::string& moves) {
    actors::elfs elf;
    elf.Xpos = x;
    elf.Ypos = y;
    elf.moves = moves;
    actors::ElfList.push_back(elf);
    return actors::ElfList.back();
}

void SeedSoNextDrawIs(int a, int b, int want) {
    for (int seed = 1;; ++seed) {
        platform::SeedRandom(seed);
        if (platform::RandomInt(a, b) != want) continue;
        platform::SeedRandom(seed);
        return;
    }
}

void PaintEnemyMask(const std::vector<std::string>& rows) {
    platform::Mask mask;
    mask.height = static_cast<int>(rows.size());
    mask.width = static_cast<int>(rows.front().size());
    mask.argb.resize(static_cast<std::size_t>(mask.width) * mask.height);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            const char c = rows[y][x];
            mask.At(x, y) = c == '+' ? world::enemyKey0 : c == '-' ? world::enemyKey1 : world::enemyKey2;
        }
    world::EnemyMask = mask;
}

platform::Pixels Screen() {
    return dynamic_cast<platform::HeadlessBackend&>(platform::CurrentBackend()).Capture();
}

platform::Pixels ScreenWithElfFrame(int screenX, int screenY, int frame) {
    platform::ClearScreen();
    platform::DrawFrame(assets::kElfSheet, screenX, screenY, frame);
    return Screen();
}

std::vector<int> SpawnRecordsOf(const std::vector<actors::elfs>& list) {
    std::vector<int> records;
    for (const actors::elfs& elf : list)
        for (int r = 0; r < world::ElfSpawnCount; ++r)
            if (world::ElfSpawnTable[2 * r] == elf.Xpos && world::ElfSpawnTable[2 * r + 1] == elf.Ypos)
                records.push_back(r + 1);
    return records;
}

}  // namespace elves_test
