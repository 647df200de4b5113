// The ground and walk masks against the hero's start, the lifts, the carts,
// the ladders and the items of the tables.
#include <algorithm>

#include "tests/world/hero_steps.h"
#include "tests/world/maze_fixture.h"
#include "world/terrain.h"
#include "world/terrain_state.h"

namespace mazetest {
namespace {

class HeroFloorsTest : public MazeTest {};

bool Walkable(int x, int floor) {
    auto w = world::WalkPixel(x, floor - 4);
    return w == world::walkKey1 || w == world::walkKey3;
}

TEST_F(HeroFloorsTest, TheBottomRowsAreSolidInEveryColumn) {
    for (int x = 0; x < 2048; ++x)
        for (int y = 720; y < 768; ++y) ASSERT_TRUE(world::GroundSolid(x, y)) << "(" << x << ", " << y << ")";
}

// Every walking band is the six rows right above a floor, so a standing
// hero's probe row F - 4 lies in it and a step re-seats him on F.
TEST_F(HeroFloorsTest, EveryWalkingBandIsSixRowsRightAboveAFloor) {
    for (int x = 0; x < 2048; ++x)
        for (int y = 8; y < 767; ++y) {
            if (world::WalkPixel(x, y) != world::walkKey1 || world::WalkPixel(x, y + 1) == world::walkKey1)
                continue;
            ASSERT_TRUE(world::GroundNotEmpty(x, y + 1)) << "band over air at (" << x << ", " << y << ")";
            for (int d = 1; d < 6; ++d)
                ASSERT_EQ(world::WalkPixel(x, y - d), world::walkKey1)
                    << "band at (" << x << ", " << y << ")";
            ASSERT_NE(world::WalkPixel(x, y - 6), world::walkKey1) << "band at (" << x << ", " << y << ")";
        }
}

TEST_F(HeroFloorsTest, TheHeroStartsStandingOnTheCellarFloor) {
    Hero start{84, 656};
    EXPECT_TRUE(Walkable(start.x + 32, 720));
    EXPECT_EQ(world::FloorRowBelow(start.x + 32, start.y + 45), 720);
    EXPECT_TRUE(WalkRight(start, 3).has_value());
    EXPECT_TRUE(WalkLeft(start, 3).has_value());
}

// From the open side of every stop, a hero walks onto the waiting lift.
TEST_F(HeroFloorsTest, EveryLiftStopOpensOntoAWalkableCorridor) {
    for (const Lift& lift : Lifts())
        for (int ypos : lift.ypos) {
            int floor = ypos + 62;
            for (int x = lift.x; x < lift.x + 48; ++x)
                for (int y = floor - 4; y <= floor + 2; ++y)
                    ASSERT_EQ(world::GroundPixel(x, y), world::groundKey4)
                        << "lift at " << lift.x << ", floor " << floor;
            int boarded = 0;
            for (int side : {-1, 1}) {
                Hero h{side < 0 ? lift.x - 80 : lift.x + 48 + 16, 0};
                h.y = world::FloorRowBelow(h.x + 32, floor - 24) - 64;
                if (std::abs(h.y + 64 - floor) > 8 || !Walkable(h.x + 32, h.y + 64)) continue;
                for (int step = 0; step < 40 && !LiftUnder(h); ++step) {
                    auto next = side < 0 ? WalkRight(h, 3) : WalkLeft(h, 3);
                    if (!next) break;
                    h = *next;
                }
                if (LiftUnder(h)) ++boarded;
            }
            EXPECT_GT(boarded, 0) << "lift at " << lift.x << ", floor " << floor;
        }
}

// A band in a shaft would re-seat the hero on the yellow strip instead of
// letting him fall. The shaft runs down to the cage's bottom at its lowest stop.
TEST_F(HeroFloorsTest, NoWalkingBandLiesInsideALiftShaft) {
    for (const Lift& lift : Lifts())
        for (int y = 0; y < lift.ypos.back() + 68; ++y)
            for (int x = lift.x; x < lift.x + 48; ++x)
                ASSERT_NE(world::WalkPixel(x, y), world::walkKey1) << "(" << x << ", " << y << ")";
}

TEST_F(HeroFloorsTest, EveryCartTrackIsFloorWithHandlesOverIt) {
    for (const Cart& cart : Carts()) {
        int floor = cart.ypos + 64;
        for (int x = cart.xmin; x < cart.xmax + 64; ++x) {
            bool opening = world::GroundPixel(x, floor - 1) == world::groundKey4;
            EXPECT_TRUE(Walkable(x, floor) || opening) << "track at " << x << ", floor " << floor;
            EXPECT_TRUE(world::GroundNotEmpty(x, floor) || opening)
                << "track at " << x << ", floor " << floor;
        }
        int handles = 0;
        for (int x = cart.xmin + 32; x <= cart.xmax + 32; ++x)
            handles += world::WalkPixel(x, cart.ypos + 5) == world::walkKey5;
        EXPECT_GT(handles, 0) << "no handle over the track at floor " << floor;
    }
}

TEST_F(HeroFloorsTest, EveryHandleHangsOverACartTrack) {
    auto carts = Carts();
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 2048; ++x) {
            if (world::WalkPixel(x, y) != world::walkKey5 || x < 8) continue;
            bool over = std::any_of(carts.begin(), carts.end(), [&](const Cart& c) {
                return x >= c.xmin + 32 && x <= c.xmax + 32 &&
                       world::WalkPixel(x, c.ypos + 5) == world::walkKey5;
            });
            ASSERT_TRUE(over) << "handle pixel (" << x << ", " << y << ")";
        }
}

// The floors a ladder reaches are where its ends are painted, read down the
// column a centred hero probes, within the ladder's rectangle.
std::vector<int> LadderFloors(const Rect& r) {
    std::vector<int> floors;
    int x = r.x + 19;
    for (int y = r.y - 8; y < std::min(768, r.y + r.h + 8); ++y)
        if (world::WalkPixel(x, y - 1) == world::walkKey3 && world::WalkPixel(x, y) != world::walkKey3)
            floors.push_back(y);
    return floors;
}

TEST_F(HeroFloorsTest, EveryLadderIsClimbableFromFloorToFloor) {
    for (int i = 0; i < 18; ++i) {
        Rect r = Ladder(i);
        auto floors = LadderFloors(r);
        ASSERT_GE(floors.size(), 2u) << "ladder " << i + 1;
        EXPECT_LE(r.y, floors.front() - 10) << "ladder " << i + 1 << " does not rise above its top floor";
        // A ladder reaching on below its last floor is broken off over a drop-off.
        bool broken = r.y + r.h > floors.back() + 2;
        if (!broken) {
            EXPECT_GE(r.y + r.h, floors.back() - 2) << "ladder " << i + 1 << " bottom";
        }
        for (int speed : {1, 2, 3}) {
            Hero h{r.x - 13, floors.back() - 64};
            while (auto up = ClimbUp(h, speed)) h = *up;
            EXPECT_LE(h.y, floors.front() - 64) << "ladder " << i + 1 << " at speed " << speed;
            h = {r.x - 13, floors.front() - 64};
            while (auto down = ClimbDown(h, speed)) h = *down;
            if (broken) {
                EXPECT_EQ(world::WalkPixel(h.x + 32, h.y + 63 + speed), world::walkKey6)
                    << "ladder " << i + 1 << " ends in a drop-off";
                continue;
            }
            EXPECT_GT(h.y, floors.back() - 64 - speed) << "ladder " << i + 1 << " at speed " << speed;
            EXPECT_LE(h.y, floors.back() - 64) << "ladder " << i + 1 << " at speed " << speed;
        }
    }
}

// Where a ladder passes through a floor, a line that is not solid ground
// carries a walking hero across while a dropped present falls on down the
// ladder. A floor that meets the ladder from one side stops short of it.
TEST_F(HeroFloorsTest, EveryLadderLeavesAHoleInTheFloorsItPassesThrough) {
    for (int i = 0; i < 18; ++i) {
        Rect r = Ladder(i);
        auto floors = LadderFloors(r);
        for (std::size_t f = 0; f + 1 < floors.size(); ++f) {
            int floor = floors[f];
            for (int x = r.x; x < r.x + r.w; ++x)
                for (int y = floor; y < floor + 12; ++y)
                    ASSERT_FALSE(world::GroundSolid(x, y))
                        << "ladder " << i + 1 << " at (" << x << ", " << y << ")";
            if (!world::GroundNotEmpty(r.x - 1, floor) || !world::GroundNotEmpty(r.x + r.w, floor)) continue;
            for (int x = r.x; x < r.x + r.w; ++x)
                ASSERT_TRUE(world::GroundNotEmpty(x, floor))
                    << "ladder " << i + 1 << " at (" << x << ", " << floor << ")";
        }
    }
}

// At each floor it reaches, a hero on the ladder walks off onto the floor,
// stands on it, and walks back.
TEST_F(HeroFloorsTest, EveryLadderCanBeSteppedOnAndOffAtEachFloor) {
    for (int i = 0; i < 18; ++i) {
        Rect r = Ladder(i);
        for (int floor : LadderFloors(r)) {
            int sides = 0;
            for (int dir : {-1, 1}) {
                Hero h{r.x - 13, floor - 64};
                bool ok = true;
                for (int step = 0; step < 12 && ok; ++step) {
                    auto next = dir < 0 ? WalkLeft(h, 3) : WalkRight(h, 3);
                    ok = next.has_value();
                    if (ok) h = *next;
                }
                if (!ok || std::abs(h.y - (floor - 64)) > 3) continue;
                for (int step = 0; step < 12 && ok; ++step) {
                    auto back = dir < 0 ? WalkRight(h, 3) : WalkLeft(h, 3);
                    ok = back.has_value();
                    if (ok) h = *back;
                }
                sides += ok && ClimbUp(h, 3).has_value();
            }
            EXPECT_GT(sides, 0) << "ladder " << i + 1 << " at floor " << floor;
        }
    }
}

TEST_F(HeroFloorsTest, EveryItemRestsOnOrJustAboveAFloor) {
    for (int layout = 1; layout <= 4; ++layout) {
        auto items = Layout(layout);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item& it = items[i];
            int x = it.x + 16;
            for (int y = it.y; y < it.y + 32; ++y)
                EXPECT_FALSE(world::GroundSolid(x, y))
                    << "layout " << layout << " item " << i + 1 << " sunk at " << y;
            int gap = 0;
            while (gap <= 6 && !world::GroundSolid(x, it.y + 32 + gap)) ++gap;
            EXPECT_LE(gap, 6) << "layout " << layout << " item " << i + 1 << " floats";
        }
    }
}

}  // namespace
}  // namespace mazetest
