// The elves' movement pass and rail check: steps along the paths, decisions
// at junctions, and the removals and replacements.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "actors/effects.h"
#include "actors/elves.h"
#include "actors/junction_network.h"
#include "platform/random.h"
#include "services/sound.h"
#include "tests/elves/elf_fixture.h"
#include "tests/world/drawn_paths.h"
#include "world/level_tables.h"
#include "world/terrain.h"
#include "world/terrain_state.h"
#include "world/view.h"

namespace elves_test {
namespace {

using actors::ElfList;
using actors::UpdateElves;
using ElfMovementTest = ElfTest;

const std::set<int> kLeftHalfShown = {1, 5, 6, 9, 10, 11};
const std::set<int> kRightHalfShown = {2, 3, 4, 7, 8};

std::set<int> AsSet(const std::vector<int>& v) { return {v.begin(), v.end()}; }

TEST_F(ElfMovementTest, FromSpawnPoint48LeftTheFirstDecisionComesAtJunction7After41Frames) {
    AddElf(48, 32, "<");
    SeedSoNextDrawIs(1, world::JunctionCount, 8);
    const std::uint32_t seeded = platform::RandomState();
    for (int frame = 1; frame <= 40; ++frame) {
        UpdateElves();
        ASSERT_EQ(ElfList[0].moves, "<") << "frame " << frame;
        ASSERT_EQ(platform::RandomState(), seeded) << "a decision before frame 41, at frame " << frame;
    }
    UpdateElves();
    EXPECT_EQ(ElfList[0].Xpos, 7);
    EXPECT_EQ(ElfList[0].Ypos, 32);
    EXPECT_EQ(ElfList[0].moves, ">") << "the only path out of junction 1 leads right";
    EXPECT_EQ(ElfList[0].dims, actors::lastJunctionRoute);
    EXPECT_FALSE(ElfList[0].dims.empty());
}

struct SlopeCase {
    const char* name;
    std::vector<std::string> mask;  // the elf walks right from (1, 2)
    int endY;
};

TEST_F(ElfMovementTest, AHorizontalStepOffThePathsFollowsAPathPixelAboveOrBelow) {
    const SlopeCase cases[] = {
        {"rise", {"....", "..-.", "-...", "....", "...."}, 1},
        {"fall", {"....", "....", "-...", "..-.", "...."}, 3},
        {"path above and below", {"....", "..-.", "-...", "..-.", "...."}, 2},
        {"onto a path, with path above", {"....", "..-.", "---.", "....", "...."}, 2},
        {"onto a path, with path below", {"....", "....", "---.", "..-.", "...."}, 2},
        {"off the paths, none near", {"....", "....", "-...", "....", "...."}, 2},
    };
    for (const SlopeCase& c : cases) {
        PaintEnemyMask(c.mask);
        ElfList.clear();
        AddElf(1, 2, ">");
        UpdateElves();
        ASSERT_EQ(ElfList.size(), 1u) << c.name;
        EXPECT_EQ(ElfList[0].Xpos, 2) << c.name;
        EXPECT_EQ(ElfList[0].Ypos, c.endY) << c.name;
        EXPECT_EQ(ElfList[0].dir, 0) << c.name;
    }
    // Walking left reads the same way.
    PaintEnemyMask({"....", ".-..", "..-.", "....", "...."});
    ElfList.clear();
    AddElf(2, 2, "<");
    UpdateElves();
    EXPECT_EQ(ElfList[0].Xpos, 1);
    EXPECT_EQ(ElfList[0].Ypos, 1);
    EXPECT_EQ(ElfList[0].dir, 4);
}

TEST_F(ElfMovementTest, AVerticalStepOffThePathsEndsTheElfInAPoofAndBringsOneOnTheHiddenHalf) {
    PaintEnemyMask({"....", "..-.", "..-.", "....", "...."});
    AddElf(2, 2, "|");
    UpdateElves();
    ASSERT_EQ(ElfList.size(), 1u);
    EXPECT_EQ(SpawnRecordsOf(ElfList).size(), 1u) << "the new elf stands at a spawn point";
    EXPECT_TRUE(kLeftHalfShown.count(SpawnRecordsOf(ElfList).at(0)));
    const bool poofWhereItLeft = std::any_of(actors::PoofList.begin(), actors::PoofList.end(),
                                             [](const actors::poofs& p) { return p.x == 2 && p.y == 3; });
    EXPECT_TRUE(poofWhereItLeft);
    EXPECT_EQ(services::Sound::IsPlaying("DropAxe"), 1);
    EXPECT_EQ(services::Sound::IsPlaying("Poof"), 1);
}

TEST_F(ElfMovementTest, AClimbIsFollowedAndAJunctionReachedVerticallyBringsADecision) {
    // Junction 7 at (144, 176) is reached climbing down from junction 2.
    ASSERT_TRUE(mazetest::OnPath(144, 174));
    AddElf(144, 174, "|");
    ElfList[0].dims = "unchanged";
    SeedSoNextDrawIs(1, world::JunctionCount, 1);  // record 1 shares no row or column with it
    UpdateElves();
    EXPECT_EQ(ElfList[0].Ypos, 175);
    EXPECT_EQ(ElfList[0].dir, 8);
    EXPECT_EQ(ElfList[0].moves, "|");
    UpdateElves();
    ASSERT_EQ(ElfList[0].Ypos, 176);
    const auto exits = mazetest::DrawnExits(144, 176);
    EXPECT_NE(std::find(exits.begin(), exits.end(), ElfList[0].moves.at(0)), exits.end()) << ElfList[0].moves;
    EXPECT_EQ(ElfList[0].moves, actors::lastJunctionDirection);
    EXPECT_EQ(ElfList[0].dims, "unchanged") << "only horizontal steps copy the route string";
}

TEST_F(ElfMovementTest, AnElfWithoutADirectionIsReplacedOnItsTenthMotionlessFrame) {
    for (const char* moves : {"", "x"}) {
        ElfList.clear();
        AddElf(300, 32, moves);
        UpdateElves();  // its first frame: it has not stood there before
        for (int frame = 1; frame <= 9; ++frame) {
            UpdateElves();
            ASSERT_EQ(ElfList[0].Xpos, 300) << "'" << moves << "' frame " << frame;
            ASSERT_EQ(ElfList[0].StuckAtSameCoordsCounter, frame) << "'" << moves << "'";
        }
        actors::ParticleList.clear();
        UpdateElves();
        ASSERT_EQ(ElfList.size(), 1u);
        EXPECT_EQ(SpawnRecordsOf(ElfList).size(), 1u) << "'" << moves << "': replaced by a new elf";
        EXPECT_EQ(ElfList[0].StuckAtSameCoordsCounter, 0);
        const bool redBurst = std::any_of(actors::ParticleList.begin(), actors::ParticleList.end(),
                                          [](const actors::particles& p) { return p.typ == 2; });
        EXPECT_TRUE(redBurst) << "'" << moves << "'";
        EXPECT_EQ(services::Sound::IsPlaying("teleport"), 1);
    }
}

TEST_F(ElfMovementTest, MotionlessFramesAddUpOverAnElfsLifeAndStunnedOnesDoNotCount) {
    actors::elfs& elf = AddElf(300, 32, ">");
    elf.StuckAtSameCoordsCounter = 9;
    UpdateElves();
    ASSERT_EQ(ElfList.size(), 1u);
    EXPECT_EQ(ElfList[0].Xpos, 301) << "walking on: the count stays where it was";
    EXPECT_EQ(ElfList[0].StuckAtSameCoordsCounter, 9);

    ElfList[0].Stunned = 100;
    for (int frame = 0; frame < 50; ++frame) UpdateElves();
    EXPECT_EQ(ElfList[0].Xpos, 301) << "a stunned elf stands";
    EXPECT_EQ(ElfList[0].StuckAtSameCoordsCounter, 9);

    ElfList[0].Stunned = 0;
    ElfList[0].moves = "";
    UpdateElves();
    EXPECT_NE(ElfList[0].Xpos, 301) << "the tenth motionless frame of its life replaces it";
    EXPECT_EQ(SpawnRecordsOf(ElfList).size(), 1u);
}

TEST_F(ElfMovementTest, ReplacementsArriveOnlyAtTheHiddenHalfsSpawnPoints) {
    platform::SeedRandom(3);
    world::ScreenHalf = 0;
    actors::SpawnElves(300, 1);
    EXPECT_EQ(AsSet(SpawnRecordsOf(ElfList)), kLeftHalfShown);
    EXPECT_EQ(SpawnRecordsOf(ElfList).size(), 300u);

    ElfList.clear();
    world::ScreenHalf = 1;
    actors::SpawnElves(300, 1);
    EXPECT_EQ(AsSet(SpawnRecordsOf(ElfList)), kRightHalfShown);

    ElfList.clear();
    actors::SpawnElves(300, 0);
    EXPECT_EQ(AsSet(SpawnRecordsOf(ElfList)).size(), 11u) << "at level set-up every record is taken";
}

TEST_F(ElfMovementTest, ANewElfTakesItsDrawsInOrderAndArrivesInAPoof) {
    platform::SeedRandom(77);
    const int r = platform::RandomInt(1, 11);
    const int frame = platform::RandomInt(0, 3);
    const int framedelay = platform::RandomInt(0, 4);
    const int modeCounts = platform::RandomInt(10, 20);
    const char moves = platform::RandomInt(1, 100) < 50 ? '<' : '>';
    platform::SeedRandom(77);
    actors::SpawnElves(1, 0);
    ASSERT_EQ(ElfList.size(), 1u);
    const actors::elfs& elf = ElfList[0];
    EXPECT_EQ(elf.Xpos, world::ElfSpawnTable[2 * (r - 1)]);
    EXPECT_EQ(elf.Ypos, world::ElfSpawnTable[2 * (r - 1) + 1]);
    EXPECT_EQ(elf.frame, frame);
    EXPECT_EQ(elf.framedelay, framedelay);
    EXPECT_EQ(elf.ModeCounts, modeCounts);
    EXPECT_EQ(elf.moves, std::string(1, moves));
    EXPECT_EQ(elf.XposOld, 0);
    EXPECT_EQ(elf.Stunned, 0);
    ASSERT_EQ(actors::PoofList.size(), 1u);
    EXPECT_EQ(actors::PoofList[0].x, elf.Xpos);
}

TEST_F(ElfMovementTest, AnElfEndingMoreThan30FramesOffThePathsIsReplaced) {
    ASSERT_EQ(world::EnemyPixel(600, 600), world::enemyKey2);
    actors::elfs& elf = AddElf(600, 600, "");
    elf.RailCheck = 20;  // off-path frames of its life so far
    for (int frame = 21; frame <= 30; ++frame) {
        actors::CheckElfRails();
        ASSERT_EQ(ElfList[0].RailCheck, frame);
    }
    // Back on a path does not lower the count.
    ElfList[0].Xpos = 300, ElfList[0].Ypos = 32;
    actors::CheckElfRails();
    EXPECT_EQ(ElfList[0].RailCheck, 30);
    ElfList[0].Xpos = 600, ElfList[0].Ypos = 600;
    actors::ParticleList.clear();
    actors::CheckElfRails();
    ASSERT_EQ(ElfList.size(), 1u);
    EXPECT_EQ(SpawnRecordsOf(ElfList).size(), 1u);
    EXPECT_TRUE(kLeftHalfShown.count(SpawnRecordsOf(ElfList).at(0)));
    EXPECT_EQ(ElfList[0].RailCheck, 0);
    EXPECT_TRUE(std::any_of(actors::ParticleList.begin(), actors::ParticleList.end(),
                            [](const actors::particles& p) { return p.typ == 2; }));
}

TEST_F(ElfMovementTest, RemovingElvesDuringAPassMovesEveryOtherElfOnce) {
    PaintEnemyMask({"..........", "-----.....", "..........", ".........."});
    AddElf(1, 1, "");
    AddElf(2, 1, ">");
    AddElf(5, 1, "^");  // climbs off the paths: removed
    AddElf(1, 1, ">");
    ElfList[0].StuckAtSameCoordsCounter = 9;  // stands its tenth frame: removed
    ElfList[0].XposOld = 1, ElfList[0].YposOld = 1;
    UpdateElves();
    ASSERT_EQ(ElfList.size(), 4u) << "two stay, two replaced";
    EXPECT_EQ(ElfList[0].Xpos, 3);
    EXPECT_EQ(ElfList[1].Xpos, 2);
    EXPECT_EQ(SpawnRecordsOf({ElfList.begin() + 2, ElfList.end()}).size(), 2u) << "replacements come last";
}

// The blocked junction as destination gives no route: the elf takes the
// shared direction, which may lead off the paths.
TEST_F(ElfMovementTest, AnElfSentOffThePathsByADecisionWithoutARouteIsReplaced) {
    struct Case {
        const char* shared;
        int framesToGo;  // after reaching junction 1 at (7, 32)
    };
    // Down it leaves at once; left it walks off the path to the world's edge
    // and stands there.
    for (Case c : {Case{"|", 1}, Case{"^", 1}, Case{"<", 7 + 10}}) {
        ElfList.clear();
        actors::lastJunctionDirection = c.shared;
        AddElf(8, 32, "<");
        SeedSoNextDrawIs(1, world::JunctionCount, 22);
        UpdateElves();
        actors::CheckElfRails();
        ASSERT_EQ(ElfList[0].moves, c.shared);
        int frames = 0;
        while (SpawnRecordsOf(ElfList).empty() && frames < 100) {
            UpdateElves();
            actors::CheckElfRails();
            ++frames;
        }
        ASSERT_EQ(ElfList.size(), 1u) << c.shared;
        EXPECT_EQ(frames, c.framesToGo) << c.shared;
    }
}

// Real decisions on the real maze: elves leave the paths only after a
// decision without a route, and every one that goes is replaced.
TEST_F(ElfMovementTest, OnTheRealMazeTheNumberOfElvesStaysTheSame) {
    platform::SeedRandom(5);
    actors::SpawnElves(6, 0);
    int replaced = 0;
    for (int frame = 0; frame < 20000; ++frame) {
        UpdateElves();
        actors::DrawElves();
        actors::CheckElfRails();
        ASSERT_EQ(ElfList.size(), 6u) << "frame " << frame;
        for (const actors::elfs& elf : ElfList) {
            ASSERT_LE(elf.RailCheck, 30) << "frame " << frame;
            replaced += elf.XposOld == 0 && elf.YposOld == 0;  // arrived this frame
        }
    }
    EXPECT_GT(replaced, 0) << "the run saw elves replaced";
}

}  // namespace
}  // namespace elves_test
