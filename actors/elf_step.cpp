// The elves' step along the enemy mask.
#include "actors/elf_step.h"

#include <algorithm>
#include <string_view>

#include "world/terrain.h"
#include "world/terrain_state.h"

namespace actors {
namespace {

constexpr int kWorldRight = 2047;
constexpr int kWorldBottom = 767;

struct Direction {
    std::string_view moves;
    int dir;  // animation row offset
    int dx, dy;
};
constexpr Direction kDirections[] = {{"<", 4, -1, 0}, {">", 0, 1, 0}, {"^", 8, 0, -1}, {"|", 8, 0, 1}};

// Horizontal paths rise and fall by one pixel at a time.
void FollowSlope(elfs& elf) {
    if (world::EnemyPixel(elf.Xpos, elf.Ypos) != world::enemyKey2) return;
    const bool pathAbove = world::EnemyPixel(elf.Xpos, elf.Ypos - 1) == world::enemyKey1;
    const bool pathBelow = world::EnemyPixel(elf.Xpos, elf.Ypos + 1) == world::enemyKey1;
    if (pathAbove) --elf.Ypos;
    if (pathBelow) ++elf.Ypos;
}

}  // namespace

ElfStep StepElf(elfs& elf) {
    const auto* d = std::find_if(std::begin(kDirections), std::end(kDirections),
                                 [&](const Direction& entry) { return entry.moves == elf.moves; });
    if (d == std::end(kDirections)) return ElfStep::None;
    elf.dir = d->dir;
    elf.Xpos = std::clamp(elf.Xpos + d->dx, 0, kWorldRight);
    elf.Ypos = std::clamp(elf.Ypos + d->dy, 0, kWorldBottom);
    if (d->dy != 0) return ElfStep::Vertical;
    FollowSlope(elf);
    return ElfStep::Horizontal;
}

}  // namespace actors
