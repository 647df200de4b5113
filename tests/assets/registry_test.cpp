// The embedded pack holds every asset of the table, in order, at its size.
#include "assets/registry.h"

#include <gtest/gtest.h>

#include "assets/asset_table.h"
#include "assets/pack_format.h"
#include "platform/png_codec.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets::ClearRegistry();
        EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    }
    void TearDown() override { assets::ClearRegistry(); }
};

TEST_F(RegistryTest, RegistersTheWholeTableInOrder) {
    auto table = assets::AssetTable();
    auto names = assets::RegisteredNames();
    ASSERT_EQ(names.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(names[i], table[i].name) << "at " << i;
}

TEST_F(RegistryTest, PicturesHaveTheirSizeAndNoAlphaChannel) {
    for (const auto& a : assets::AssetTable()) {
        if (a.kind == assets::Kind::Sound) continue;
        auto bytes = assets::Lookup(a.name);
        ASSERT_TRUE(bytes) << a.name;
        ASSERT_GT(bytes->size(), 26u);
        int colourType = (*bytes)[25];  // IHDR: 2 RGB, 3 palette
        EXPECT_TRUE(colourType == 2 || colourType == 3) << a.name << " has colour type " << colourType;
        platform::Pixels p;
        ASSERT_TRUE(platform::DecodePng(*bytes, p)) << a.name;
        EXPECT_EQ(p.width, a.width) << a.name;
        EXPECT_EQ(p.height, a.height) << a.name;
    }
}

TEST_F(RegistryTest, SoundsAreOggFiles) {
    for (const auto& a : assets::AssetTable()) {
        if (a.kind != assets::Kind::Sound) continue;
        auto bytes = assets::Lookup(a.name);
        ASSERT_TRUE(bytes) << a.name;
        ASSERT_GT(bytes->size(), 4u);
        EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(bytes->data()), 4), "OggS") << a.name;
    }
}

TEST_F(RegistryTest, LookupIsExact) {
    EXPECT_TRUE(assets::Lookup("gfx\\level.png"));
    EXPECT_FALSE(assets::Lookup("gfx\\LEVEL.png"));
    EXPECT_FALSE(assets::Lookup("gfx/level.png"));
    EXPECT_FALSE(assets::Lookup(""));
}

TEST(PackFormat, RejectsTruncatedPacks) {
    std::vector<std::uint8_t> pack(assets::kPackMagic.begin(), assets::kPackMagic.end());
    pack.insert(pack.end(), {1, 0, 0, 0, 1, 0, 'a', 5, 0, 0, 0, 'x'});
    int visited = 0;
    EXPECT_FALSE(assets::WalkPack(pack, [&](auto, auto) { ++visited; }));
    EXPECT_EQ(visited, 0);
    std::vector<std::uint8_t> garbage{'n', 'o', 'p', 'e'};
    EXPECT_FALSE(assets::WalkPack(garbage, [&](auto, auto) { ++visited; }));
}

}  // namespace
