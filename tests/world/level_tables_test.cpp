// What the other parts of the game rely on in the level tables: the mix of
// items in every layout, the path grid under the junctions, carts that meet
// their turning points exactly and lifts whose stops span their travel.
#include "world/level_tables.h"

#include <gtest/gtest.h>

namespace {

bool GridBlocked(int x, int y) {
    if (x < 0 || y < 0 || x >= world::PathGridWidth || y >= world::PathGridHeight) return true;
    return world::PathGrid[y * world::PathGridWidth + x] != 0;
}

TEST(LevelTablesTest, EveryLayoutHasSeventeenPresentsOneBigPresentAndFiveAxes) {
    for (int layout = 1; layout <= 4; ++layout) {
        auto table = world::ItemLayoutTable(layout);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(world::ItemLayoutSize)) << "layout " << layout;
        ASSERT_EQ(table[0], world::ItemCount) << "layout " << layout;
        int count[4] = {};
        for (int i = 0; i < world::ItemCount; ++i) {
            int type = table[3 + 3 * i];
            ASSERT_TRUE(type >= 1 && type <= 3) << "layout " << layout << " item " << i + 1;
            ++count[type];
        }
        EXPECT_EQ(count[1], 17) << "layout " << layout;
        EXPECT_EQ(count[2], 1) << "layout " << layout;
        EXPECT_EQ(count[3], 5) << "layout " << layout;
    }
    EXPECT_TRUE(world::ItemLayoutTable(0).empty());
    EXPECT_TRUE(world::ItemLayoutTable(5).empty());
}

// Record 22 is the legend's reference pixel: a blocked cell no route can
// reach. Every other junction stands in a free cell.
TEST(LevelTablesTest, JunctionCellsAreFreeExceptRecordTwentyTwo) {
    for (int j = 0; j < world::JunctionCount; ++j) {
        const int* r = &world::JunctionTable[5 * j];
        int cx = r[3], cy = r[4];
        if (j == 21) {
            EXPECT_EQ(r[0], 0);
            EXPECT_EQ(r[1], 0);
            EXPECT_TRUE(GridBlocked(cx, cy));
            EXPECT_TRUE(GridBlocked(cx + 1, cy) && GridBlocked(cx, cy + 1))
                << "record 22 has a free neighbour";
            continue;
        }
        EXPECT_FALSE(GridBlocked(cx, cy)) << "junction " << j + 1 << " at cell (" << cx << ", " << cy << ")";
    }
}

// A cart turns only where xpos equals a limit, so it must meet both exactly.
TEST(LevelTablesTest, EveryCartStartsAnEvenDistanceFromBothTurningPoints) {
    for (int c = 0; c < world::CartCount; ++c) {
        const int* r = &world::CartTable[5 * c];
        int xmin = r[0], xmax = r[1] - 16, start = r[3], speed = r[4];
        EXPECT_TRUE(xmin <= start && start <= xmax) << "cart " << c + 1;
        EXPECT_EQ((start - xmin) % 2, 0) << "cart " << c + 1;
        EXPECT_EQ((xmax - start) % 2, 0) << "cart " << c + 1;
        EXPECT_EQ(speed * speed, 4) << "cart " << c + 1;
    }
}

// A lift runs between its first and last stop; its stop array has room for six.
TEST(LevelTablesTest, EveryLiftsStopsRunFromItsTopToItsBottom) {
    std::size_t at = 0;
    for (int l = 0; l < world::LiftCount; ++l) {
        int top = world::LiftTable[at + 1], bottom = world::LiftTable[at + 2],
            stops = world::LiftTable[at + 3];
        ASSERT_TRUE(stops >= 2 && stops <= 6) << "lift " << l + 1;
        EXPECT_EQ(world::LiftTable[at + 4], top) << "lift " << l + 1;
        EXPECT_EQ(world::LiftTable[at + 3 + stops], bottom) << "lift " << l + 1;
        for (int k = 1; k < stops; ++k)
            EXPECT_LT(world::LiftTable[at + 3 + k], world::LiftTable[at + 4 + k]) << "lift " << l + 1;
        at += 4 + stops;
    }
    EXPECT_EQ(at, world::LiftTable.size());
}

}  // namespace
