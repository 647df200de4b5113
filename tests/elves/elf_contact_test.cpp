// An elf touching the hero: the axe stuns it, otherwise it catches him,
// unless he hangs from a handle or rides a minecart.
#include <gtest/gtest.h>

#include "actors/elves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "services/sound.h"
#include "tests/elves/elf_fixture.h"
#include "world/game_progress.h"

namespace elves_test {
namespace {

using actors::Carried;
using actors::DrawElves;
using actors::ElfList;

class ElfContactTest : public ElfTest {
protected:
    void SetUp() override {
        ElfTest::SetUp();
        actors::HeroX = 600;
        actors::HeroY = 32;
        actors::HeroDir = 0;
        actors::HeroFrame = 0;
        actors::HeroSpeed = 2;
        world::Score = 1000;
    }
    // An active elf right where he stands.
    static actors::elfs& ElfOnHero() { return AddElf(actors::HeroX, actors::HeroY, ">"); }
    static void GiveAxe() {
        Carried = 3;
        actors::CarriedAxeLife = 300;
        actors::AxeRowBase = 25;
    }
};

TEST_F(ElfContactTest, AnElfTouchingHimCatchesHimAndHisLoadFalls) {
    ElfOnHero();
    Carried = 1;
    DrawElves();
    EXPECT_EQ(world::Dying, 1);
    EXPECT_EQ(services::Sound::IsPlaying("DeadSND"), 1);
    EXPECT_EQ(services::Sound::IsPlaying("DropPackage"), 1);
    EXPECT_EQ(Carried, 0);
    EXPECT_EQ(actors::HeroSpeed, 3);
    ASSERT_EQ(actors::ItemList.size(), 1u);
    EXPECT_EQ(actors::ItemList[0].x, 616);
    EXPECT_EQ(actors::ItemList[0].y, 48);
    EXPECT_EQ(actors::ItemList[0].whichtype, 1);
    EXPECT_EQ(actors::ItemList[0].falling, 1);
}

TEST_F(ElfContactTest, AnElfFarFromHimCatchesNobody) {
    AddElf(actors::HeroX + 80, actors::HeroY, ">");
    DrawElves();
    EXPECT_EQ(world::Dying, 0);
}

TEST_F(ElfContactTest, AHangingOrRidingHeroIsNeverCaught) {
    struct Case {
        const char* name;
        int hangPhase, inCart;
    };
    for (Case c : {Case{"grabbing a handle", 1, 0}, Case{"letting go", 2, 0}, Case{"hanging still", 3, 0},
                   Case{"in a minecart", 0, 1}}) {
        ElfList.clear();
        ElfOnHero();
        actors::HangPhase = c.hangPhase;
        actors::InCart = c.inCart;
        for (int frame = 0; frame < 30; ++frame) DrawElves();
        EXPECT_EQ(world::Dying, 0) << c.name;
    }
}

TEST_F(ElfContactTest, TheAxeStunsAnActiveElfAndIsUsedUp) {
    GiveAxe();
    ElfOnHero();
    DrawElves();
    EXPECT_EQ(ElfList[0].Stunned, 240);
    EXPECT_EQ(Carried, 0);
    EXPECT_EQ(actors::CarriedAxeLife, 0);
    EXPECT_EQ(actors::HeroSpeed, 3);
    EXPECT_EQ(world::Score, 1450);
    EXPECT_EQ(world::Dying, 0);
    EXPECT_EQ(services::Sound::IsPlaying("Crunch"), 1);
    EXPECT_TRUE(actors::ItemList.empty()) << "the axe is gone, not dropped";
}

TEST_F(ElfContactTest, AStunnedElfNeitherTakesTheAxeNorCatchesHim) {
    ElfOnHero().Stunned = 100;
    GiveAxe();
    DrawElves();
    EXPECT_EQ(Carried, 3);
    EXPECT_EQ(ElfList[0].Stunned, 99);
    Carried = 0;
    actors::AxeRowBase = 0;
    DrawElves();
    EXPECT_EQ(world::Dying, 0);
    EXPECT_EQ(ElfList[0].Stunned, 98);
}

// Two elves touch him in one frame: the first takes the axe, and the axe
// still protects him from the second for the rest of that pass.
TEST_F(ElfContactTest, TheAxeProtectsHimFromEveryElfOfTheFrameItIsUsedUpIn) {
    GiveAxe();
    ElfOnHero();
    ElfOnHero();
    DrawElves();
    EXPECT_EQ(ElfList[0].Stunned, 240);
    EXPECT_EQ(ElfList[1].Stunned, 0) << "one axe stuns one elf";
    EXPECT_EQ(Carried, 0);
    EXPECT_EQ(world::Dying, 0);
    EXPECT_EQ(world::Score, 1450);

    // The next frame he has no axe any more.
    actors::AxeRowBase = 0;
    DrawElves();
    EXPECT_EQ(world::Dying, 1);
}

TEST_F(ElfContactTest, WhileHeDiesTheElvesOnlyShowAndTheirStunWaits) {
    world::Dying = 5;
    ElfOnHero().Stunned = 50;
    GiveAxe();
    DrawElves();
    EXPECT_EQ(ElfList[0].Stunned, 50);
    EXPECT_EQ(Carried, 3);
    EXPECT_EQ(world::Dying, 5);
}

TEST_F(ElfContactTest, ACatchInThePassMakesTheLaterElvesShowTheDyingRow) {
    ElfOnHero();
    actors::elfs& far = AddElf(900, 32, ">");
    far.Stunned = 10;
    DrawElves();
    ASSERT_EQ(world::Dying, 1);
    EXPECT_EQ(ElfList[1].Stunned, 10) << "no countdown once he is dying";
}

TEST_F(ElfContactTest, DrawingTheElvesOnlyTouchesNothing) {
    ElfOnHero().framedelay = 10;
    ElfOnHero().Stunned = 7;
    actors::DrawElvesOnly();
    EXPECT_EQ(world::Dying, 0);
    EXPECT_EQ(ElfList[0].framedelay, 10);
    EXPECT_EQ(ElfList[0].frame, 0);
    EXPECT_EQ(ElfList[1].Stunned, 7);
    GiveAxe();
    actors::DrawElvesOnly();
    EXPECT_EQ(Carried, 3);
    EXPECT_EQ(ElfList[0].Stunned, 0);
}

}  // namespace
}  // namespace elves_test
