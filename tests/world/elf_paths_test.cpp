// The enemy mask against the junction table, the path grid and the spawn points.
#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "actors/elf_step.h"
#include "tests/world/drawn_paths.h"
#include "tests/world/maze_fixture.h"
#include "world/level_tables.h"

namespace mazetest {
namespace {

class ElfPathsTest : public MazeTest {};

bool GridFree(int x, int y) {
    return x >= 0 && y >= 0 && x < world::PathGridWidth && y < world::PathGridHeight &&
           world::PathGrid[y * world::PathGridWidth + x] == 0;
}

// The free cells without the dead-end stubs: a stub that ends in no junction
// lies on no route between junctions, so no elf is ever sent into it.
std::vector<bool> RouteCells(const std::vector<Junction>& js) {
    std::vector<bool> cells(world::PathGridSize);
    for (int i = 0; i < world::PathGridSize; ++i)
        cells[i] = GridFree(i % world::PathGridWidth, i / world::PathGridWidth);
    auto isJunction = [&](int x, int y) {
        return std::any_of(js.begin(), js.end(),
                           [&](const Junction& j) { return j.cellX == x && j.cellY == y; });
    };
    for (bool pruned = true; pruned;) {
        pruned = false;
        for (int i = 0; i < world::PathGridSize; ++i) {
            int x = i % world::PathGridWidth, y = i / world::PathGridWidth;
            if (!cells[i] || isJunction(x, y)) continue;
            int open = 0;
            for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                open += GridFree(x + dx, y + dy) && cells[(y + dy) * world::PathGridWidth + x + dx];
            if (open <= 1) cells[i] = false, pruned = true;
        }
    }
    return cells;
}

struct Link {
    int from, to;  // junction indices
    char move;     // the elf's direction leaving `from`
};

// Every corridor of route cells that leads from one junction's cell to another's.
std::vector<Link> GridLinks(const std::vector<Junction>& js) {
    auto route = RouteCells(js);
    auto FreeCell = [&](int x, int y) { return GridFree(x, y) && route[y * world::PathGridWidth + x]; };
    auto junctionAt = [&](int x, int y) {
        for (std::size_t j = 0; j < js.size(); ++j)
            if (js[j].cellX == x && js[j].cellY == y && (x || y)) return static_cast<int>(j);
        return -1;
    };
    const std::pair<int, int> steps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const char moves[] = {'<', '>', '^', '|'};
    std::vector<Link> links;
    for (std::size_t j = 0; j < js.size(); ++j)
        for (int d = 0; d < 4; ++d) {
            int px = js[j].cellX, py = js[j].cellY;
            int x = px + steps[d].first, y = py + steps[d].second;
            if (!FreeCell(px, py) || !FreeCell(x, y)) continue;
            while (junctionAt(x, y) < 0) {
                std::vector<std::pair<int, int>> next;
                for (auto [dx, dy] : steps)
                    if (FreeCell(x + dx, y + dy) && (x + dx != px || y + dy != py))
                        next.push_back({x + dx, y + dy});
                if (next.size() != 1) break;
                px = x, py = y;
                std::tie(x, y) = next[0];
            }
            if (junctionAt(x, y) >= 0) links.push_back({static_cast<int>(j), junctionAt(x, y), moves[d]});
        }
    return links;
}

TEST_F(ElfPathsTest, EveryJunctionPixelHasTheJunctionColourAndNoOtherPixelHasIt) {
    std::set<std::pair<int, int>> junctions;
    for (const Junction& j : Junctions()) {
        EXPECT_TRUE(OnJunction(j.x, j.y)) << "junction (" << j.x << ", " << j.y << ")";
        junctions.insert({j.x, j.y});
    }
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 2048; ++x)
            if (OnJunction(x, y)) {
                EXPECT_TRUE(junctions.count({x, y})) << "stray junction pixel (" << x << ", " << y << ")";
            }
}

TEST_F(ElfPathsTest, EveryLinkOfTheGridIsAPathFromJunctionToJunction) {
    auto js = Junctions();
    auto links = GridLinks(js);
    EXPECT_GE(links.size(), 2u * 65);  // both ways along every corridor
    for (const Link& link : links) {
        actors::elfs elf = ElfAt(js[link.from].x, js[link.from].y, link.move);
        int steps = 0;
        do {
            actors::StepElf(elf);
            ++steps;
            ASSERT_TRUE(OnPath(elf.Xpos, elf.Ypos))
                << "leaving junction " << link.from + 1 << " by '" << link.move << "', off the path at ("
                << elf.Xpos << ", " << elf.Ypos << ")";
        } while (!OnJunction(elf.Xpos, elf.Ypos) && steps < 4096);
        EXPECT_EQ(elf.Xpos, js[link.to].x) << "from junction " << link.from + 1 << " to " << link.to + 1;
        EXPECT_EQ(elf.Ypos, js[link.to].y) << "from junction " << link.from + 1 << " to " << link.to + 1;
    }
}

TEST_F(ElfPathsTest, EveryDrawnExitOfAJunctionIsALinkOfTheGrid) {
    auto js = Junctions();
    auto links = GridLinks(js);
    for (std::size_t j = 0; j < js.size(); ++j) {
        if (js[j].x == 0 && js[j].y == 0) continue;  // the legend's reference pixel
        for (char move : DrawnExits(js[j].x, js[j].y)) {
            bool linked = false;
            for (const Link& l : links) linked |= l.from == static_cast<int>(j) && l.move == move;
            EXPECT_TRUE(linked) << "junction " << j + 1 << " has a drawn exit '" << move
                                << "' the grid lacks";
        }
    }
}

TEST_F(ElfPathsTest, EverySpawnPointLiesOnAHorizontalPath) {
    for (int s = 0; s < world::ElfSpawnCount; ++s) {
        int x = world::ElfSpawnTable[2 * s], y = world::ElfSpawnTable[2 * s + 1];
        EXPECT_TRUE(OnPath(x, y)) << "spawn " << s + 1;
        for (char move : {'<', '>'}) {
            actors::elfs elf = ElfAt(x, y, move);
            actors::StepElf(elf);
            EXPECT_TRUE(OnPath(elf.Xpos, elf.Ypos)) << "spawn " << s + 1 << " setting off '" << move << "'";
        }
    }
}

TEST_F(ElfPathsTest, ElvesWanderingFromEverySpawnPointNeverLeaveThePaths) {
    std::mt19937 random(2026);
    std::set<std::pair<int, int>> visited;
    for (int s = 0; s < world::ElfSpawnCount; ++s) {
        actors::elfs elf =
            ElfAt(world::ElfSpawnTable[2 * s], world::ElfSpawnTable[2 * s + 1], random() % 2 ? '<' : '>');
        for (int frame = 0; frame < 50000; ++frame) {
            actors::StepElf(elf);
            ASSERT_TRUE(OnPath(elf.Xpos, elf.Ypos)) << "spawn " << s + 1 << ", frame " << frame << ", at ("
                                                    << elf.Xpos << ", " << elf.Ypos << ")";
            if (!OnJunction(elf.Xpos, elf.Ypos)) continue;
            visited.insert({elf.Xpos, elf.Ypos});
            auto exits = DrawnExits(elf.Xpos, elf.Ypos);
            ASSERT_FALSE(exits.empty()) << "junction (" << elf.Xpos << ", " << elf.Ypos << ") has no way out";
            elf.moves.assign(1, exits[random() % exits.size()]);
        }
    }
    EXPECT_EQ(visited.size(), 60u) << "every junction but the legend's is reached";
}

}  // namespace
}  // namespace mazetest
