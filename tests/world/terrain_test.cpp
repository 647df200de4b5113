// LoadTerrain reads its keys from the legends; the queries compare with them.
#include "world/terrain.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "assets/registry.h"
#include "platform/png_codec.h"
#include "platform/state_registry.h"
#include "world/terrain_state.h"

namespace {

struct KeyCase {
    const char* name;
    const std::uint32_t* key;
    std::uint32_t shipped;
};

TEST(TerrainTest, TheShippedLegendsGiveTheDocumentedKeys) {
    assets::ClearRegistry();
    EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    world::LoadTerrain();
    const KeyCase cases[] = {
        {"groundKey0", &world::groundKey0, 0xFF000000u}, {"groundKey3", &world::groundKey3, 0xFFFFFFFFu},
        {"groundKey4", &world::groundKey4, 0xFFFFFF00u}, {"walkKey1", &world::walkKey1, 0xFFFF0000u},
        {"walkKey2", &world::walkKey2, 0xFF4040FFu},     {"walkKey3", &world::walkKey3, 0xFFFF00FFu},
        {"walkKey5", &world::walkKey5, 0xFF00FF00u},     {"walkKey6", &world::walkKey6, 0xFFFFFF00u},
        {"enemyKey0", &world::enemyKey0, 0xFFFF0000u},   {"enemyKey1", &world::enemyKey1, 0xFFFFFF00u},
        {"enemyKey2", &world::enemyKey2, 0xFF000000u},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(*c.key, c.shipped) << c.name;
    EXPECT_EQ(world::GroundMask.width, 2048);
    EXPECT_EQ(world::WalkMask.height, 768);
}

// The answers every ground query gives over the whole world.
std::vector<int> GroundAnswers() {
    std::vector<int> answers;
    for (int x = 0; x < 2048; ++x) {
        for (int y = 0; y < 768; ++y)
            answers.push_back(world::GroundSolid(x, y) * 2 + world::GroundNotEmpty(x, y));
        for (int y = 0; y < 768; y += 24) answers.push_back(world::FloorRowBelow(x, y));
    }
    return answers;
}

TEST(TerrainTest, RecolouringTheShippedGroundMaskAndItsLegendChangesNoAnswer) {
    assets::ClearRegistry();
    EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    world::LoadTerrain();
    const std::vector<int> shipped = GroundAnswers();
    platform::Mask ground = platform::LoadMaskPixels("gfx\\levelground.png");
    for (std::uint32_t& pixel : ground.argb)
        if (pixel == world::groundKey3) pixel = 0xFF20A040u;
    std::vector<std::uint8_t> png;
    ASSERT_TRUE(platform::EncodePngRgb(ground, png));
    assets::Register("gfx\\levelground.png", png);
    world::LoadTerrain();
    EXPECT_EQ(world::groundKey3, 0xFF20A040u);
    EXPECT_TRUE(GroundAnswers() == shipped);
    world::ResetTerrain();
    assets::ClearRegistry();
}

// Small masks with a recoloured legend: solid is green, air is dark blue.
class RepaintedTerrainTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t Air = 0xFF000040u, Solid = 0xFF00C000u, Grey = 0xFF808080u;

    void SetUp() override {
        platform::Pixels ground{8, 12, std::vector<std::uint32_t>(8 * 12, Air)};
        ground.At(3, 3) = Solid;
        ground.At(4, 4) = 0xFFFFFF00u;
        for (int x = 0; x < 8; ++x) ground.At(x, 10) = Solid;
        ground.At(6, 7) = Grey;  // a ladder crossing in column 6
        ground.At(7, 10) = Air;  // column 7 has nothing to land on
        platform::Pixels walk{8, 8, std::vector<std::uint32_t>(64, 0xFF000000u)};
        walk.At(1, 1) = 0xFF00FFFFu;
        platform::Pixels enemy{8, 8, std::vector<std::uint32_t>(64, 0xFF101010u)};
        for (auto [p, bytes] : {std::pair{&ground, &groundPng}, {&walk, &walkPng}, {&enemy, &enemyPng}})
            ASSERT_TRUE(platform::EncodePngRgb(*p, *bytes));
        assets::ClearRegistry();
        assets::Register("gfx\\levelground.png", groundPng);
        assets::Register("gfx\\levelwalk.png", walkPng);
        assets::Register("gfx\\EnemyWalk3.png", enemyPng);
        world::LoadTerrain();
    }
    void TearDown() override {
        world::ResetTerrain();
        assets::ClearRegistry();
    }

    std::vector<std::uint8_t> groundPng, walkPng, enemyPng;
};

TEST_F(RepaintedTerrainTest, KeysFollowTheLegend) {
    EXPECT_EQ(world::groundKey0, Air);
    EXPECT_EQ(world::groundKey3, Solid);
    EXPECT_EQ(world::walkKey1, 0xFF00FFFFu);
    EXPECT_EQ(world::enemyKey2, 0xFF101010u);
    EXPECT_TRUE(world::GroundSolid(2, 10));
    EXPECT_FALSE(world::GroundSolid(2, 9));
    EXPECT_TRUE(world::GroundNotSolid(2, 9));
}

TEST_F(RepaintedTerrainTest, FloorRowBelowStopsAtAnythingButAir) {
    struct Case {
        int x, start, expected;
    } cases[] = {
        {2, 5, 10},   // down to the floor
        {2, 10, 10},  // started on the floor: the start row itself
        {6, 5, 7},    // a crossing line counts as a floor...
        {7, 5, 12},   // nothing below: the mask's height, not an endless scan
        {7, 20, 20},  // started below the mask: never a row above the start
    };
    for (const Case& c : cases) EXPECT_EQ(world::FloorRowBelow(c.x, c.start), c.expected) << "column " << c.x;
    EXPECT_FALSE(world::GroundSolid(6, 7));  // ...but does not stop a fall
    EXPECT_TRUE(world::GroundNotEmpty(6, 7));
}

// The terrain's reset is one of the state resets, so runs sharing a process start clean.
TEST(TerrainResetTest, ResettingAllStateEmptiesMasksAndKeys) {
    assets::ClearRegistry();
    EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    world::LoadTerrain();
    platform::ResetAllState();
    EXPECT_EQ(world::GroundMask.width, 0);
    EXPECT_EQ(world::groundKey3, 0u);
    EXPECT_EQ(world::enemyKey0, 0u);
    assets::ClearRegistry();
}

}  // namespace
