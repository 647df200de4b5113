// The elves' stepping rule.
#include "tests/world/elf_model.h"

#include <algorithm>

#include "world/terrain.h"
#include "world/terrain_state.h"

namespace mazetest {

void StepElf(Elf& elf) {
    bool horizontal = elf.move == '<' || elf.move == '>';
    elf.x += elf.move == '<' ? -1 : elf.move == '>' ? 1 : 0;
    elf.y += elf.move == '^' ? -1 : elf.move == '|' ? 1 : 0;
    elf.x = std::clamp(elf.x, 0, 2047);
    elf.y = std::clamp(elf.y, 0, 767);
    if (!horizontal || world::EnemyPixel(elf.x, elf.y) != world::enemyKey2) return;
    bool up = world::EnemyPixel(elf.x, elf.y - 1) == world::enemyKey1;
    bool down = world::EnemyPixel(elf.x, elf.y + 1) == world::enemyKey1;
    if (up) --elf.y;
    if (down) ++elf.y;
}

bool OnPath(int x, int y) {
    auto p = world::EnemyPixel(x, y);
    return p == world::enemyKey1 || p == world::enemyKey0;
}

bool OnJunction(int x, int y) { return world::EnemyPixel(x, y) == world::enemyKey0; }

std::vector<char> DrawnExits(int x, int y) {
    std::vector<char> exits;
    for (char move : {'<', '>', '^', '|'}) {
        Elf probe{x, y, move};
        StepElf(probe);
        if (OnPath(probe.x, probe.y)) exits.push_back(move);
    }
    return exits;
}

}  // namespace mazetest
