// Every generated sound decodes with the rate, channels and length of the
// asset table, stays below -1 dBFS, every music loop is seamless, and the
// one-shots are balanced against the music.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "assets/asset_table.h"
#include "assets/registry.h"
#include "tests/sound/decode.h"
#include "tests/sound/loudness.h"
#include "tests/temp_path.h"

namespace {

class GeneratedSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets::ClearRegistry();
        EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    }
    void TearDown() override { assets::ClearRegistry(); }

    static std::vector<const assets::AssetInfo*> Sounds() {
        std::vector<const assets::AssetInfo*> out;
        for (const auto& a : assets::AssetTable())
            if (a.kind == assets::Kind::Sound) out.push_back(&a);
        return out;
    }
};

TEST_F(GeneratedSoundsTest, FormatLengthAndLevelMatchTheTable) {
    const float kMinusOneDb = 0.891f;
    for (const auto* a : Sounds()) {
        SCOPED_TRACE(a->name);
        auto d = sound_test::Decode(*assets::Lookup(a->name));
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.rate, a->sampleRate);
        EXPECT_EQ(d.channels, a->channels);
        EXPECT_EQ(d.frames, std::lround(a->seconds * a->sampleRate)) << "frames at the table's length";
        EXPECT_EQ(static_cast<long>(d.left.size()), d.frames);
        float peak = 0.0f;
        double energy = 0.0;
        for (long i = 0; i < d.frames; ++i) {
            peak = std::max({peak, std::abs(d.left[i]), std::abs(d.right[i])});
            energy += d.left[i] * d.left[i];
        }
        EXPECT_LT(peak, kMinusOneDb);
        EXPECT_GT(std::sqrt(energy / d.frames), 0.01) << "too quiet to be heard";
    }
}

// Across the loop point the wave goes on as smoothly as it does elsewhere:
// the first sample is as close to what the last two predict as 99.9% of the
// samples of the loop are to theirs, and there is no silence around it.
TEST_F(GeneratedSoundsTest, MusicLoopsJoinWithoutStepOrGap) {
    for (const auto* a : Sounds()) {
        if (!a->name.ends_with("-loop.ogg")) continue;
        SCOPED_TRACE(a->name);
        auto d = sound_test::Decode(*assets::Lookup(a->name));
        ASSERT_TRUE(d.ok);
        for (const auto* side : {&d.left, &d.right}) {
            const auto& s = *side;
            const std::size_t n = s.size();
            auto miss = [&](std::size_t i) {
                return std::abs(s[i % n] - (2 * s[(i + n - 1) % n] - s[(i + n - 2) % n]));
            };
            std::vector<float> misses;
            for (std::size_t i = 2; i < n; ++i) misses.push_back(miss(i));
            std::nth_element(misses.begin(), misses.begin() + misses.size() * 999 / 1000, misses.end());
            float usual = misses[misses.size() * 999 / 1000];
            for (std::size_t i : {n, n + 1})
                EXPECT_LE(miss(i), usual) << "at the loop point, frame " << i - n;
            float around = 0.0f;
            for (std::size_t k = 0; k < 441; ++k)
                around = std::max({around, std::abs(s[k]), std::abs(s[n - 1 - k])});
            EXPECT_GT(around, 0.01f) << "silence at the loop point";
        }
    }
}

// The loops play at 25% (menu) or 33% (in game) of full volume, every other
// sound at full volume. Measured as a loudness meter would, each one-shot
// lands near the in-game music (never more than 8 LU above it, nor buried
// more than 10 LU under it), and each jingle, which follows the level music
// after it stops, comes in a little louder than that music, not with a jump.
TEST_F(GeneratedSoundsTest, OneShotsAreBalancedAgainstTheMusic) {
    double music = -100.0;
    for (int tune = 1; tune <= 4; ++tune) {
        std::string name = "snd\\Music2ingame" + std::to_string(tune) + "-loop.ogg";
        music =
            std::max(music, sound_test::MaxMomentaryLufs(sound_test::Decode(*assets::Lookup(name)), 0.33));
    }
    for (const auto* a : Sounds()) {
        if (a->name.ends_with("-loop.ogg")) continue;
        SCOPED_TRACE(a->name);
        double above =
            sound_test::MaxMomentaryLufs(sound_test::Decode(*assets::Lookup(a->name)), 1.0) - music;
        EXPECT_LT(above, 8.0);
        EXPECT_GT(above, -10.0);
        bool jingle = a->name == "snd\\DeadSND.ogg" || a->name == "snd\\LevelComplete.ogg" ||
                      a->name == "snd\\GameOver.ogg";
        if (jingle) {
            EXPECT_GT(above, 2.0);
        }
    }
}

// The tool makes the same bytes on every run: run it again and compare.
TEST_F(GeneratedSoundsTest, GeneratorIsDeterministic) {
    auto dir = testing_support::TempPathForThisTest("soundgen");
    std::filesystem::remove_all(dir);
    std::string command = SOUNDGEN_PATH;
    command.append(" ").append(dir.string());
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const auto* a : Sounds()) {
        std::ifstream in(dir / assets::FilePathOf(a->name), std::ios::binary);
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        auto embedded = *assets::Lookup(a->name);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), embedded.begin(), embedded.end())) << a->name;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
