// The audio layer: what the mixer renders is what the files hold.
#include "services/audio/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "assets/registry.h"
#include "services/audio/audio_engine.h"
#include "tests/sound/decode.h"

namespace {

using services::audio::AudioEngine;
using services::audio::Backend;
using services::audio::kFadeFrames;
using services::audio::OpenSoundData;
using services::audio::SoundData;

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        assets::ClearRegistry();
        EXPECT_TRUE(assets::RegisterEmbeddedAssets());
    }
    void TearDown() override { assets::ClearRegistry(); }

    static std::shared_ptr<const SoundData> Load(std::string_view name) {
        return OpenSoundData(*assets::Lookup(name));
    }
    static sound_test::Decoded Reference(std::string_view name) {
        return sound_test::Decode(*assets::Lookup(name));
    }

    std::vector<float> Mix(int frames) {
        std::vector<float> out(2 * static_cast<std::size_t>(frames));
        engine.MixInto(out.data(), frames);
        return out;
    }

    AudioEngine engine{100, Backend::Headless};
};

float Peak(const std::vector<float>& v, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    float p = 0.0f;
    for (std::size_t i = from; i < std::min(to, v.size()); ++i) p = std::max(p, std::abs(v[i]));
    return p;
}

TEST_F(MixerTest, PlaysTheFileSampleForSampleThenFallsSilent) {
    auto ref = Reference("snd\\BlipSND.ogg");
    auto channel = engine.Play(2, Load("snd\\BlipSND.ogg"), false, 1.0f);
    ASSERT_TRUE(channel);
    auto out = Mix(static_cast<int>(ref.frames) + 2000);
    for (long i = 0; i + 1 < ref.frames; ++i) {
        ASSERT_NEAR(out[2 * i], ref.left[i], 1e-6) << "left frame " << i;
        ASSERT_NEAR(out[2 * i + 1], ref.right[i], 1e-6) << "right frame " << i;
    }
    EXPECT_EQ(Peak(out, 2 * ref.frames), 0.0f) << "sound after its end";
    EXPECT_FALSE(engine.IsPlaying(*channel));
}

TEST_F(MixerTest, MonoSoundsPlayOnBothSidesAndOtherRatesAreResampled) {
    auto ding = engine.Play(3, Load("snd\\DingSND.ogg"), false, 1.0f);
    auto out = Mix(512);
    for (int i = 0; i < 512; ++i) ASSERT_EQ(out[2 * i], out[2 * i + 1]) << "frame " << i;
    EXPECT_GT(Peak(out), 0.1f);
    Mix(5000);
    ASSERT_FALSE(engine.IsPlaying(*ding));

    // 0.82 s at 48 000 Hz lasts 0.82 s at the 44 100 Hz output too.
    auto poof = engine.Play(19, Load("snd\\Poof.ogg"), false, 1.0f);
    auto ref = Reference("snd\\Poof.ogg");
    long expected = ref.frames * engine.OutputRate() / ref.rate;
    Mix(static_cast<int>(expected) - 10);
    EXPECT_TRUE(engine.IsPlaying(*poof));
    Mix(20);
    EXPECT_FALSE(engine.IsPlaying(*poof));
}

TEST_F(MixerTest, LoopedStreamGoesOnFromItsFirstSampleWithoutAGap) {
    auto ref = Reference("snd\\Music2ingame3-loop.ogg");
    engine.Play(28, Load("snd\\Music2ingame3-loop.ogg"), true, 1.0f);
    const int extra = 4096;
    std::vector<float> out;
    for (long done = 0; done < ref.frames + extra; done += 1024) {
        auto chunk = Mix(1024);  // the loop point falls inside a mix buffer
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    for (int k = 0; k < extra; ++k) {
        ASSERT_NEAR(out[2 * (ref.frames + k)], ref.left[k], 1e-6) << "frame " << k << " of the second pass";
        ASSERT_NEAR(out[2 * (ref.frames + k) + 1], ref.right[k], 1e-6)
            << "frame " << k << " of the second pass";
    }
}

TEST_F(MixerTest, RestartReplacesTheVoiceAndOldHandlesGoStale) {
    auto first = engine.Play(5, Load("snd\\teleport.ogg"), false, 1.0f);
    Mix(1000);
    auto second = engine.Play(5, Load("snd\\BlipSND.ogg"), false, 1.0f);
    engine.SetVolume(*first, 0.0f);  // a stale handle touches nothing
    auto ref = Reference("snd\\BlipSND.ogg");
    auto out = Mix(2000);
    EXPECT_GT(std::abs(out[0] - ref.left[0]), 1e-4f) << "the replaced sound fades out, it is not cut";
    for (int i = kFadeFrames; i < 2000; ++i) ASSERT_NEAR(out[2 * i], ref.left[i], 1e-6) << "frame " << i;
    EXPECT_FALSE(engine.IsPlaying(*first));
    EXPECT_TRUE(engine.IsPlaying(*second));
}

TEST_F(MixerTest, VolumePauseAndStopApplyToARunningStream) {
    auto ref = Reference("snd\\Music2ingame2-loop.ogg");
    auto channel = engine.Play(27, Load("snd\\Music2ingame2-loop.ogg"), true, 1.0f);
    Mix(20000);
    engine.SetVolume(*channel, 0.5f);
    auto half = Mix(1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_NEAR(half[2 * i], 0.5f * ref.left[20000 + i], 1e-6) << "frame " << i;

    engine.SetPaused(*channel, true);
    EXPECT_EQ(Peak(Mix(1000)), 0.0f);
    EXPECT_TRUE(engine.IsPlaying(*channel)) << "a paused channel still counts as playing";
    engine.SetPaused(*channel, false);
    auto resumed = Mix(10);
    EXPECT_NEAR(resumed[0], 0.5f * ref.left[21000], 1e-6) << "resumes where it paused";

    engine.Stop(*channel);
    EXPECT_FALSE(engine.IsPlaying(*channel));
    EXPECT_EQ(Peak(Mix(1000), 2 * kFadeFrames), 0.0f);
}

// A stop in the middle of a loud passage would click if it cut the wave; the
// sound goes down to silence over a few milliseconds instead.
TEST_F(MixerTest, StopFadesOutInsteadOfCutting) {
    auto ref = Reference("snd\\Music2ingame1-loop.ogg");
    auto channel = engine.Play(26, Load("snd\\Music2ingame1-loop.ogg"), true, 1.0f);
    const int at = 44100;  // a beat into the tune, where it sounds
    Mix(at);
    engine.Stop(*channel);
    auto out = Mix(1000);
    double kept = 0.0, played = 0.0;
    for (int i = 0; i < kFadeFrames; ++i) {
        float ramp = static_cast<float>(kFadeFrames - i) / kFadeFrames;
        ASSERT_LE(std::abs(out[2 * i]), std::abs(ref.left[at + i]) * ramp + 1e-6f) << "frame " << i;
        if (i < 32) kept += std::abs(out[2 * i]), played += std::abs(ref.left[at + i]);
    }
    ASSERT_GT(played, 0.1);
    EXPECT_GT(kept, 0.8 * played) << "the first frames after the stop still sound";
    EXPECT_EQ(Peak(out, 2 * kFadeFrames), 0.0f);
}

// A minecart hits the hero while he carries a present: the clank, the death
// tune and the dropped present start in the same frame over the level music,
// together well past full scale. They are held under it with the wave's shape
// kept, not flattened into a clipped rasp.
TEST_F(MixerTest, LoudSoundsTogetherAreLimitedNotClipped) {
    engine.Play(1, Load("snd\\DeadSND.ogg"), false, 1.0f);
    engine.Play(9, Load("snd\\HitMineCart.ogg"), false, 1.0f);
    engine.Play(10, Load("snd\\DropPackage.ogg"), false, 1.0f);
    engine.Play(26, Load("snd\\Music2ingame1-loop.ogg"), true, 0.33f);
    auto out = Mix(8000);
    float peak = Peak(out);
    EXPECT_LT(peak, 1.0f);
    EXPECT_GT(peak, 0.8f);
    long flat = std::count_if(out.begin(), out.end(), [&](float x) { return std::abs(x) >= peak * 0.999f; });
    EXPECT_LT(flat, 10) << "samples pressed against the ceiling";
}

TEST_F(MixerTest, EvenTenLoudVoicesStayInsideFullScale) {
    for (int v = 0; v < 10; ++v) engine.Play(v, Load("snd\\HitMineCart.ogg"), false, 1.0f);
    auto out = Mix(4000);
    EXPECT_LE(Peak(out), 1.0f);
    EXPECT_GT(Peak(out), 0.9f);
}

// Once the loud moment has passed, a sound plays exactly as the file holds it.
TEST_F(MixerTest, LimiterLetsGoAfterTheLoudMoment) {
    for (int v = 0; v < 10; ++v) engine.Play(v, Load("snd\\HitMineCart.ogg"), false, 1.0f);
    Mix(2 * 44100);
    auto ref = Reference("snd\\BlipSND.ogg");
    engine.Play(20, Load("snd\\BlipSND.ogg"), false, 1.0f);
    auto out = Mix(2000);
    for (int i = 0; i < 2000; ++i) ASSERT_NEAR(out[2 * i], ref.left[i], 1e-6) << "frame " << i;
}

TEST_F(MixerTest, StartOnAVoiceOutsideTheSystemGivesNoChannel) {
    EXPECT_FALSE(engine.Play(100, Load("snd\\BlipSND.ogg"), false, 1.0f));
    EXPECT_FALSE(engine.Play(-1, Load("snd\\BlipSND.ogg"), false, 1.0f));
    EXPECT_FALSE(engine.Play(1, nullptr, false, 1.0f));
}

// Headless game runs: the mix follows the virtual clock, so a one-shot ends
// when its time is up and a loop goes on.
TEST_F(MixerTest, OnTheVirtualClockSoundsEndWhenTheirTimeIsUp) {
    AudioEngine clocked{100, Backend::VirtualClock};
    ASSERT_TRUE(clocked.FollowsClock());
    clocked.FollowClock(5000);  // the clock's reading at the first call is the start
    auto blip = clocked.Play(2, Load("snd\\BlipSND.ogg"), false, 1.0f);
    auto tune = clocked.Play(3, Load("snd\\Music1menu-loop.ogg"), true, 1.0f);
    ASSERT_TRUE(blip && tune);
    clocked.FollowClock(5000 + 200);  // BlipSND lasts 230 ms
    EXPECT_TRUE(clocked.IsPlaying(*blip));
    clocked.FollowClock(5000 + 260);
    EXPECT_FALSE(clocked.IsPlaying(*blip));
    EXPECT_TRUE(clocked.IsPlaying(*tune));
    EXPECT_FALSE(engine.FollowsClock()) << "the plain headless mix waits for MixInto";
}

}  // namespace
