// The drawn elf paths, read with the elves' step.
#include "tests/world/drawn_paths.h"

#include "actors/elf_step.h"
#include "world/terrain.h"
#include "world/terrain_state.h"

namespace mazetest {

actors::elfs ElfAt(int x, int y, char move) {
    actors::elfs elf;
    elf.Xpos = x;
    elf.Ypos = y;
    elf.moves.assign(1, move);
    return elf;
}

bool OnPath(int x, int y) {
    auto p = world::EnemyPixel(x, y);
    return p == world::enemyKey1 || p == world::enemyKey0;
}

bool OnJunction(int x, int y) { return world::EnemyPixel(x, y) == world::enemyKey0; }

std::vector<char> DrawnExits(int x, int y) {
    std::vector<char> exits;
    for (char move : {'<', '>', '^', '|'}) {
        actors::elfs probe = ElfAt(x, y, move);
        actors::StepElf(probe);
        if (OnPath(probe.Xpos, probe.Ypos)) exits.push_back(move);
    }
    return exits;
}

}  // namespace mazetest
